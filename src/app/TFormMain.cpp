#include "app/TFormMain.h"

#include "activities/TFoEleAtt.h"
#include "activities/TFoEleEve.h"
#include "app/Pictures.h"
#include "app/TFoLogin.h"
#include "app/TFoScCheck.h"
#include "appointments/TFoEleApp.h"
#include "appointments/TFoMedici.h"
#include "core/AccessLevel.h"
#include "donors/TFoEleDon.h"
#include "donors/TFoRepDon.h"
#include "notices/TFoNotizie.h"
#include "notices/TFoProt.h"
#include "notices/TFoStat.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"
#include "platform/Env.h"
#include "platform/Guard.h"
#include "services/Controls.h"
#include "services/TFoElenco.h"
#include "services/TFoGiorno.h"
#include "services/TFoStandby.h"
#include "shifts/TFoOrari.h"
#include "shifts/TFoTurni.h"
#include "stock/TFarmaci.h"
#include "stock/TFoCheck.h"
#include "stock/TFoScarichi.h"
#include "vehicles/TFoAutop.h"
#include "vehicles/TFoMezzi.h"
#include "volunteers/TFoEleVds.h"
#include "volunteers/TFoPatenti.h"
#include "volunteers/TFoPresenze.h"
#include "volunteers/TFoVolontario.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

using namespace vlm;

namespace {
const QString kDB = QStringLiteral("DB");

// Closes the shared connection when the entry returns, whichever way it returns: for the
// entries that disconnect also when nothing opened.
struct DisconnectOnExit {
    ~DisconnectOnExit() { vlm::disconnect(QStringLiteral("DB")); }
};
const QString kCaption = QStringLiteral("Velmora Valdrena");
}  // namespace

TFormMain::TFormMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TFormMain"));
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Panel1"));
    setCentralWidget(central);
    buildButtons();
    buildMenu();
    setFixedSize(881, 345 + menuBar()->sizeHint().height());
    setLoggedOut();

    // Start-up: the silent login; an error leaves nobody logged in.
    guard([this] { silentLogin(); });
    vlm::disconnect(kDB);
}

TFormMain::~TFormMain()
{
    delete m_prot;
    vlm::disconnect(kDB);
}

