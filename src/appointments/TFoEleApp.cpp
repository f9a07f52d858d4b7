#include "appointments/TFoEleApp.h"

#include "appointments/TFoAppunta.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "services/Controls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>

using namespace vlm;

namespace {
const QString kDb2 = QStringLiteral("Db2");

QString hhmm(const Query &q, const QString &col)
{
    const QVariant v = q.value(col);
    if (v.isNull()) return QString();
    if (v.typeId() == QMetaType::QTime) return v.toTime().toString(QStringLiteral("hh:mm:ss")).left(5);
    return v.toString().left(5);
}
}  // namespace

TFoEleApp::TFoEleApp(QWidget *parent)
    : QDialog(parent), m_table(new GridTable), m_model(nullptr), m_sortField(QStringLiteral("MEDICO"))
{
    setObjectName(QStringLiteral("TFoEleApp"));
    setWindowTitle(QStringLiteral("Elenco Appuntamenti"));
    resize(760, 480);
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("MEDICO"), 30)
        .addDate(QStringLiteral("DATA"))
        .addText(QStringLiteral("ORARIOP"), 5)
        .addInt(QStringLiteral("POSTI"))
        .addInt(QStringLiteral("LIBERI"))
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("STANZA"), 10);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);

    CheckBox1 = new GreyCheckBox(QStringLiteral("Passati"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setCheckState(Qt::Unchecked);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("MEDICO"), QStringLiteral("MEDICO"), 220},
                         {QStringLiteral("STANZA"), QStringLiteral("STANZA"), 90},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), 100},
                         {QStringLiteral("ORA"), QStringLiteral("ORARIOP"), 60},
                         {QStringLiteral("POSTI"), QStringLiteral("POSTI"), 60},
                         {QStringLiteral("LIBERI"), QStringLiteral("LIBERI"), 60}});
    m_model->setColorFn([this](int row, const QString &field, int role) { return cellColor(row, field, role); });
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    // The list keeps the order of the last title clicked, MEDICO until then.
    DBGrid1->setTitleClick([this](const QString &field) {
        m_sortField = field;
        m_table->sortBy(field);
        m_model->refresh();
        DBGrid1->setCurrentRow(0);
    });

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

    guard([this] { FormCreate(); });

    on(ComboBox1, &QComboBox::currentTextChanged, this, [this] { ComboBox1Change(); });
    on(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoEleApp::~TFoEleApp()
{
    vlm::disconnect(kDb2);
    delete m_table;
}

void TFoEleApp::FormCreate()
{
    struct Disc { ~Disc() { vlm::disconnect(QStringLiteral("Db2")); } } disc;
    Query q(kDb2);
    q.add(QStringLiteral("select * from Medici where stato='ATTIVO'"));
    q.open();
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (; !q.eof(); q.next()) ComboBox1->addItem(q.str(QStringLiteral("Nome")));
    q.close();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
}

void TFoEleApp::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    ComboBox1->setGeometry(12, 12, 240, 28);
    CheckBox1->setGeometry(268, 14, 120, 24);
    DBGrid1->setGeometry(12, 52, w - 12 - 96, h - 52 - 12);
    Button1->setGeometry(w - 84, 52, 72, 48);
    Button2->setGeometry(w - 84, 112, 72, 48);
    QFont f = DBGrid1->font();
    f.setPointSize(qMax(1, DBGrid1->height() / 35));
    DBGrid1->setFont(f);
    DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
}

