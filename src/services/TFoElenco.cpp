#include "services/TFoElenco.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "services/Controls.h"
#include "services/TFoServizio.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>

using namespace vlm;

namespace {
const QString kDb2 = QStringLiteral("Db2");

}  // namespace

TFoElenco::TFoElenco(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoElenco"));
    setWindowTitle(QStringLiteral("Servizi Sanitari"));
    resize(1000, 600);
    setSizeGripEnabled(true);

    m_table->addInt(QStringLiteral("ID"))
        .addDate(QStringLiteral("DATA"))
        .addText(QStringLiteral("ORARIOP"), 5)
        .addText(QStringLiteral("DURATA"), 5)
        .addText(QStringLiteral("COGNOME"), 30)
        .addText(QStringLiteral("LUOGOP"), 20)
        .addText(QStringLiteral("MEZZO"), 20)
        .addText(QStringLiteral("AUTISTA"), 30)
        .addText(QStringLiteral("VOLONTARIO1"), 30)
        .addText(QStringLiteral("TIPOM"), 1);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 12, 260, 26);
    Edit1->setPlaceholderText(QStringLiteral("Cerca"));
    CheckBox2 = new GreyCheckBox(QStringLiteral("Servizi Sociali "), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(296, 12, 150, 26);
    CheckBox1 = new GreyCheckBox(QStringLiteral("Passati"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(460, 12, 110, 26);

    SG1 = new DBGrid(this);
    SG1->setObjectName(QStringLiteral("SG1"));
    m_model = new GridModel(m_table, SG1);
    m_model->setColumns({{QStringLiteral("DATA"), QStringLiteral("DATA"), 90},
                         {QStringLiteral("ORARIOP"), QStringLiteral("ORARIOP"), 70},
                         {QStringLiteral("DURATA"), QStringLiteral("DURATA"), 70},
                         {QStringLiteral("COGNOME"), QStringLiteral("COGNOME"), 200},
                         {QStringLiteral("LUOGOP"), QStringLiteral("LUOGOP"), 160},
                         {QStringLiteral("MEZZO"), QStringLiteral("MEZZO"), 110},
                         {QStringLiteral("AUTISTA"), QStringLiteral("VOLONTARIO1"), 200}});
    m_model->setColorFn([this](int row, const QString &field, int role) { return cellColor(row, field, role); });
    SG1->setGridModel(m_model);
    SG1->horizontalHeader()->setStretchLastSection(true);

    Button1 = new QPushButton(QStringLiteral(" + "), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral(" - "), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    QFont bf = Button1->font();
    bf.setPointSize(16);
    bf.setBold(true);
    Button1->setFont(bf);
    Button2->setFont(bf);

    on(Edit1, &QLineEdit::textChanged, this, [this] { CarElenco(); });
    on(CheckBox1, &QCheckBox::clicked, this, [this] { CarElenco(); });
    on(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    on(SG1, &DBGrid::rowDoubleClicked, this, [this] { SG1DblClick(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

TFoElenco::~TFoElenco()
{
    vlm::disconnect(kDb2);
    delete m_table;
}

void TFoElenco::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    SG1->setGeometry(16, 48, w - 16 - 96, h - 48 - 16);
    Button1->setGeometry(w - 80, 48, 64, 48);
    Button2->setGeometry(w - 80, 108, 64, 48);
    QFont f = SG1->font();
    f.setPointSize(qMax(1, SG1->height() / 44));
    SG1->setFont(f);
    SG1->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    SG1->resizeColumnsToContents();
}

void TFoElenco::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoElenco::setVisible(bool visible)
{
    // While a service is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoElenco::FormShow() { CarElenco(); }

void TFoElenco::CheckBox2Click()
{
    switch (CheckBox2->checkState()) {
    case Qt::Checked: setWindowTitle(QStringLiteral("Servizi Sociali")); break;
    case Qt::Unchecked: setWindowTitle(QStringLiteral("Servizi Sanitari")); break;
    default: setWindowTitle(QStringLiteral("servizi Sanitari e Ordinari")); break;
    }
    CarElenco();
}

void TFoElenco::CarElenco()
{
    Query q(kDb2);
    q.add(QStringLiteral("select * from servizic "));
    QString join;
    switch (CheckBox2->checkState()) {
    case Qt::PartiallyChecked: join = QStringLiteral(" where "); break;
    case Qt::Checked:
        q.add(QStringLiteral("where Convenzione='S'"));
        join = QStringLiteral(" and ");
        break;
    default:
        q.add(QStringLiteral("where Convenzione !='S'"));
        join = QStringLiteral(" and ");
        break;
    }
    const bool cerca = !Edit1->text().isEmpty();
    const QString nomi = QStringLiteral("(nomepz like :SRC or cognomepz like :SRC or cognomecampanello like :SRC)");
    switch (CheckBox1->checkState()) {
    case Qt::PartiallyChecked:
        if (cerca) q.add(join + nomi);
        q.add(QStringLiteral("order by dataservizio desc,orariopartenza desc"));
        break;
    case Qt::Checked:
        q.add(join + QStringLiteral("dataservizio < current_date()"));
        if (cerca) q.add(QStringLiteral(" and ") + nomi + QStringLiteral(" "));
        q.add(QStringLiteral(" order by dataservizio,orariopartenza"));
        break;
    default:
        q.add(join + QStringLiteral("dataservizio >= current_date() "));
        if (cerca) q.add(QStringLiteral(" and ") + nomi + QStringLiteral(" "));
        q.add(QStringLiteral("order by dataservizio,orariopartenza"));
        break;
    }
    if (cerca) q.bindText(QStringLiteral("SRC"), QLatin1Char('%') + Edit1->text().trimmed() + QLatin1Char('%'));

    m_table->empty();
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("Dataservizio"), QStringLiteral("DATA")},
                          {QStringLiteral("OrarioPartenza"), QStringLiteral("ORARIOP")},
                          {QStringLiteral("Durata"), QStringLiteral("DURATA")},
                          {QStringLiteral("Cognomepz"), QStringLiteral("COGNOME")},
                          {QStringLiteral("Luogoprelievo"), QStringLiteral("LUOGOP")},
                          {QStringLiteral("siglamezzo"), QStringLiteral("MEZZO")},
                          {QStringLiteral("Autista"), QStringLiteral("AUTISTA")},
                          {QStringLiteral("Volontario1"), QStringLiteral("VOLONTARIO1")},
                          {QStringLiteral("Tipomezzo"), QStringLiteral("TIPOM")}});
    q.close();
    vlm::disconnect(kDb2);
    m_model->refresh();
    SG1->resizeColumnsToContents();
    if (m_table->rowCount() > 0) SG1->setCurrentRow(0);
}

QVariant TFoElenco::cellColor(int row, const QString &field, int role) const
{
    Q_UNUSED(field);
    const bool incompleto =
        m_table->text(row, QStringLiteral("VOLONTARIO1")).isEmpty() ||
        (!m_table->text(row, QStringLiteral("TIPOM")).isEmpty() &&
         (m_table->text(row, QStringLiteral("MEZZO")).isEmpty() || m_table->text(row, QStringLiteral("AUTISTA")).isEmpty()));
    if (role == Qt::BackgroundRole) return incompleto ? QColor(255, 0, 0) : QColor(Qt::white);
    if (role == Qt::ForegroundRole) {
        if (incompleto) return QColor(Qt::black);
        return weekdayColor(m_table->value(row, QStringLiteral("DATA")).toDate());
    }
    return QVariant();
}

void TFoElenco::openEditor(qint64 id, bool nuovo)
{
    m_editing = true;
    hide();
    {
        TFoServizio f(this);
        f.setId(id);
        if (nuovo) {
            f.Label4->setText(dateToStr(QDate::currentDate()));
            for (QComboBox *c : {static_cast<QComboBox *>(f.ComboBox1), static_cast<QComboBox *>(f.ComboBox2),
                                 static_cast<QComboBox *>(f.ComboBox3), static_cast<QComboBox *>(f.ComboBox4)})
                c->setEditText(QString());
            clearRadios({f.RadioButton1, f.RadioButton4, f.RadioButton5});
            if (CheckBox2->checkState() == Qt::Checked) f.RadioButton1->setChecked(true);
        }
        showModal(&f);
    }
    show();  // reloads the list
    m_editing = false;
}

void TFoElenco::SG1DblClick()
{
    const int r = SG1->currentRow();
    if (r < 0) return;
    openEditor(m_table->integer(r, QStringLiteral("ID")), false);
}

void TFoElenco::Button1Click() { openEditor(0, true); }

void TFoElenco::Button2Click()
{
    const int r = SG1->currentRow();
    const QString cognome = r >= 0 ? m_table->text(r, QStringLiteral("COGNOME")) : QString();
    const QString data = r >= 0 ? m_table->text(r, QStringLiteral("DATA")) : QString();
    const qint64 id = r >= 0 ? m_table->integer(r, QStringLiteral("ID")) : 0;
    if (ask(QStringLiteral("Cancella"),
            QStringLiteral("Vuoi cancellare il servizio ") + cognome + QStringLiteral(" del ") + data + QStringLiteral(" ?"))) {
        Query q(kDb2);
        q.add(QStringLiteral("delete from servizi where ID=:IDS"));
        q.bindInt(QStringLiteral("IDS"), id);
        q.exec();
    }
    CarElenco();
}