void TFormMain::buildButtons()
{
    QWidget *c = centralWidget();
    Image1 = new QLabel(c);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(328, 16, 225, 225);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(logoPicture(225));

    auto big = [&](QToolButton *&b, const char *name, const QString &caption, const QString &pic, int x, int y,
                   void (TFormMain::*handler)()) {
        b = new QToolButton(c);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setIcon(QIcon(buttonPicture(pic, 96)));
        b->setIconSize(QSize(96, 96));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setGeometry(x, y, 145, 145);
        on(b, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    big(BtnMarcatempo, "BtnMarcatempo", QStringLiteral("Marcatempo"), QStringLiteral("clock"), 16, 16, &TFormMain::MarcatempoClick);
    big(BtnFarmaci, "BtnFarmaci", QStringLiteral("Farmaci"), QStringLiteral("pill"), 184, 16, &TFormMain::FarmaciClick);
    big(BtnSanitario, "BtnSanitario", QStringLiteral("Servizi Sanitario"), QStringLiteral("ambulance"), 552, 16,
        &TFormMain::ServiziSanitarioClick);
    big(BtnSociali, "BtnSociali", QStringLiteral("Servizi Sociali"), QStringLiteral("social"), 720, 16,
        &TFormMain::ServiziSocialiClick);
    big(BtnGiornalieri, "BtnGiornalieri", QStringLiteral("Servizi Giornalieri"), QStringLiteral("calendar"), 16, 184,
        &TFormMain::ServiziGiornalieriClick);
    big(BtnMezzi, "BtnMezzi", QStringLiteral("Mezzi"), QStringLiteral("car"), 184, 184, &TFormMain::MezziClick);
    big(BtnEventi, "BtnEventi", QStringLiteral("Eventi - Missioni"), QStringLiteral("flag"), 552, 184, &TFormMain::EventiClick);
    big(BtnAppuntamenti, "BtnAppuntamenti", QStringLiteral("Appuntamenti"), QStringLiteral("doctor"), 720, 184,
        &TFormMain::AppuntamentiClick);

    auto small = [&](QPushButton *&b, const char *name, const QString &caption, int x, int y, int w,
                     void (TFormMain::*handler)()) {
        b = new QPushButton(caption, c);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, 25);
        b->setVisible(false);
        on(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    small(BtnVolontari, "BtnVolontari", QStringLiteral("Volontari"), 360, 256, 75, &TFormMain::VolontariClick);
    small(BtnAttivita, "BtnAttivita", QStringLiteral("Attività e Corsi "), 446, 256, 75, &TFormMain::CorsiClick);
    small(Button1, "Button1", QStringLiteral("Button1"), 360, 300, 75, &TFormMain::Button1Click);
    small(Button2, "Button2", QStringLiteral("Button2"), 446, 300, 75, &TFormMain::AssegnazioneClick);
}

void TFormMain::buildMenu()
{
    QMenuBar *mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu1"));
    auto act = [&](QAction *&a, QMenu *menu, const char *name, const QString &text, void (TFormMain::*handler)()) {
        a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (menu) menu->addAction(a);
        else mb->addAction(a);
        on(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    auto menu = [&](QMenu *parent, const char *name, const QString &text) {
        QMenu *m = parent ? parent->addMenu(text) : mb->addMenu(text);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        return m;
    };

    act(Login1, nullptr, "Login1", QStringLiteral("Login"), &TFormMain::Login1Click);
    act(Notizie1, nullptr, "Notizie1", QStringLiteral("Notizie"), &TFormMain::NotizieClick);
    act(Statistiche1, nullptr, "Statistiche1", QStringLiteral("Statistiche"), &TFormMain::StatisticheClick);
    Statistiche1->setVisible(false);

    QMenu *vol = menu(nullptr, "Volontari1", QStringLiteral("Volontari"));
    act(Gestione1, vol, "Gestione1", QStringLiteral("Gestione"), &TFormMain::VolontariClick);
    act(Corsi1, vol, "Corsi1", QStringLiteral("Corsi"), &TFormMain::CorsiClick);
    QMenu *turni = menu(vol, "Turni1", QStringLiteral("Turni"));
    act(Turni2, turni, "Turni2", QStringLiteral("Turni"), &TFormMain::TurniClick);
    act(Assegnazione1, turni, "Assegnazione1", QStringLiteral("Assegnazione"), &TFormMain::AssegnazioneClick);

    QMenu *don = menu(nullptr, "Donatori1", QStringLiteral("Donatori"));
    act(GestioneDon1, don, "GestioneDon1", QStringLiteral("Gestione"), &TFormMain::DonatoriGestioneClick);
    act(Report1, don, "Report1", QStringLiteral("Report"), &TFormMain::DonatoriReportClick);

    QMenu *farm = menu(nullptr, "Farmaci1", QStringLiteral("Farmaci"));
    act(GestioneFarm1, farm, "GestioneFarm1", QStringLiteral("Gestione"), &TFormMain::FarmaciClick);
    act(CheckList1, farm, "CheckList1", QStringLiteral("CheckList"), &TFormMain::CheckListClick);
    act(ScadenzeFarmaci1, farm, "ScadenzeFarmaci1", QStringLiteral("Scadenze Farmaci"), &TFormMain::ScadenzeCheckClick);

    Opzioni1 = menu(nullptr, "Opzioni1", QStringLiteral("Opzioni"));
    act(ConfigMail1, Opzioni1, "ConfigMail1", QStringLiteral("Config Mail"), &TFormMain::ConfigMailClick);
    Opzioni1->menuAction()->setVisible(false);

    QMenu *specialisti = menu(nullptr, "Specialisti1", QStringLiteral("Specialisti"));
    act(Elenco1, specialisti, "Elenco1", QStringLiteral("Elenco"), &TFormMain::SpecialistiElencoClick);
    act(AppuntamentiMenu1, specialisti, "AppuntamentiMenu1", QStringLiteral("Appuntamenti"), &TFormMain::AppuntamentiClick);

    QMenu *aut = menu(nullptr, "Autoparco1", QStringLiteral("Autoparco"));
    QMenu *pat = menu(aut, "Patenti1", QStringLiteral("Patenti"));
    act(GestionePat1, pat, "GestionePat1", QStringLiteral("Gestione"), &TFormMain::PatentiGestioneClick);
    act(Check1, pat, "Check1", QStringLiteral("Check"), &TFormMain::Check1Click);
    act(MezziMenu1, aut, "MezziMenu1", QStringLiteral("Mezzi "), &TFormMain::AutoparcoMezziClick);
    act(Standby1, aut, "Standby1", QStringLiteral("Stand-by"), &TFormMain::StandbyClick);
}

// ---------------------------------------------------------------- login state

void TFormMain::updateCaption()
{
    setWindowTitle(m_userId > 0 ? kCaption + QLatin1Char(' ') + m_userName : kCaption);
}

void TFormMain::setLoggedIn(qint64 id, qint64 livello, const QString &nome)
{
    m_userId = id;
    m_livello = livello;
    m_userName = nome;
    Login1->setText(QStringLiteral("Logout"));
    if (m_areaDigit == 9) Opzioni1->menuAction()->setVisible(true);
    updateCaption();
}

void TFormMain::setLoggedOut()
{
    m_userName.clear();
    Login1->setText(QStringLiteral("Login"));
    updateCaption();
}

void TFormMain::silentLogin()
{
    m_userId = -1;
    m_areaDigit = -1;
    Query q(kDB);
    q.add(QStringLiteral("select password,ID,LivelloF+(LivelloM*10)+(LivelloS*100)+(LivelloV*1000)+(LivelloA*10000)+(LivelloP*100000) Livello,Nome from volontari where UPPER(utente)=UPPER(:UTT)"));
    q.bindText(QStringLiteral("UTT"), env::userName().trimmed());
    q.open();
    if (q.isEmpty()) {
        setLoggedOut();
    } else {
        const qint64 id = q.integer(QStringLiteral("ID"));
        const qint64 lv = q.integer(QStringLiteral("Livello"));
        const QString nome = q.str(QStringLiteral("Nome"));
        q.close();
        m_areaDigit = levelDigit(lv, DigitMedicines);
        setLoggedIn(id, lv, nome);
        if (m_areaDigit >= 6) {
            m_autoSend = true;
            guard([this] { ScadenzeCheckClick(); });
            m_autoSend = false;
        }
    }
    q.close();
    vlm::disconnect(kDB);
}

void TFormMain::loginDialog(int k)
{
    TFoLogin dlg(this);
    showModal(&dlg);
    m_userId = dlg.userId();
    m_livello = dlg.livello();
    m_areaDigit = levelDigit(m_livello, k);
    if (m_userId > 0)
        setLoggedIn(m_userId, m_livello, dlg.nome());
    else
        setLoggedOut();
}

void TFormMain::logout()
{
    m_userId = -1;
    m_areaDigit = -1;
    m_livello = 0;
    Opzioni1->menuAction()->setVisible(false);
    setLoggedOut();
}

void TFormMain::Login1Click()
{
    if (m_userId > 0) logout();
    else loginDialog(DigitServices);
}

bool TFormMain::needLogin(int k)
{
    if (m_userId <= 0) loginDialog(k);
    return m_userId > 0;
}

int TFormMain::takeDigit(int k)
{
    m_areaDigit = levelDigit(m_livello, k);
    return m_areaDigit;
}

void TFormMain::opened(const QString &windowClass) { Q_EMIT entryOpened(windowClass); }

// ---------------------------------------------------------------- entries
// Each entry: login when its column names a digit, the digit rule, the window, and the
// shared connection closed afterwards where the entry says so.

void TFormMain::MarcatempoClick()
{
    opened(QStringLiteral("TFoPresenze"));
    {
        std::unique_ptr<TFoPresenze> f(new TFoPresenze(this));
        showModal(f.get());
    }
    vlm::disconnect(kDB);
}

void TFormMain::FarmaciClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitMedicines)) return;
    if (takeDigit(DigitMedicines) < 6) {
        opened(QStringLiteral("TFoScarichi"));
        std::unique_ptr<TFoScarichi> f(new TFoScarichi(this));
        f->setUserId(m_userId);
        showModal(f.get());
        return;
    }
    opened(QStringLiteral("TFarmaci"));
    std::unique_ptr<TFarmaci> f(new TFarmaci(this));
    f->setUserId(m_userId);
    showModal(f.get());
}

void TFormMain::MezziClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitVehicles)) return;
    const int digit = takeDigit(DigitVehicles);
    if (digit < 6) return;
    opened(QStringLiteral("TFoAutop"));
    std::unique_ptr<TFoAutop> f(new TFoAutop(digit, this));
    showModal(f.get());
}

