#include "services/TFoStandby.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTime>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

// A time value bound as a date-time: the time of day on day 0 (30/12/1899).
QDateTime timeValue(const QTime &t) { return QDateTime(QDate(1899, 12, 30), t); }

QString hhmm(const Query &q, const QString &col)
{
    const QVariant v = q.value(col);
    if (v.isNull()) return QString();
    if (v.typeId() == QMetaType::QTime) return v.toTime().toString(QStringLiteral("hh:mm:ss")).left(5);
    return v.toString().left(5);
}
}  // namespace

// ---------------------------------------------------------------- entry window

TFoStby::TFoStby(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoStby"));
    setWindowTitle(QStringLiteral("StandBy Mezzo"));
    setFixedSize(330, 260);

    auto label = [this](QLabel *&l, const char *name, const QString &text, int y) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(20, y + 3, 110, 20);
    };
    label(Label1, "Label1", QStringLiteral("Data"), 20);
    label(Label2, "Label2", QStringLiteral("Ora Inizio"), 56);
    label(Label3, "Label3", QStringLiteral("Ora Fine"), 92);
    label(Label4, "Label4", QStringLiteral("Mezzo"), 128);
    label(Label5, "Label5", QStringLiteral("Tipo Standby"), 164);

    EdI = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    EdI->setObjectName(QStringLiteral("EdI"));
    EdI->setGeometry(140, 20, 100, 26);
    MaskEdit1 = new MaskEdit(QStringLiteral("!90:00;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(140, 56, 60, 26);
    MaskEdit2 = new MaskEdit(QStringLiteral("!90:00;1;_"), this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(140, 92, 60, 26);

    CBMezzo = new QComboBox(this);
    CBMezzo->setObjectName(QStringLiteral("CBMezzo"));
    CBMezzo->setEditable(true);
    CBMezzo->setInsertPolicy(QComboBox::NoInsert);
    CBMezzo->setGeometry(140, 128, 170, 26);
    CBTipo = new QComboBox(this);
    CBTipo->setObjectName(QStringLiteral("CBTipo"));
    CBTipo->setEditable(true);
    CBTipo->setInsertPolicy(QComboBox::NoInsert);
    CBTipo->setGeometry(140, 164, 170, 26);
    CBTipo->addItems({QStringLiteral("BRAVO 1"), QStringLiteral("BRAVO 2"), QStringLiteral("BRAVO 3"),
                      QStringLiteral("ORDINARIA 1 "), QStringLiteral("ORDINARIA 2"), QStringLiteral("ORDINARIA 3")});
    CBTipo->setEditText(QString());

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(140, 208, 100, 32);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    FormCreate();
}

void TFoStby::FormCreate()
{
    CBMezzo->clear();
    Query q(kDB);
    q.add(QStringLiteral("select * from mezzi where stato='Attivo'"));
    q.open();
    for (; !q.eof(); q.next()) CBMezzo->addItem(q.str(QStringLiteral("siglamezzo")));
    q.close();
    CBMezzo->setEditText(QString());
}

void TFoStby::Button1Click()
{
    // Every value is converted before anything is sent: a bad box stores nothing.
    const QDate giorno = strToDate(EdI->text().trimmed());
    const QTime inizio = strToTime(MaskEdit1->text());
    const QTime fine = strToTime(MaskEdit2->text());

    Query q(kDB);
    if (m_id > 0) {
        q.add(QStringLiteral("update standby set dataservizio=:DTS,orainizio=:ORS,durata=:DRT,siglamezzo=:SIG,tiposervizio=:TPS where ID=:IDS"));
        q.bindInt(QStringLiteral("IDS"), m_id);
    } else {
        q.add(QStringLiteral("insert into standby(dataservizio,orainizio,durata,siglamezzo,tiposervizio) values(:DTS,:ORS,:DRT,:SIG,:TPS)"));
    }
    q.bindDateTime(QStringLiteral("DTS"), QDateTime(giorno, QTime(0, 0)));
    q.bindDateTime(QStringLiteral("ORS"), timeValue(inizio));
    q.bindDateTime(QStringLiteral("DRT"), timeValue(fine));
    q.bindText(QStringLiteral("SIG"), CBMezzo->currentText());
    q.bindText(QStringLiteral("TPS"), CBTipo->currentText());
    q.exec();
    if (m_id <= 0) {
        // Keep the new key, so that a second "Salva" changes this stand-by instead of
        // storing it twice.
        m_id = scalar(kDB, QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
    }
}

// ---------------------------------------------------------------- list window

TFoStandby::TFoStandby(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoStandby"));
    setWindowTitle(QStringLiteral("FoStandBy"));
    resize(560, 420);
    setSizeGripEnabled(true);

    m_table->addDate(QStringLiteral("dataservizio"))
        .addText(QStringLiteral("orapartenza"), 5)
        .addText(QStringLiteral("durata"), 5)
        .addText(QStringLiteral("siglamezzo"), 15)
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("tiposervizio"), 20);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("dataservizio"), QStringLiteral("dataservizio"), 100},
                         {QStringLiteral("orapartenza"), QStringLiteral("orapartenza"), 90},
                         {QStringLiteral("durata"), QStringLiteral("durata"), 90},
                         {QStringLiteral("siglamezzo"), QStringLiteral("siglamezzo"), 130}});
    m_model->setColorFn([this](int row, const QString &field, int role) { return cellColor(row, field, role); });
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Button1 = new QPushButton(QStringLiteral(" + "), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("-"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    QFont bf = Button1->font();
    bf.setPointSize(16);
    bf.setBold(true);
    Button1->setFont(bf);
    Button2->setFont(bf);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });

    CarTabella();
}

