#include "services/TFoServizio.h"

#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "services/RisorsaLibera.h"
#include "services/TFoRipeti.h"
#include "services/TFoTempi.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vlm;

namespace {
const QString kDb3 = QStringLiteral("Db3");

// Vehicle type as written in the service -> licence category its driver needs.
QString categoriaPatente(const QString &tipoMezzo)
{
    const QString t = tipoMezzo.trimmed();
    if (t == QLatin1String("AUTO") || t == QLatin1String("PULMINO") || t == QLatin1String("AMB. ORD."))
        return QStringLiteral("4");
    if (t == QLatin1String("AMB. EMER.")) return QStringLiteral("5");
    return QString();
}

// Text of a time box for the server: blank boxes store no time.
void bindTime(Query &q, const QString &name, const MaskEdit *box)
{
    if (box->isMaskEmpty()) q.bindNull(name);
    else q.bindText(name, box->text());
}

QString yn(const QCheckBox *c) { return c->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"); }
}  // namespace

TFoServizio::TFoServizio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoServizio"));
    setWindowTitle(QStringLiteral("FoServizio"));
    build();
}

TFoServizio::~TFoServizio() { vlm::disconnect(kDb3); }

void TFoServizio::build()
{
    setFixedSize(1090, 470);

    auto label = [this](const QString &text, int x, int y, int w, const char *name = nullptr) {
        auto *l = new QLabel(text, this);
        if (name) l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y + 3, w, 18);
        return l;
    };
    auto edit = [this](const char *name, int x, int y, int w) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 24);
        return e;
    };
    auto mask = [this](const char *name, const QString &m, int x, int y, int w) {
        auto *e = new MaskEdit(m, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 24);
        return e;
    };
    auto combo = [this](const char *name, int x, int y, int w) {
        auto *c = new DropDownBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(x, y, w, 24);
        return c;
    };
    auto check = [this](const char *name, const QString &text, int x, int y, int w) {
        auto *c = new QCheckBox(text, this);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(x, y, w, 24);
        return c;
    };
    const QString dateMask = QStringLiteral("!99/99/0000;1;_");
    const QString timeMask = QStringLiteral("!90:00;1;_");

    label(QStringLiteral("Data Inserimento:"), 32, 16, 112);
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(150, 19, 100, 18);
    Label25 = new QLabel(this);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setGeometry(870, 8, 196, 32);
    Label25->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = Label25->font();
    big.setPointSize(16);
    big.setBold(true);
    Label25->setFont(big);
    label(QStringLiteral("Servizio N°"), 790, 16, 80);

    label(QStringLiteral("Data Servizio:"), 32, 48, 112);
    MaskEdit1 = mask("MaskEdit1", dateMask, 150, 48, 90);
    LabelOrarioVisita = label(QStringLiteral("Orario Visita"), 256, 48, 90, "LabelOrarioVisita");
    MaskEdit4 = mask("MaskEdit4", timeMask, 350, 48, 60);
    label(QStringLiteral("Partenza "), 426, 48, 64);
    MaskEdit2 = mask("MaskEdit2", timeMask, 494, 48, 60);
    label(QStringLiteral("Durata"), 570, 48, 50);
    MaskEdit3 = mask("MaskEdit3", timeMask, 624, 48, 60);

    label(QStringLiteral("Cognome"), 32, 80, 112);
    Edit1 = edit("Edit1", 150, 80, 240);
    label(QStringLiteral("Nome:"), 406, 80, 50);
    Edit4 = edit("Edit4", 460, 80, 300);

    label(QStringLiteral("Telefono"), 32, 112, 112);
    Edit8 = edit("Edit8", 150, 112, 140);
    label(QStringLiteral("NRE"), 306, 112, 40);
    Edit10 = edit("Edit10", 350, 112, 180);
    label(QStringLiteral("Personale :"), 546, 112, 80);
    Edit3 = edit("Edit3", 630, 112, 40);
    Edit3->setText(QStringLiteral("2"));

    LabelCodiceFiscale = label(QStringLiteral("Codice Fiscale"), 32, 144, 112, "LabelCodiceFiscale");
    MaskEdit5 = mask("MaskEdit5", QStringLiteral(">LLLLLL00L00L000L"), 150, 144, 150);
    LabelCampanello = label(QStringLiteral("Cognome Campanello"), 316, 144, 140, "LabelCampanello");
    Edit5 = edit("Edit5", 460, 144, 300);

    label(QStringLiteral("Indirizzo"), 32, 176, 112);
    Edit2 = edit("Edit2", 150, 176, 260);
    label(QStringLiteral("Comune "), 422, 176, 60);
    Edit6 = edit("Edit6", 484, 176, 160);
    label(QStringLiteral("Piano"), 656, 176, 40);
    Edit7 = edit("Edit7", 700, 176, 60);

    LabelPartenzaLuogo = label(QStringLiteral("Partenza"), 32, 208, 112, "LabelPartenzaLuogo");
    ComboBox8 = combo("ComboBox8", 150, 208, 270);
    LabelDestinazione = label(QStringLiteral("Destinazione"), 436, 208, 90, "LabelDestinazione");
    ComboBox5 = combo("ComboBox5", 530, 208, 230);

    CheckBox2 = check("CheckBox2", QStringLiteral("Cammina"), 32, 240, 90);
    LabelPeso = label(QStringLiteral("Peso"), 130, 240, 36, "LabelPeso");
    Edit9 = edit("Edit9", 170, 240, 50);
    LabelDaPortare = label(QStringLiteral("Da Portare"), 240, 240, 76, "LabelDaPortare");
    CheckBox3 = check("CheckBox3", QStringLiteral("Portantina"), 320, 240, 100);
    CheckBox5 = check("CheckBox5", QStringLiteral("Seggiolina"), 424, 240, 100);
    CheckBox4 = check("CheckBox4", QStringLiteral("Barella"), 528, 240, 90);

    LabelServizio = label(QStringLiteral("Servizio"), 32, 272, 112, "LabelServizio");
    ComboBox9 = combo("ComboBox9", 150, 272, 270);
    ComboBox9->addItems({QStringLiteral("VISITA OCULISTICA"), QStringLiteral("DIMISSIONE"), QStringLiteral("RICOVERO")});
    ComboBox9->setCurrentIndex(-1);
    LabelTipoMezzo = label(QStringLiteral("Tipo Mezzo"), 436, 272, 90, "LabelTipoMezzo");
    ComboBox6 = combo("ComboBox6", 530, 272, 230);
    ComboBox6->addItems({QStringLiteral("AUTO"), QStringLiteral("AMB. ORD."), QStringLiteral("AMB. EMER."),
                         QStringLiteral("PULMINO"), QStringLiteral("MEZZO ATTR.")});
    ComboBox6->setCurrentIndex(-1);

    LabelNote = label(QStringLiteral("Note:"), 32, 304, 112, "LabelNote");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(150, 304, 610, 96);
    MemoM = new QPlainTextEdit(this);
    MemoM->setObjectName(QStringLiteral("MemoM"));
    MemoM->setVisible(false);

    // Vehicle and crew, in a fixed-pitch bold font.
    QFont crew = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    crew.setBold(true);
    label(QStringLiteral("Mezzo:"), 790, 48, 64);
    ComboBox1 = combo("ComboBox1", 858, 48, 216);
    label(QStringLiteral("Autista:"), 790, 80, 64);
    ComboBox2 = combo("ComboBox2", 858, 80, 216);
    label(QStringLiteral("Socc. 1"), 790, 112, 64);
    ComboBox3 = combo("ComboBox3", 858, 112, 216);
    label(QStringLiteral("Socc. 2"), 790, 144, 64);
    ComboBox4 = combo("ComboBox4", 858, 144, 216);
    label(QStringLiteral("Socc. 3"), 790, 176, 64);
    ComboBox7 = combo("ComboBox7", 858, 176, 216);
    for (DropDownBox *c : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox7}) c->setFont(crew);

    auto radio = [this](const char *name, const QString &text, int y) {
        auto *r = new QRadioButton(text, this);
        r->setObjectName(QString::fromLatin1(name));
        r->setGeometry(858, y, 216, 24);
        return r;
    };
    RadioButton1 = radio("RadioButton1", QStringLiteral("Sociale"), 216);
    RadioButton4 = radio("RadioButton4", QStringLiteral("Servizio Privato"), 240);
    RadioButton5 = radio("RadioButton5", QStringLiteral("Servizio In convenzione"), 264);
    CheckBox1 = check("CheckBox1", QStringLiteral("Invio Mail "), 858, 304, 150);
    CheckBox1->setChecked(true);

    auto button = [this](const char *name, const QString &text, int x) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 420, 110, 32);
        b->setAutoDefault(false);
        return b;
    };
    Button4 = button("Button4", QStringLiteral("Tempi"), 32);
    Button3 = button("Button3", QStringLiteral("Copia"), 154);
    Button5 = button("Button5", QStringLiteral("Ripetibili"), 276);
    Button1 = button("Button1", QStringLiteral("Salva"), 836);
    Button2 = button("Button2", QStringLiteral("Stampa"), 964);

    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    on(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    on(ComboBox1, &DropDownBox::dropDown, this, [this] { ComboBox1DropDown(); });
    on(ComboBox2, &DropDownBox::dropDown, this, [this] { ComboBox2DropDown(); });

    // The resource check runs on every change the user makes: a pick from the list or typing.
    auto check2 = [this](DropDownBox *c, const QString &tipo) {
        connect(c, &QComboBox::textActivated, this, [this, tipo](const QString &t) { guard([&] { RisorsaLibera(tipo, t); }); });
        connect(c->lineEdit(), &QLineEdit::textEdited, this,
                [this, tipo](const QString &t) { guard([&] { RisorsaLibera(tipo, t); }); });
    };
    check2(ComboBox1, QStringLiteral("M"));
    for (DropDownBox *c : {ComboBox2, ComboBox3, ComboBox4, ComboBox7}) check2(c, QStringLiteral("V"));
}

