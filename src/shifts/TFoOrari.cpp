#include "shifts/TFoOrari.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "shifts/TFoIMTurni.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

using namespace vlm;

TFoOrari::TFoOrari(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoOrari"));
    setWindowTitle(QStringLiteral("FoOrari"));
    resize(720, 420);

    m_table = new GridTable;
    m_table->addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("TIPO"), 10)
        .addText(QStringLiteral("GIORNO"), 15)
        .addText(QStringLiteral("DALLE"), 5)
        .addText(QStringLiteral("ALLE"), 5)
        .addInt(QStringLiteral("GG"))
        .addText(QStringLiteral("DESCRIZIONE"), 35)
        .addInt(QStringLiteral("VDS"));

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("TIPO"), QStringLiteral("TIPO"), 70},
                         {QStringLiteral("GIORNO"), QStringLiteral("GIORNO"), 100},
                         {QStringLiteral("DALLE"), QStringLiteral("DALLE"), 55},
                         {QStringLiteral("ALLE"), QStringLiteral("ALLE"), 55},
                         {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZIONE"), 250},
                         {QStringLiteral("VDS"), QStringLiteral("VDS"), 45}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->setGeometry(8, 8, 620, 404);

    Button1 = new QPushButton(QStringLiteral("+"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(640, 8, 70, 30);
    Button2 = new QPushButton(QStringLiteral("G"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(640, 46, 70, 30);
    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(636, 84, 80, 22);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoOrari::~TFoOrari() { delete m_table; }

void TFoOrari::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

// Builds the list: the active slots, their day as shown and the volunteers available.
void TFoOrari::FormShow()
{
    m_table->empty();
    m_model->refresh();
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select * FROM OrariTurni WHERE ATTIVO != 'N'"));
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("TIPO"), QStringLiteral("TIPO")},
                          {QStringLiteral("GIORNO"), QStringLiteral("GG")},
                          {QStringLiteral("ORAI"), QStringLiteral("DALLE")},
                          {QStringLiteral("ORAF"), QStringLiteral("ALLE")},
                          {QStringLiteral("DESCRIZ"), QStringLiteral("DESCRIZIONE")}});
    q.close();

    Query giorno(QStringLiteral("DB"));
    giorno.add(QStringLiteral("SELECT DESCRIZIONE FROM Elenchi WHERE CODICE=:COD AND TIPO='G'"));
    Query vds(QStringLiteral("DB"));
    vds.add(QStringLiteral("SELECT COUNT(*) NUMERO FROM disponibilita WHERE IDT=:IDT"));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const qint64 gg = m_table->integer(r, QStringLiteral("GG"));
        if (gg < 11) {
            giorno.bindText(QStringLiteral("COD"), QString::number(gg));
            giorno.open();
            m_table->set(r, QStringLiteral("GIORNO"), giorno.isEmpty() ? QString() : giorno.str(QStringLiteral("DESCRIZIONE")));
            giorno.close();
        } else {
            m_table->set(r, QStringLiteral("GIORNO"), dateToStr(dateFromSerial(gg)));
        }
        vds.bindInt(QStringLiteral("IDT"), m_table->integer(r, QStringLiteral("ID")));
        vds.open();
        m_table->set(r, QStringLiteral("VDS"), vds.integer(QStringLiteral("NUMERO")));
        vds.close();
    }
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoOrari::openEditor(qint64 id)
{
    hide();
    {
        TFoIMTurni f(this);
        f.setId(id);
        showModal(&f);
    }
    show();  // builds the list again
}

void TFoOrari::Button1Click() { openEditor(0); }

void TFoOrari::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0) return;
    openEditor(m_table->integer(r, QStringLiteral("ID")));
}

// The next date, today included, on which the selected slot falls. A weekday slot falls
// within the coming seven days; a slot of one date falls on that date unless it is past.
// Other kinds of day (weekdays, holidays...) have no date of their own: the label is emptied.
void TFoOrari::Button2Click()
{
    const int r = DBGrid1->currentRow();
    if (r < 0) return;
    const qint64 gg = m_table->integer(r, QStringLiteral("GG"));
    const QDate today = QDate::currentDate();
    QString found;
    if (gg >= 11) {
        const QDate d = dateFromSerial(gg);
        if (d >= today) found = dateToStr(d);
    } else {
        for (int off = 0; off <= 6; ++off) {
            const QDate d = today.addDays(off);
            if (dayOfWeek(d) == gg) {
                found = dateToStr(d);
                break;
            }
        }
    }
    Label1->setText(found);
}
