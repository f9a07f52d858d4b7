#include "appointments/TFoMedici.h"

#include "appointments/TFoMedico.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoMedici::TFoMedici(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoMedici"));
    setWindowTitle(QStringLiteral("Elenco Medici"));
    resize(760, 460);
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("Nome"), 40)
        .addText(QStringLiteral("Specializzazione"), 40)
        .addText(QStringLiteral("Note"), 50)
        .addText(QStringLiteral("STATO"), 15)
        .addInt(QStringLiteral("ID"));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({QStringLiteral("ATTIVO"), QStringLiteral("DISMESSO"), QStringLiteral("TUTTI")});
    ComboBox1->setCurrentIndex(0);

    Button1 = new QPushButton(QStringLiteral("Nuovo"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("Nome"), QStringLiteral("Nome"), 200},
                         {QStringLiteral("Specializzazione"), QStringLiteral("Specializzazione"), 170},
                         {QStringLiteral("Note"), QStringLiteral("Note"), 220},
                         {QStringLiteral("STATO"), QStringLiteral("STATO"), 80},
                         {QStringLiteral("ID"), QStringLiteral("ID"), 40}});
    DBGrid1->setGridModel(m_model);

    on(ComboBox1, &QComboBox::currentTextChanged, this, [this] { ComboBox1Change(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoMedici::~TFoMedici() { delete m_table; }

void TFoMedici::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    ComboBox1->setGeometry(12, 12, 160, 28);
    Button1->setGeometry(w - 112, 10, 100, 32);
    DBGrid1->setGeometry(12, 52, w - 24, h - 64);
}

void TFoMedici::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoMedici::setVisible(bool visible)
{
    // While a record is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoMedici::FormShow() { CarTabella(); }

void TFoMedici::ComboBox1Change() { CarTabella(); }

void TFoMedici::CarTabella()
{
    Query q(kDB);
    q.add(QStringLiteral("SELECT * FROM Medici "));
    const QString stato = ComboBox1->currentText();
    if (stato == QLatin1String("ATTIVO")) q.add(QStringLiteral("WHERE STATO='ATTIVO'"));
    if (stato == QLatin1String("DISMESSO")) q.add(QStringLiteral("WHERE STATO='DISMESSO'"));
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("Nome"), QStringLiteral("Nome")},
                          {QStringLiteral("Specializzazione"), QStringLiteral("Specializzazione")},
                          {QStringLiteral("Note"), QStringLiteral("Note")},
                          {QStringLiteral("Stato"), QStringLiteral("STATO")}});
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoMedici::openRecord(int row)
{
    m_editing = true;
    hide();
    struct Back {
        TFoMedici *w;
        ~Back()
        {
            w->m_editing = false;
            w->show();  // shown again: FormShow builds the list anew
        }
    } back{this};
    TFoMedico f(this);
    if (row < 0) {
        f.setRecordId(0);
        f.ComboBox1->setEditText(QStringLiteral("ATTIVO"));
    } else {
        // The full notes, not the piece the grid shows.
        const qint64 id = m_table->integer(row, QStringLiteral("ID"));
        f.setRecordId(id);
        f.Edit1->setText(m_table->text(row, QStringLiteral("Nome")));
        f.Edit2->setText(m_table->text(row, QStringLiteral("Specializzazione")));
        f.ComboBox1->setEditText(m_table->text(row, QStringLiteral("STATO")));
        const QVariant note = scalar(kDB, QStringLiteral("select Note from Medici where ID=:IDM"), {{QStringLiteral("IDM"), id}});
        f.Memo1->setPlainText(note.isValid() ? note.toString() : m_table->text(row, QStringLiteral("Note")));
    }
    showModal(&f);
}

void TFoMedici::Button1Click() { openRecord(-1); }

void TFoMedici::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openRecord(r);
}