bool TFoServizio::sociale() const { return RadioButton1->isChecked(); }

void TFoServizio::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_shown) return;
    m_shown = true;
    guard([this] { FormShow(); });
}

void TFoServizio::FormShow()
{
    Query q(kDb3);
    if (m_id > 0) {
        q.add(QStringLiteral("select * from servizic where ID=:IDP"));
        q.bindInt(QStringLiteral("IDP"), m_id);
        q.open();
        if (!q.isEmpty()) {
            Label4->setText(q.str(QStringLiteral("Data")));
            MaskEdit1->setText(dateToStr(q.date(QStringLiteral("dataservizio"))));
            MaskEdit4->setText(q.str(QStringLiteral("orariovisita")).left(5));
            MaskEdit2->setText(q.str(QStringLiteral("orariopartenza")).left(5));
            MaskEdit3->setText(q.str(QStringLiteral("durata")).left(5));
            Edit1->setText(q.str(QStringLiteral("cognomepz")));
            Edit4->setText(q.str(QStringLiteral("nomepz")));
            Edit8->setText(q.str(QStringLiteral("telefonoab")));
            MaskEdit5->setText(q.str(QStringLiteral("codicefiscale")));
            Edit5->setText(q.str(QStringLiteral("cognomecampanello")));
            Edit2->setText(q.str(QStringLiteral("indirizzoabitazione")));
            Edit6->setText(q.str(QStringLiteral("comuneabitazione")));
            Edit7->setText(q.str(QStringLiteral("pianoabitazione")));
            ComboBox8->setEditText(q.str(QStringLiteral("luogoprelievo")));
            ComboBox5->setEditText(q.str(QStringLiteral("destinazionepz")));
            ComboBox9->setEditText(q.str(QStringLiteral("servizio")));
            CheckBox2->setChecked(q.str(QStringLiteral("pzcammina")) == QLatin1String("Y"));
            Edit9->setText(q.str(QStringLiteral("pesopz")));
            Edit10->setText(q.str(QStringLiteral("NRE")));
            ComboBox6->setEditText(q.str(QStringLiteral("tipomezzo")));
            Edit3->setText(QString::number(q.integer(QStringLiteral("persone"))));
            CheckBox3->setChecked(q.str(QStringLiteral("portantina")) == QLatin1String("Y"));
            CheckBox5->setChecked(q.str(QStringLiteral("seggiolina")) == QLatin1String("Y"));
            CheckBox4->setChecked(q.str(QStringLiteral("barella")) == QLatin1String("Y"));
            ComboBox1->setEditText(q.str(QStringLiteral("siglamezzo")));
            ComboBox2->setEditText(q.str(QStringLiteral("Autista")));
            ComboBox3->setEditText(q.str(QStringLiteral("Volontario1")));
            ComboBox4->setEditText(q.str(QStringLiteral("Volontario2")));
            ComboBox7->setEditText(q.str(QStringLiteral("Volontario3")));
            Memo1->setPlainText(q.str(QStringLiteral("note")));
            const QString kind = q.str(QStringLiteral("convenzione"));
            const auto radios = {RadioButton1, RadioButton4, RadioButton5};
            if (kind == QLatin1String("N")) chooseRadio(RadioButton4, radios);
            else if (kind == QLatin1String("Y")) chooseRadio(RadioButton5, radios);
            else if (kind == QLatin1String("S")) chooseRadio(RadioButton1, radios);
        }
        q.close();
        vlm::disconnect(kDb3);
    }
    Label25->setText(QString::number(m_id));

    const bool soc = sociale();
    layoutSociale();

    // Companions: people with Area1 set, everybody for a social service.
    q.clear();
    q.add(QStringLiteral("Select * from volontari where stato='Attivo' or stato='Dipendente' or stato='Riserva' order by nome"));
    q.open();
    QStringList compagni;
    for (; !q.eof(); q.next())
        if (soc || !q.str(QStringLiteral("Area1")).isEmpty()) compagni << q.str(QStringLiteral("Nome"));
    q.close();
    for (DropDownBox *c : {ComboBox3, ComboBox4, ComboBox7}) c->setItems(compagni);

    // Places.
    q.clear();
    q.add(QStringLiteral("Select * from destinazioni order by destinaz"));
    q.open();
    QStringList luoghi;
    for (; !q.eof(); q.next()) luoghi << q.str(QStringLiteral("destinaz"));
    q.close();
    ComboBox5->setItems(luoghi);
    ComboBox8->setItems(luoghi);

    // Kinds of service already used.
    q.clear();
    q.add(QStringLiteral("Select upper(servizio) serv from servizi "));
    q.add(soc ? QStringLiteral("where convenzione='S'") : QStringLiteral("where convenzione!='S'"));
    q.add(QStringLiteral("group by serv order by serv"));
    q.open();
    QStringList servizi;
    for (; !q.eof(); q.next())
        if (!q.str(QStringLiteral("serv")).isEmpty()) servizi << q.str(QStringLiteral("serv"));
    q.close();
    ComboBox9->setItems(servizi);

    // Vehicle types of the fleet.
    q.clear();
    q.add(QStringLiteral("select upper(tipomezzo) tipo from mezzi group by tipo order by tipo"));
    q.open();
    QStringList tipi;
    for (; !q.eof(); q.next())
        if (!q.str(QStringLiteral("tipo")).isEmpty()) tipi << q.str(QStringLiteral("tipo"));
    q.close();
    ComboBox6->setItems(tipi);

    vlm::disconnect(kDb3);
}

