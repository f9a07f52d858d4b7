#include "activities/TFoAttivita.h"

#include "activities/TFoIncontri.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"

#include <QCheckBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

QStringList descrizioni(const QString &sql)
{
    Query q(kDB);
    q.add(sql);
    q.open();
    QStringList out;
    for (; !q.eof(); q.next()) out << q.str(QStringLiteral("descrizione"));
    q.close();
    return out;
}
}  // namespace

TFoAttivita::TFoAttivita(qint64 id, QWidget *parent) : QDialog(parent), m_id(id), m_table(new GridTable)
{
    setObjectName(QStringLiteral("TFoAttivita"));
    setWindowTitle(QStringLiteral("FoAttivita"));
    setFixedSize(620, 500);

    m_table->addInt(QStringLiteral("ID"))
        .addText(QStringLiteral("TIPO"), 30)
        .addText(QStringLiteral("DESCRIZIONE"), 50)
        .addDate(QStringLiteral("DATA"));

    auto label = [this](QLabel *&l, const char *name, const QString &text, int x, int y, int w) {
        l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, 24);
    };
    auto combo = [this](DropDownBox *&c, const char *name, int x, int y, int w) {
        c = new DropDownBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        c->setGeometry(x, y, w, 26);
    };
    auto mask = [this](MaskEdit *&m, const char *name, int x, int y) {
        m = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
        m->setObjectName(QString::fromLatin1(name));
        m->setGeometry(x, y, 100, 26);
    };
    auto edit = [this](QLineEdit *&e, const char *name, int x, int y, int w) {
        e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 26);
    };

    label(Label1, "Label1", QStringLiteral("Attività"), 16, 14, 70);
    combo(CbAttivita, "CbAttivita", 96, 13, 508);
    label(Label2, "Label2", QStringLiteral("Titolo"), 16, 50, 70);
    combo(CbTitolo, "CbTitolo", 96, 49, 508);
    label(Label3, "Label3", QStringLiteral("Dal "), 16, 86, 70);
    mask(MaskEdit1, "MaskEdit1", 96, 85);
    label(Label4, "Label4", QStringLiteral("Al"), 226, 86, 30);
    mask(MaskEdit2, "MaskEdit2", 256, 85);
    CheckBox1 = new QCheckBox(QStringLiteral("Corso Chiuso"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(400, 86, 204, 24);
    label(Label5, "Label5", QStringLiteral("Luogo"), 16, 122, 70);
    edit(Edit1, "Edit1", 96, 121, 508);
    label(Label6, "Label6", QStringLiteral("Descriz."), 16, 158, 70);
    edit(Edit2, "Edit2", 96, 157, 508);

    label(Label7, "Label7", QStringLiteral("Incontri"), 16, 196, 100);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(16, 222, 588, 222);
    m_model = new GridModel(m_table, DBGrid1);
    m_model->setColumns({{QStringLiteral("TIPO"), QStringLiteral("TIPO"), 180},
                         {QStringLiteral("DATA"), QStringLiteral("DATA"), 90},
                         {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZIONE"), 280}});
    DBGrid1->setGridModel(m_model);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Button1 = new QPushButton(QStringLiteral(" + "), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(16, 456, 60, 32);
    Button3 = new QPushButton(QStringLiteral("Salva"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);
    Button3->setGeometry(494, 456, 110, 32);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(DBGrid1, &DBGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
}

TFoAttivita::~TFoAttivita()
{
    DBGrid1->setModel(nullptr);
    delete m_table;
}

void TFoAttivita::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) guard([this] { FormShow(); });
}

void TFoAttivita::setVisible(bool visible)
{
    // While a session is open the editor steps aside without ending its own modal loop.
    if (m_editing) QWidget::setVisible(visible);
    else QDialog::setVisible(visible);
}

void TFoAttivita::FormShow()
{
    if (m_id > 0) {
        Query q(kDB);
        q.add(QStringLiteral("select Attivita.*,Elenchi.DESCRIZIONE ATTIVITA from Attivita left join Elenchi on "
                             "Elenchi.CODICE=Attivita.CODICE and Elenchi.TIPO='C' where Attivita.ID=:IDA"));
        q.bindInt(QStringLiteral("IDA"), m_id);
        q.open();
        if (!q.isEmpty()) {
            CbAttivita->setEditText(q.str(QStringLiteral("ATTIVITA")));
            CbTitolo->setEditText(q.str(QStringLiteral("TITOLO")));
            MaskEdit1->setText(dateToStr(q.date(QStringLiteral("DATAI"))));
            MaskEdit2->setText(dateToStr(q.date(QStringLiteral("DATAF"))));
            Edit1->setText(q.str(QStringLiteral("LUOGO")));
            Edit2->setText(q.str(QStringLiteral("DESCRIZIONE")));
            CheckBox1->setChecked(q.str(QStringLiteral("CHIUSO")) == QLatin1String("X"));
        }
        q.close();
    }

    CbAttivita->setItems(descrizioni(QStringLiteral("select descrizione from Elenchi where tipo='C' order by descrizione ")));
    CbTitolo->setItems(descrizioni(QStringLiteral("select descrizione from Elenchi where tipo='A' order by descrizione ")));

    if (m_id >= 1) CarTabella();
}

void TFoAttivita::CarTabella()
{
    Query q(kDB);
    // Only the kinds of session (list I) name a session's kind.
    q.add(QStringLiteral("select incontri.ID,Elenchi.DESCRIZIONE TIPO,incontri.data,incontri.LUOGO,incontri.DESCRIZIONE  "
                         "from incontri left join Elenchi on incontri.TIPO=Elenchi.CODICE and Elenchi.TIPO='I' "
                         "where incontri.IDAttivita=:IDA"));
    q.bindInt(QStringLiteral("IDA"), m_id);
    q.open();
    m_table->fillFrom(q, {{QStringLiteral("ID"), QStringLiteral("ID")},
                          {QStringLiteral("TIPO"), QStringLiteral("TIPO")},
                          {QStringLiteral("data"), QStringLiteral("DATA")},
                          {QStringLiteral("DESCRIZIONE"), QStringLiteral("DESCRIZIONE")}});
    q.close();
    m_model->refresh();
    if (m_table->rowCount() > 0) DBGrid1->setCurrentRow(0);
}

void TFoAttivita::Button3Click()
{
    // Both dates are read before anything is sent: a box without a valid date stores nothing.
    const QDate dal = strToDate(MaskEdit1->text());
    const QDate al = strToDate(MaskEdit2->text());

    Query c(kDB);
    c.add(QStringLiteral("select codice from Elenchi where descrizione=:DES and tipo='C'"));
    c.bindText(QStringLiteral("DES"), CbAttivita->currentText().trimmed());
    c.open();
    const QString codice = c.isEmpty() ? QString() : c.str(QStringLiteral("codice"));
    c.close();

    Query q(kDB);
    if (m_id < 1) {
        q.add(QStringLiteral("insert into Attivita(codice,DATAI,DATAF,LUOGO,DESCRIZIONE,TITOLO,CHIUSO) "
                             "values(:COD,:DTI,:DTF,:LUO,:DES,:TIT,:CHI)"));
    } else {
        q.add(QStringLiteral("update Attivita set codice=:COD,DATAI=:DTI,DATAF=:DTF,LUOGO=:LUO,DESCRIZIONE=:DES,"
                             "TITOLO=:TIT,CHIUSO=:CHI where ID=:IDA"));
        q.bindInt(QStringLiteral("IDA"), m_id);
    }
    q.bindText(QStringLiteral("COD"), codice);
    q.bindDate(QStringLiteral("DTI"), dal);
    q.bindDate(QStringLiteral("DTF"), al);
    q.bindText(QStringLiteral("LUO"), Edit1->text());
    q.bindText(QStringLiteral("DES"), Edit2->text());
    q.bindText(QStringLiteral("TIT"), CbTitolo->currentText());
    q.bindText(QStringLiteral("CHI"), CheckBox1->isChecked() ? QStringLiteral("X") : QStringLiteral(" "));
    q.exec();
    if (m_id < 1) {
        // The key of this insert, read on the same connection.
        Query k(kDB);
        k.add(QStringLiteral("select LAST_INSERT_ID() IDM"));
        k.open();
        m_id = k.integer(QStringLiteral("IDM"));
        k.close();
    }
    CarTabella();
}

void TFoAttivita::openSession(qint64 idIncontro, bool conTitolo)
{
    m_editing = true;
    hide();
    struct Back {
        TFoAttivita *w;
        ~Back()
        {
            w->show();  // reloads the activity and its sessions
            w->m_editing = false;
        }
    } back{this};
    TFoIncontri f(m_id, idIncontro, this);
    if (conTitolo) f.setWindowTitle(CbAttivita->currentText());
    showModal(&f);
}

void TFoAttivita::Button1Click()
{
    // A session belongs to an activity: a new activity is stored first (and nothing opens
    // when it cannot be stored).
    if (m_id < 1) Button3Click();
    openSession(0, false);
}

void TFoAttivita::DBGrid1DblClick()
{
    const int r = DBGrid1->currentRow();
    if (r < 0 || r >= m_table->rowCount()) return;
    openSession(m_table->integer(r, QStringLiteral("ID")), true);
}