void TFormMain::ServiziSanitarioClick()
{
    if (!needLogin(DigitServices)) return;
    if (takeDigit(DigitServices) < 6) return;
    opened(QStringLiteral("TFoElenco"));
    {
        std::unique_ptr<TFoElenco> f(new TFoElenco(this));
        f->setWindowTitle(QStringLiteral("Servizi Sanitari"));
        showModal(f.get());
    }
    vlm::disconnect(kDB);
}

void TFormMain::ServiziSocialiClick()
{
    if (!needLogin(DigitServices)) return;
    if (takeDigit(DigitServices) < 6) return;
    opened(QStringLiteral("TFoElenco"));
    {
        std::unique_ptr<TFoElenco> f(new TFoElenco(this));
        f->CheckBox2->setCheckState(Qt::Checked);
        f->setWindowTitle(QStringLiteral("Servizi Sociali"));
        showModal(f.get());
    }
    vlm::disconnect(kDB);
}

void TFormMain::ServiziGiornalieriClick()
{
    DisconnectOnExit disc;
    const int livello = takeDigit(DigitVehicles);
    opened(QStringLiteral("TFoGiorno"));
    auto w = std::make_unique<TFoGiorno>(this, livello);
    showModal(w.get());
}

void TFormMain::EventiClick()
{
    if (!needLogin(DigitServices)) return;
    if (takeDigit(DigitServices) < 6) return;
    opened(QStringLiteral("TFoEleEve"));
    {
        std::unique_ptr<TFoEleEve> f(new TFoEleEve(this));
        f->setWindowTitle(QStringLiteral("Elenco Eventi"));
        showModal(f.get());
    }
    vlm::disconnect(kDB);
}