void TFoServizio::layoutSociale()
{
    if (!sociale()) {
        RadioButton1->setVisible(false);
        return;
    }
    RadioButton1->setVisible(true);
    RadioButton4->setVisible(false);
    RadioButton5->setVisible(false);
    for (QWidget *w : std::initializer_list<QWidget *>{LabelDestinazione, LabelPartenzaLuogo, LabelPeso, LabelDaPortare,
                                                       LabelCodiceFiscale, ComboBox5, ComboBox8, Edit9, MaskEdit5,
                                                       CheckBox2, CheckBox3, CheckBox4, CheckBox5})
        w->setVisible(false);
    LabelOrarioVisita->setText(QStringLiteral("Orario Serv."));
    LabelCampanello->move(32, LabelCampanello->y());
    Edit5->move(290, Edit5->y());
    LabelTipoMezzo->move(LabelTipoMezzo->x(), 216);
    LabelServizio->move(LabelServizio->x(), 216);
    ComboBox6->move(ComboBox6->x(), 208);
    ComboBox9->move(ComboBox9->x(), 208);
    Memo1->setGeometry(Memo1->x(), 248, Memo1->width(), 112);
    LabelNote->move(LabelNote->x(), Memo1->y() + 3);  // beside the top of its box
}

void TFoServizio::ComboBox1DropDown()
{
    Query q(kDb3);
    QString tipo = ComboBox6->currentText();
    if (tipo.trimmed().isEmpty()) {
        q.add(QStringLiteral("Select * from mezzi where stato='Attivo'"));
    } else {
        if (tipo.contains(QLatin1String("AMB"))) tipo = QStringLiteral("AMBULANZA");
        q.add(QStringLiteral("select * from mezzi where stato='Attivo' and upper(tipomezzo)=:TIP"));
        q.bindText(QStringLiteral("TIP"), tipo.trimmed().toUpper());
    }
    q.open();
    QStringList mezzi;
    for (; !q.eof(); q.next()) mezzi << q.str(QStringLiteral("siglamezzo"));
    q.close();
    ComboBox1->setItems(mezzi);
}