TFoStandby::~TFoStandby() { delete m_table; }

void TFoStandby::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    DBGrid1->setGeometry(12, 12, w - 12 - 88, h - 24);
    Button1->setGeometry(w - 76, 12, 64, 48);
    Button2->setGeometry(w - 76, 72, 64, 48);
}

void TFoStandby::setVisible(bool visible)
{
    // While a stand-by is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoStandby::CarTabella()
{
    Query q(kDB);
    q.add(QStringLiteral("select * from standby where date(dataservizio) >= current_date() order by dataservizio"));
    q.open();
    m_table->empty();
    for (; !q.eof(); q.next()) {
        const int r = m_table->append();
        m_table->set(r, QStringLiteral("ID"), q.integer(QStringLiteral("ID")));
        m_table->set(r, QStringLiteral("orapartenza"), hhmm(q, QStringLiteral("orainizio")));
        m_table->set(r, QStringLiteral("durata"), hhmm(q, QStringLiteral("durata")));
        m_table->set(r, QStringLiteral("dataservizio"), q.date(QStringLiteral("dataservizio")));
        m_table->set(r, QStringLiteral("siglamezzo"), q.str(QStringLiteral("siglamezzo")));
        m_table->set(r, QStringLiteral("tiposervizio"), q.str(QStringLiteral("tiposervizio")));
    }
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

QVariant TFoStandby::cellColor(int row, const QString &field, int role) const
{
    Q_UNUSED(field);
    if (role == Qt::ForegroundRole) return weekdayColor(m_table->value(row, QStringLiteral("dataservizio")).toDate());
    return QVariant();
}

void TFoStandby::openEntry(int row)
{
    m_editing = true;
    hide();
    struct Back {
        TFoStandby *w;
        ~Back()
        {
            w->m_editing = false;
            w->show();
        }
    } back{this};
    {
        TFoStby f(this);
        if (row < 0) {
            f.EdI->setText(dateToStr(QDate::currentDate()));
        } else {
            f.setId(m_table->integer(row, QStringLiteral("ID")));
            f.EdI->setText(m_table->text(row, QStringLiteral("dataservizio")));
            f.MaskEdit1->setText(m_table->text(row, QStringLiteral("orapartenza")));
            f.MaskEdit2->setText(m_table->text(row, QStringLiteral("durata")));
            f.CBMezzo->setEditText(m_table->text(row, QStringLiteral("siglamezzo")));
            f.CBTipo->setEditText(m_table->text(row, QStringLiteral("tiposervizio")));
        }
        showModal(&f);
    }
    CarTabella();
}

void TFoStandby::Button1Click() { openEntry(-1); }

void TFoStandby::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openEntry(r);
}

void TFoStandby::Button2Click()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    Query q(kDB);
    q.add(QStringLiteral("delete from standby where ID = :IDS"));
    q.bindInt(QStringLiteral("IDS"), m_table->integer(r, QStringLiteral("ID")));
    q.exec();
    CarTabella();
}
