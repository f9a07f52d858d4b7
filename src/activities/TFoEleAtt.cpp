#include "activities/TFoEleAtt.h"

#include "activities/TFoAttivita.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"

#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");
}

TFoEleAtt::TFoEleAtt(int livello, QWidget *parent)
    : QDialog(parent), m_livello(livello), m_table(new GridTable), m_model(nullptr)
{
    setObjectName(QStringLiteral("TFoEleAtt"));
    setWindowTitle(QStringLiteral("Elenco Attivita"));
    resize(760, 460);
    setSizeGripEnabled(true);

    m_table->addText(QStringLiteral("ATTIVITA"), 40)
        .addDate(QStringLiteral("DATAI"))
        .addDate(QStringLiteral("DATAF"))
        .addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("DESCRIZ"), 40)
        .addText(QStringLiteral("CHIUSO"), 1);

    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("ATTIVITA"), QStringLiteral("ATTIVITA"), 220},
                         {QStringLiteral("DATAI"), QStringLiteral("DATAI"), 90},
                         {QStringLiteral("DATAF"), QStringLiteral("DATAF"), 90},
                         {QStringLiteral("DESCRIZ"), QStringLiteral("DESCRIZ"), 240},
                         {QStringLiteral("CHIUSO"), QStringLiteral("CHIUSO"), 60}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Button1 = new QPushButton(QStringLiteral("Nuova"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoEleAtt::~TFoEleAtt()
{
    DBGrid1->setModel(nullptr);
    delete m_table;
}

void TFoEleAtt::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int w = width(), h = height();
    Button1->setGeometry(w - 12 - 110, 8, 110, 30);
    DBGrid1->setGeometry(12, 48, w - 24, h - 60);
}

void TFoEleAtt::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) guard([this] { FormShow(); });
}

void TFoEleAtt::setVisible(bool visible)
{
    // While an activity is open the list steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoEleAtt::FormShow()
{
    Query q(kDB);
    q.add(QStringLiteral("select Attivita.*,Elenchi.DESCRIZIONE ATTIVITA from Attivita left join Elenchi on "
                         "Attivita.CODICE=Elenchi.CODICE and Elenchi.TIPO='C' order by dataf desc"));
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ATTIVITA"), QStringLiteral("ATTIVITA")},
                          {QStringLiteral("DATAI"), QStringLiteral("DATAI")},
                          {QStringLiteral("DATAF"), QStringLiteral("DATAF")},
                          {QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZ")},
                          {QStringLiteral("CHIUSO"), QStringLiteral("CHIUSO")}});
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoEleAtt::openEditor(qint64 id)
{
    m_editing = true;
    hide();
    struct Back {
        TFoEleAtt *w;
        ~Back()
        {
            w->show();  // reloads the list
            w->m_editing = false;
        }
    } back{this};
    TFoAttivita f(id, this);
    showModal(&f);
}

void TFoEleAtt::Button1Click() { openEditor(0); }

void TFoEleAtt::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openEditor(m_table->integer(r, QStringLiteral("ID")));
}