void TFoServizio::ComboBox2DropDown()
{
    const QString cat = categoriaPatente(ComboBox6->currentText());
    ComboBox2->setItems({});
    Query q(kDb3);
    q.add(QStringLiteral("Select * from volontari where stato='Attivo' order by nome"));
    q.open();
    QStringList autisti;
    for (; !q.eof(); q.next())
        if (!cat.isEmpty() && q.str(QStringLiteral("PATVLM")).contains(cat)) autisti << q.str(QStringLiteral("Nome"));
    q.close();
    ComboBox2->setItems(autisti);
}

QString TFoServizio::RisorsaLibera(const QString &tipo, const QString &risorsa)
{
    return vlm::RisorsaLibera(kDb3, tipo, risorsa, {MaskEdit1->text(), MaskEdit2->text(), MaskEdit3->text(), m_id});
}

void TFoServizio::Button1Click()
{
    Query q(kDb3);
    if (m_id > 0) {
        q.add(QStringLiteral("update servizi set dataservizio=:ME1,orariopartenza=:ME2,durata=:DUR,nomepz=:ED4,luogoprelievo=:ED3,destinazionepz=:CB5,cognomepz=:ED1,note=:NTT,IdMezzo=:MEZ,IdAutista=:AUT,Idvolontario1=:VO1,IdVolontario2=:VO2,IdVolontario3=:VO3,orariovisita=:ME4,cognomecampanello=:ED5,indirizzoabitazione=:ED2,comuneabitazione=:ED6,pianoabitazione=:ED7,telefonoab=:ED8,tipomezzo=:CB6,pesopz=:ED9,pzcammina=:RB1,portantina=:RB2,barella=:RB3,convenzione=:CNV,servizio=:SER,seggiolina=:RB4,codicefiscale=:CFS,persone=:PRS,NRE=:NER where ID=:IDS"));
        q.bindInt(QStringLiteral("IDS"), m_id);
    } else {
        q.add(QStringLiteral("insert into servizi(dataservizio,orariopartenza,durata,nomepz,luogoprelievo,destinazionepz,cognomepz,note,Idmezzo,IdAutista,IdVolontario1,IdVolontario2,IdVolontario3,orariovisita,cognomecampanello,indirizzoabitazione,comuneabitazione,pianoabitazione,telefonoab,tipomezzo,pesopz,pzcammina,portantina,barella,convenzione,servizio,seggiolina,codicefiscale,persone,NRE) values(:ME1,:ME2,:DUR,:ED4,:ED3,:CB5,:ED1,:NTT,:MEZ,:AUT,:VO1,:VO2,:VO3,:ME4,:ED5,:ED2,:ED6,:ED7,:ED8,:CB6,:ED9,:RB1,:RB2,:RB3,:CNV,:SER,:RB4,:CFS,:PRS,:NER)"));
    }
    q.bindDateTime(QStringLiteral("ME1"), QDateTime(strToDate(MaskEdit1->text()), QTime(0, 0)));
    bindTime(q, QStringLiteral("ME2"), MaskEdit2);
    bindTime(q, QStringLiteral("DUR"), MaskEdit3);
    bindTime(q, QStringLiteral("ME4"), MaskEdit4);
    q.bindText(QStringLiteral("ED4"), Edit4->text());
    q.bindText(QStringLiteral("ED3"), ComboBox8->currentText());
    q.bindText(QStringLiteral("CB5"), ComboBox5->currentText());
    q.bindText(QStringLiteral("ED1"), Edit1->text());
    q.bindText(QStringLiteral("NTT"), Memo1->toPlainText());
    q.bindInt(QStringLiteral("MEZ"), vehicleKey(kDb3, ComboBox1->currentText()));
    q.bindInt(QStringLiteral("AUT"), personKey(kDb3, ComboBox2->currentText()));
    q.bindInt(QStringLiteral("VO1"), personKey(kDb3, ComboBox3->currentText()));
    q.bindInt(QStringLiteral("VO2"), personKey(kDb3, ComboBox4->currentText()));
    q.bindInt(QStringLiteral("VO3"), personKey(kDb3, ComboBox7->currentText()));
    q.bindText(QStringLiteral("ED5"), Edit5->text());
    q.bindText(QStringLiteral("ED2"), Edit2->text());
    q.bindText(QStringLiteral("ED6"), Edit6->text());
    q.bindText(QStringLiteral("ED7"), Edit7->text());
    q.bindText(QStringLiteral("ED8"), Edit8->text());
    q.bindText(QStringLiteral("CB6"), ComboBox6->currentText());
    q.bindText(QStringLiteral("ED9"), QString::number(strToIntDef(Edit9->text().trimmed(), 0)));
    q.bindText(QStringLiteral("RB1"), yn(CheckBox2));
    q.bindText(QStringLiteral("RB2"), yn(CheckBox3));
    q.bindText(QStringLiteral("RB3"), yn(CheckBox4));
    q.bindText(QStringLiteral("RB4"), yn(CheckBox5));
    // No kind chosen leaves CNV without a value: the statement fails and stores nothing.
    if (RadioButton1->isChecked()) q.bindText(QStringLiteral("CNV"), QStringLiteral("S"));
    else if (RadioButton4->isChecked()) q.bindText(QStringLiteral("CNV"), QStringLiteral("N"));
    else if (RadioButton5->isChecked()) q.bindText(QStringLiteral("CNV"), QStringLiteral("Y"));
    q.bindText(QStringLiteral("SER"), ComboBox9->currentText());
    q.bindText(QStringLiteral("CFS"), MaskEdit5->text().trimmed());
    q.bindInt(QStringLiteral("PRS"), strToIntDef(Edit3->text().trimmed(), 2));
    q.bindText(QStringLiteral("NER"), Edit10->text());
    try {
        q.exec();
    } catch (...) {
        vlm::disconnect(kDb3);
        throw;
    }
    vlm::disconnect(kDb3);
    accept();
}

void TFoServizio::Button3Click()
{
    m_id = 0;
    Label25->setText(QStringLiteral("0"));
    MaskEdit1->setText(QString());
}

void TFoServizio::Button4Click()
{
    TFoTempi dlg(this);
    dlg.setServizio(m_id, Label25->text());
    showModal(&dlg);
}

void TFoServizio::Button5Click()
{
    TFoRipeti dlg(this);
    showModal(&dlg);
    if (!dlg.salvato()) return;
    const QDate dal = strToDate(dlg.MaskEdit1->text());
    const qint64 ogni = strToIntDef(dlg.Edit1->text().trimmed(), 0);
    if (ogni <= 0) return;
    const QDate al = strToDate(dlg.MaskEdit2->text());
    if (!(dal < al)) return;
    for (QDate d = dal; d <= al; d = d.addDays(ogni)) {
        MaskEdit1->setText(dateToStr(d));
        m_id = 0;
        Button1Click();
    }
}