void TFormMain::AppuntamentiClick()
{
    opened(QStringLiteral("TFoEleApp"));
    auto w = std::make_unique<TFoEleApp>(this);
    showModal(w.get());
}

void TFormMain::VolontariClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitVolunteers)) return;
    const int digit = takeDigit(DigitVolunteers);
    if (digit < 8) openOwnRecord(digit);
    else {
        opened(QStringLiteral("TFoEleVds"));
        std::unique_ptr<TFoEleVds> f(new TFoEleVds(this));
        f->setLivello(digit);
        showModal(f.get());
    }
}

// The logged-in user's own record, with the digit of the entry that opened it.
void TFormMain::openOwnRecord(int digit)
{
    opened(QStringLiteral("TFoVolontario"));
    std::unique_ptr<TFoVolontario> f(new TFoVolontario(this));
    f->setCodice(m_userId);
    f->setLivello(digit);
    showModal(f.get());
}

void TFormMain::CorsiClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitActivities)) return;
    const int digit = takeDigit(DigitActivities);
    if (digit < 8) return;
    opened(QStringLiteral("TFoEleAtt"));
    std::unique_ptr<TFoEleAtt> f(new TFoEleAtt(digit, this));
    showModal(f.get());
}

void TFormMain::TurniClick()
{
    opened(QStringLiteral("TFoOrari"));
    std::unique_ptr<TFoOrari> f(new TFoOrari(this));
    showModal(f.get());
}

