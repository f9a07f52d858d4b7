#include "stock/TFarmaci.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "stock/Barcode.h"
#include "stock/TFoFarMov.h"
#include "stock/TFoFarma.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
// A scanned package code is longer than anything typed by hand into the search box.
constexpr int kScanLength = 20;
}  // namespace

TFarmaci::TFarmaci(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFarmaci"));
    setWindowTitle(QStringLiteral("Farmaci"));
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("CODICE"), 0)
        .addText(QStringLiteral("ARTICOLO"), 30)
        .addText(QStringLiteral("DESCRIZIONE"), 50)
        .addText(QStringLiteral("EAN"), 25)
        .addInt(QStringLiteral("QUANTITA"))
        .addInt(QStringLiteral("ID"))
        .addInt(QStringLiteral("SC_MINIMA"));

    QFont big = font();
    big.setPointSize(16);
    Label1 = new QLabel(QStringLiteral("Articolo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(big);
    Label1->setGeometry(16, 14, 100, 32);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(big);
    Edit1->setGeometry(120, 12, 360, 36);
    Label1->setBuddy(Edit1);
    Edit1->installEventFilter(this);

    CheckBox1 = new QCheckBox(QStringLiteral("Sottoscorta"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(500, 18, 110, 24);
    CheckBox2 = new QCheckBox(QStringLiteral("Giacenza zero"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(615, 18, 125, 24);
    CheckBox3 = new QCheckBox(QStringLiteral("Con Scaduti"), this);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setGeometry(745, 18, 115, 24);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("CODICE"), QStringLiteral("CODICE"), 90},
                         {QStringLiteral("ARTICOLO"), QStringLiteral("ARTICOLO"), 230},
                         {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZIONE"), 300},
                         {QStringLiteral("EAN"), QStringLiteral("EAN"), 140},
                         {QStringLiteral("QUANTITA"), QStringLiteral("QUANTITA"), 90}});
    m_model->setColorFn([this](int row, const QString &field, int role) { return cellColor(row, field, role); });
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->viewport()->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("Nuovo"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Movimentazione"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    on(Edit1, &QLineEdit::textEdited, this, [this] { Edit1Edited(Edit1->text()); });
    on(CheckBox1, &QCheckBox::clicked, this, [this] { CarElenco(); });
    on(CheckBox2, &QCheckBox::clicked, this, [this] { CarElenco(); });
    on(CheckBox3, &QCheckBox::clicked, this, [this] { CarElenco(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    resize(960, 600);
}

TFarmaci::~TFarmaci() { delete m_table; }

void TFarmaci::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFarmaci::setVisible(bool visible)
{
    // While an article is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFarmaci::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    DBGrid1->setGeometry(16, 60, w - 32, h - 60 - 64);
    Button1->setGeometry(16, h - 52, 140, 40);
    Button2->setGeometry(172, h - 52, 180, 40);
    const int size = DBGrid1->height() / 50;
    if (size > 0) {
        QFont f = DBGrid1->font();
        f.setPointSize(size);
        DBGrid1->setFont(f);
        DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    }
}

bool TFarmaci::eventFilter(QObject *o, QEvent *e)
{
    if (o == Edit1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guard([this, key] { Edit1KeyPress(key); });
            return true;  // Enter belongs to the search, it presses no button
        }
    }
    // A double click on the grid where no row stands (an empty list) opens a new record.
    if (o == DBGrid1->viewport() && e->type() == QEvent::MouseButtonDblClick && m_table->rowCount() == 0) {
        guard([this] { DBGrid1DblClick(); });
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TFarmaci::FormShow() { CarElenco(); }

// Each change of the search box narrows the list to what is now in the box.
void TFarmaci::Edit1Edited(const QString &text)
{
    m_search = text;
    CarElenco();
}

// Enter ends a scanned package code: the list is searched by the EAN inside it. A short
// text keeps the search it already made. The box is emptied for the next code.
void TFarmaci::Edit1KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    const QString text = Edit1->text();
    if (text.length() > kScanLength) m_search = EanDaCodice(text);
    Edit1->clear();
    CarElenco();
}

void TFarmaci::CarElenco()
{
    Query q(kDB);
    q.add(QStringLiteral("select CODICE,EAN,NOME,DESCRIZIONE,ID,SCORTA,"));
    q.add(QStringLiteral("(select sum(QUANTITA-Q_USATA) FROM Movimenti WHERE QUANTITA > Q_USATA and IDF=Farmaci.ID) QTA,"));
    q.add(QStringLiteral("(select min(SCADENZA) FROM Movimenti WHERE QUANTITA > Q_USATA and IDF=Farmaci.ID) SCAD"));
    q.add(QStringLiteral("from Farmaci"));
    const QString cerca = m_search.trimmed();
    if (!cerca.isEmpty()) {
        q.add(QStringLiteral("where ") +
              QStringLiteral(" (UPPER(CODICE) LIKE :CER OR UPPER(NOME) LIKE :CER OR UPPER(DESCRIZIONE) LIKE :CER ") +
              QStringLiteral(" OR UPPER(EAN) LIKE :CER OR UPPER(PRODUTTORE) LIKE :CER ) "));
        q.bindText(QStringLiteral("CER"), QLatin1Char('%') + cerca.toUpper() + QLatin1Char('%'));
    }
    q.add(QStringLiteral("order by nome"));

    m_table->empty();
    m_model->refresh();
    q.open();
    const QDate today = QDate::currentDate();
    const QDate zero = dateFromSerial(0);
    for (; !q.eof(); q.next()) {
        const qint64 qta = q.integer(QStringLiteral("QTA"));
        const qint64 scorta = q.integer(QStringLiteral("SCORTA"));
        const QDate scad = q.value(QStringLiteral("SCAD")).isNull() ? zero : q.date(QStringLiteral("SCAD"));
        if (CheckBox1->isChecked() && qta > scorta) continue;
        if (CheckBox2->isChecked() && qta != 0) continue;
        if (CheckBox3->isChecked() && !(scad < today && qta != 0)) continue;
        const int r = m_table->append();
        m_table->set(r, QStringLiteral("CODICE"), q.str(QStringLiteral("CODICE")));
        m_table->set(r, QStringLiteral("ARTICOLO"), q.str(QStringLiteral("NOME")));
        m_table->set(r, QStringLiteral("DESCRIZIONE"), q.str(QStringLiteral("DESCRIZIONE")));
        m_table->set(r, QStringLiteral("EAN"), q.str(QStringLiteral("EAN")));
        m_table->set(r, QStringLiteral("QUANTITA"), qta);
        m_table->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
        m_table->set(r, QStringLiteral("SC_MINIMA"), scorta);
    }
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
    Edit1->setFocus();
}

// Under the minimum stock: blue on yellow; no stock at all: yellow on red, which wins.
QVariant TFarmaci::cellColor(int row, const QString &field, int role) const
{
    Q_UNUSED(field);
    const qint64 qta = m_table->integer(row, QStringLiteral("QUANTITA"));
    const qint64 minima = m_table->integer(row, QStringLiteral("SC_MINIMA"));
    QColor bg, fg;
    if (qta < minima) {
        bg = QColor(255, 255, 0);
        fg = QColor(0, 0, 255);
    }
    if (qta == 0) {
        bg = QColor(255, 0, 0);
        fg = QColor(255, 255, 0);
    }
    if (role == Qt::BackgroundRole && bg.isValid()) return bg;
    if (role == Qt::ForegroundRole && fg.isValid()) return fg;
    return QVariant();
}

void TFarmaci::openEditor(bool existing)
{
    TFoFarma f(this);
    if (existing) {
        const int r = DBGrid1->currentRow();
        f.carica(r >= 0 ? m_table->integer(r, QStringLiteral("ID")) : 0);
        if (r >= 0) f.LabelValore->setText(QString::number(m_table->integer(r, QStringLiteral("QUANTITA"))));
    }
    m_editing = true;
    hide();
    showModal(&f);
    show();  // reloads the list
    m_editing = false;
}

void TFarmaci::DBGrid1DblClick() { openEditor(true); }

void TFarmaci::Button1Click() { openEditor(false); }

// The movements of the selected article (none when the list is empty), with the user as
// the operator of every movement.
void TFarmaci::Button2Click()
{
    const int r = DBGrid1->currentRow();
    TFoFarMov f(this);
    f.setUserId(m_userId);
    f.setArticolo(r >= 0 && r < m_table->rowCount() ? m_table->integer(r, QStringLiteral("ID")) : 0);
    m_editing = true;
    hide();
    showModal(&f);
    show();  // reloads the list
    m_editing = false;
}
