#include "activities/TFoEleEve.h"

#include "activities/TFoEvento.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoEleEve::TFoEleEve(QWidget *parent) : QDialog(parent), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoEleEve"));
    setWindowTitle(QStringLiteral("Elenco Eventi"));
    resize(820, 460);
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("LUOGO"), 40)
        .addDate(QStringLiteral("DATA"))
        .addText(QStringLiteral("DESCRIZ"), 40)
        .addText(QStringLiteral("ORAI"), 5)
        .addText(QStringLiteral("ORAF"), 5)
        .addInt(QStringLiteral("MINIMO"))
        .addInt(QStringLiteral("MASSIMO"))
        .addInt(QStringLiteral("ID"));

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("DESCRIZ"), QStringLiteral("DESCRIZ"), 250},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), 90},
                         {QStringLiteral("LUOGO"), QStringLiteral("LUOGO"), 200},
                         {QStringLiteral("ORAI"), QStringLiteral("ORAI"), 55},
                         {QStringLiteral("ORAF"), QStringLiteral("ORAF"), 55},
                         {QStringLiteral("MINIMO"), QStringLiteral("MINIMO"), 60},
                         {QStringLiteral("MASSIMO"), QStringLiteral("MASSIMO"), 60}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    CheckBox1 = new QCheckBox(QStringLiteral("Passati"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = new QPushButton(QStringLiteral("Nuova"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Cancella "), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    on(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoEleEve::~TFoEleEve() { delete m_table; }

void TFoEleEve::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    CheckBox1->setGeometry(12, 12, 100, 24);
    Button1->setGeometry(w - 12 - 2 * 110 - 8, 8, 110, 30);
    Button2->setGeometry(w - 12 - 110, 8, 110, 30);
    DBGrid1->setGeometry(12, 48, w - 24, h - 60);
}

void TFoEleEve::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    guard([this] { FormShow(); });
}

void TFoEleEve::setVisible(bool visible)
{
    // While an event is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoEleEve::FormShow() { CarTabella(); }

void TFoEleEve::CarTabella()
{
    Query q(kDB);
    if (CheckBox1->isChecked()) q.add(QStringLiteral("select * from Eventi order by data desc"));
    else q.add(QStringLiteral("select * from Eventi where data >= current_date order by data "));
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("LUOGO"), QStringLiteral("LUOGO")},
                          {QStringLiteral("DATA"), QStringLiteral("DATA")},
                          {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZ")},
                          {QStringLiteral("ORAI"), QStringLiteral("ORAI")},
                          {QStringLiteral("ORAF"), QStringLiteral("ORAF")},
                          {QStringLiteral("MINIMO"), QStringLiteral("MINIMO")},
                          {QStringLiteral("MASSIMO"), QStringLiteral("MASSIMO")},
                          {QStringLiteral("ID"), QStringLiteral("ID")}});
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoEleEve::CheckBox1Click() { CarTabella(); }

void TFoEleEve::openEditor(qint64 id)
{
    m_editing = true;
    hide();
    struct Back {
        TFoEleEve *w;
        ~Back()
        {
            w->show();  // reloads the list
            w->m_editing = false;
        }
    } back{this};
    TFoEvento f(id, this);
    showModal(&f);
}

void TFoEleEve::Button1Click() { openEditor(0); }

void TFoEleEve::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openEditor(m_table->integer(r, QStringLiteral("ID")));
}

void TFoEleEve::Button2Click()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    const qint64 id = m_table->integer(r, QStringLiteral("ID"));
    Query q(kDB);
    q.add(QStringLiteral("delete from Eve_Vol where ID_EV=:IDE"));
    q.bindInt(QStringLiteral("IDE"), id);
    q.exec();
    q.clear();
    q.add(QStringLiteral("delete from Eventi where ID=:IDE"));
    q.bindInt(QStringLiteral("IDE"), id);
    q.exec();
    CarTabella();
}