void TFoEleApp::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoEleApp::setVisible(bool visible)
{
    // While a visit is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoEleApp::FormShow() { CarTabella(); }

void TFoEleApp::ComboBox1Change() { CarTabella(); }

void TFoEleApp::CheckBox1Click() { CarTabella(); }

void TFoEleApp::CarTabella()
{
    struct Disc { ~Disc() { vlm::disconnect(QStringLiteral("Db2")); } } disc;
    const QString medico = ComboBox1->currentText().trimmed();
    const bool scelto = !ComboBox1->currentText().isEmpty();

    Query q(kDb2);
    q.add(QStringLiteral("select *,(select count(*) from Appuntamenti where IDVISITA=Visite.ID) POSTI,  "
                         "(select count(*) from Appuntamenti where IDVISITA=Visite.ID and NOME='') LIBERI  from Visite "));
    switch (CheckBox1->checkState()) {
    case Qt::Unchecked:  // coming visits, today included
        q.add(QStringLiteral(" where data >= current_date() "));
        if (scelto) q.add(QStringLiteral(" and medico=:MED"));
        q.add(QStringLiteral("order by medico,data,orainizio"));
        break;
    case Qt::Checked:  // past visits
        q.add(QStringLiteral("where data < current_date()"));
        if (scelto) q.add(QStringLiteral(" and medico=:MED"));
        q.add(QStringLiteral(" order by medico, data desc, orainizio desc"));
        break;
    default:  // every visit
        if (scelto) q.add(QStringLiteral("where medico = :MED"));
        q.add(QStringLiteral("order by medico,data desc,orainizio desc"));
        break;
    }
    if (scelto) q.bindText(QStringLiteral("MED"), medico);
    q.open();
    m_table->empty();
    for (; !q.eof(); q.next()) {
        const int r = m_table->append();
        m_table->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
        m_table->set(r, QStringLiteral("MEDICO"), q.str(QStringLiteral("MEDICO")));
        m_table->set(r, QStringLiteral("DATA"), q.date(QStringLiteral("DATA")));
        m_table->set(r, QStringLiteral("ORARIOP"), hhmm(q, QStringLiteral("Orainizio")));
        m_table->set(r, QStringLiteral("POSTI"), q.integer(QStringLiteral("POSTI")));
        m_table->set(r, QStringLiteral("LIBERI"), q.integer(QStringLiteral("LIBERI")));
        m_table->set(r, QStringLiteral("STANZA"), q.str(QStringLiteral("LUOGO")));
    }
    q.close();
    m_table->sortBy(m_sortField);
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

QVariant TFoEleApp::cellColor(int row, const QString &field, int role) const
{
    const bool liberi = field == QLatin1String("LIBERI") && m_table->integer(row, QStringLiteral("LIBERI")) != 0;
    if (role == Qt::BackgroundRole) return liberi ? QVariant(QColor(0, 255, 0)) : QVariant();
    if (role == Qt::ForegroundRole) {
        if (liberi) return QColor(0, 0, 0);
        // The visits draw Thursday in black, the other days in their weekday colour.
        const QDate d = m_table->value(row, QStringLiteral("DATA")).toDate();
        return d.isValid() && dayOfWeek(d) == 5 ? QColor(Qt::black) : weekdayColor(d);
    }
    return QVariant();
}

void TFoEleApp::openVisit(int row)
{
    m_editing = true;
    hide();
    struct Back {
        TFoEleApp *w;
        ~Back()
        {
            w->m_editing = false;
            w->show();  // shown again: FormShow builds the list anew
        }
    } back{this};
    TFoAppunta f(this);
    if (row < 0) {
        f.setVisitId(0);
        QStringList medici;
        for (int i = 0; i < ComboBox1->count(); ++i) medici << ComboBox1->itemText(i);
        f.ComboBox1->addItems(medici);
        f.ComboBox1->setCurrentIndex(-1);
        f.ComboBox1->setEditText(QString());
    } else {
        f.setVisitId(m_table->integer(row, QStringLiteral("ID")));
    }
    showModal(&f);
}

void TFoEleApp::Button1Click() { openVisit(-1); }

void TFoEleApp::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openVisit(r);
}

void TFoEleApp::Button2Click()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    if (messageBox(QStringLiteral("Cancellazione"), QStringLiteral("Vuoi Cancellare l'appuntamento selezionato ?"),
                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    {
        struct Disc { ~Disc() { vlm::disconnect(QStringLiteral("Db2")); } } disc;
        Query q(kDb2);
        q.add(QStringLiteral("delete from Visite where ID=:IDS"));
        q.bindInt(QStringLiteral("IDS"), m_table->integer(r, QStringLiteral("ID")));
        q.exec();
    }
    CarTabella();
}