void TFormMain::AssegnazioneClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitServices)) return;
    const int digit = takeDigit(DigitServices);
    if (digit < 8) {
        openOwnRecord(digit);
        return;
    }
    opened(QStringLiteral("TFoTurni"));
    std::unique_ptr<TFoTurni> f(new TFoTurni(this));
    showModal(f.get());
}

void TFormMain::NotizieClick()
{
    if (!needLogin(DigitServices)) return;
    if (takeDigit(DigitServices) < 8) return;
    DisconnectOnExit disc;
    opened(QStringLiteral("TFoNotizie"));
    auto w = std::make_unique<TFoNotizie>(this);
    showModal(w.get());
}

void TFormMain::StatisticheClick()
{
    if (!needLogin(DigitServices)) return;
    if (takeDigit(DigitServices) < 8) return;
    DisconnectOnExit disc;
    opened(QStringLiteral("TFoStat"));
    auto w = std::make_unique<TFoStat>(this);
    showModal(w.get());
}

void TFormMain::DonatoriGestioneClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitDonors)) return;
    const int digit = takeDigit(DigitDonors);
    if (digit < 8) return;
    opened(QStringLiteral("TFoEleDon"));
    auto w = std::make_unique<TFoEleDon>(this);
    w->setLivello(digit);
    showModal(w.get());
}

void TFormMain::DonatoriReportClick()
{
    DisconnectOnExit disc;
    if (!needLogin(DigitDonors)) return;
    if (takeDigit(DigitDonors) < 8) return;
    opened(QStringLiteral("TFoRepDon"));
    auto w = std::make_unique<TFoRepDon>(this);
    const QDate oggi = QDate::currentDate();
    w->setPeriodo(dateToStr(oggi.addDays(-30)), dateToStr(oggi));
    w->setOrdine(QStringLiteral("Data"));
    showModal(w.get());
}

void TFormMain::CheckListClick()
{
    opened(QStringLiteral("TFoCheck"));
    auto w = std::make_unique<TFoCheck>(this);
    showModal(w.get());
}

void TFormMain::ScadenzeCheckClick()
{
    // The medicines expiry notice (manual from the menu, automatic at start-up).
    opened(QStringLiteral("TFoScCheck"));
    medicinesNotice(this, m_autoSend);
}

void TFormMain::ConfigMailClick()
{
    if (m_userId <= 0) return;
    if (takeDigit(DigitServices) < 8) return;
    DisconnectOnExit disc;
    opened(QStringLiteral("TFoNotizie"));
    auto w = std::make_unique<TFoNotizie>(this);
    showModal(w.get());
}

void TFormMain::SpecialistiElencoClick()
{
    opened(QStringLiteral("TFoMedici"));
    auto w = std::make_unique<TFoMedici>(this);
    showModal(w.get());
}

void TFormMain::PatentiGestioneClick()
{
    opened(QStringLiteral("TFoPatenti"));
    auto w = std::make_unique<TFoPatenti>(m_areaDigit, this);
    showModal(w.get());
}

void TFormMain::Check1Click()
{
    opened(QStringLiteral("TFoScCheck"));
    licencesNotice(this);
}

void TFormMain::AutoparcoMezziClick()
{
    opened(QStringLiteral("TFoMezzi"));
    std::unique_ptr<TFoMezzi> f(new TFoMezzi(this));
    showModal(f.get());
}

void TFormMain::StandbyClick()
{
    opened(QStringLiteral("TFoStandby"));
    auto w = std::make_unique<TFoStandby>(this);
    showModal(w.get());
}

void TFormMain::Button1Click()
{
    // The document register is created once and lives as long as the main window.
    if (!m_prot) m_prot = new TFoProt(this);
    auto *prot = static_cast<TFoProt *>(m_prot);
    prot->setOperatore(windowTitle());
    opened(QStringLiteral("TFoProt"));
    showModal(prot);
}
