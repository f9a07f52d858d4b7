// The main window: silent login, the login dialog, logout, the access digits and the
// dispatch rules of the entries.
#include "app/TFoLogin.h"
#include "app/TFormMain.h"
#include "core/AccessLevel.h"
#include "platform/Db.h"
#include "platform/MaskEdit.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoPatenti.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

// A person who can log in; levels given as F,M,S,V,A,P.
qint64 addUser(const QString &nome, const QString &utente, const QString &password, QList<int> lv)
{
    return TestDb::addPerson(nome, QStringLiteral("Utente,Password,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP"),
                             QStringLiteral("'%1','%2',%3,%4,%5,%6,%7,%8")
                                 .arg(utente, password)
                                 .arg(lv[0]).arg(lv[1]).arg(lv[2]).arg(lv[3]).arg(lv[4]).arg(lv[5]));
}

// Fills the login dialog when it appears and presses Enter in the password box.
void typeLogin(Answerer &a, const QString &user, const QString &password)
{
    a.onDialog(QStringLiteral("TFoLogin"), [user, password](QWidget *w) {
        auto *d = static_cast<TFoLogin *>(w);
        d->Edit1->setText(user);
        d->MaskEdit1->setText(password);
        QTest::keyClick(d->MaskEdit1, Qt::Key_Return);
    });
}

// The last window class an entry opened, or empty.
struct Opened {
    explicit Opened(TFormMain &w) : spy(&w, &TFormMain::entryOpened) {}
    QStringList all() const
    {
        QStringList out;
        for (const auto &args : spy) out << args.at(0).toString();
        return out;
    }
    QSignalSpy spy;
};

}  // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init()
    {
        TestDb::reset();
        qputenv("USERNAME", "nessuno.qui");
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void digitExtraction_data();
    void digitExtraction();
    void silentLoginIgnoresCase();
    void silentLoginWithoutAccount();
    void silentLoginServerErrorOpensLoggedOut();
    void dialogLogin_data();
    void dialogLogin();
    void dialogClosedWithoutCheck();
    void levelSpillsIntoNextDigit();
    void logoutAndOpzioni();
    void entryRules();
    void servicesEntryAsksLoginAndDisconnects();
    void configMailNeedsNobodyDialog();
    void patentiGetsLastDigit();
    void layoutAndMenus();
};

void TstMainWindow::digitExtraction_data()
{
    QTest::addColumn<qint64>("level");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("digit");
    QTest::newRow("zero") << qint64(0) << 3 << 0;
    QTest::newRow("medicines") << qint64(987654) << 1 << 4;
    QTest::newRow("services") << qint64(987654) << 3 << 6;
    QTest::newRow("donors") << qint64(987654) << 6 << 9;
    QTest::newRow("beyond the level") << qint64(42) << 4 << 0;
    QTest::newRow("k below one") << qint64(57) << 0 << 7;
}

void TstMainWindow::digitExtraction()
{
    QFETCH(qint64, level);
    QFETCH(int, k);
    QFETCH(int, digit);
    QCOMPARE(vlm::levelDigit(level, k), digit);
}

void TstMainWindow::silentLoginIgnoresCase()
{
    const qint64 id = addUser(QStringLiteral("Bianchi Marco"), QStringLiteral("MBianchi"), QStringLiteral("x"), {9, 1, 7, 0, 0, 0});
    qputenv("USERNAME", "  mbianchi ");
    TFormMain w;
    QCOMPARE(w.userId(), id);
    QCOMPARE(w.livello(), qint64(709 + 10));
    QCOMPARE(w.areaDigit(), 9);  // the medicines digit
    QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena Bianchi Marco"));
    QCOMPARE(w.Login1->text(), QStringLiteral("Logout"));
    QVERIFY(w.Opzioni1->menuAction()->isVisible());
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstMainWindow::silentLoginWithoutAccount()
{
    addUser(QStringLiteral("Verdi Ugo"), QStringLiteral("uverdi"), QStringLiteral("x"), {1, 1, 1, 1, 1, 1});
    TFormMain w;
    QVERIFY(w.userId() <= 0);
    QCOMPARE(w.areaDigit(), -1);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena"));
    QCOMPARE(w.Login1->text(), QStringLiteral("Login"));
    QVERIFY(!w.Opzioni1->menuAction()->isVisible());
}

void TstMainWindow::silentLoginServerErrorOpensLoggedOut()
{
    const vlm::DbConfig good = vlm::alias();
    vlm::DbConfig bad = good;
    bad.socket = QStringLiteral("/nonexistent/mysqld.sock");
    vlm::setAlias(bad);
    Answerer a;
    {
        TFormMain w;
        QVERIFY(w.userId() <= 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena"));
    }
    vlm::setAlias(good);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
}

void TstMainWindow::dialogLogin_data()
{
    QTest::addColumn<QString>("stored");      // Utente of the account
    QTest::addColumn<QString>("storedPass");  // its Password
    QTest::addColumn<QString>("user");        // typed
    QTest::addColumn<QString>("pass");        // typed
    QTest::addColumn<QString>("message");     // expected box, empty for a successful login
    QTest::newRow("blanks ignored") << "anna" << " segreta " << "  ANNA " << "segreta  " << "";
    QTest::newRow("password case differs") << "anna" << "Segreta" << "anna" << "segreta" << "Password non riconosciuta";
    QTest::newRow("unknown user") << "anna" << "x" << "annamaria" << "x" << "Utente non riconosciuto";
    QTest::newRow("empty user, empty password") << "" << "" << "" << "" << "";
    QTest::newRow("apostrophe in the name") << "d'angelo" << "p" << "D'Angelo" << "p" << "";
}

void TstMainWindow::dialogLogin()
{
    QFETCH(QString, stored);
    QFETCH(QString, storedPass);
    QFETCH(QString, user);
    QFETCH(QString, pass);
    QFETCH(QString, message);
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("insert into volontari(Nome,Utente,Password,LivelloS) values('Neri Anna',:UTT,:PWD,7)"));
    q.bindText(QStringLiteral("UTT"), stored).bindText(QStringLiteral("PWD"), storedPass);
    q.exec();
    const qint64 id = TestDb::scalar(QStringLiteral("select max(ID) from volontari")).toLongLong();

    TFormMain w;
    Answerer a;
    typeLogin(a, user, pass);
    w.Login1->trigger();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoLogin")});
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    if (message.isEmpty()) {
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(w.userId(), id);
        QCOMPARE(w.areaDigit(), 7);  // "Login" asks for the services digit
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena Neri Anna"));
        QCOMPARE(w.Login1->text(), QStringLiteral("Logout"));
    } else {
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].caption, QStringLiteral("Errore"));
        QCOMPARE(a.messages()[0].text, message);
        QCOMPARE(w.userId(), -1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena"));
        QCOMPARE(w.Login1->text(), QStringLiteral("Login"));
    }
}

void TstMainWindow::dialogClosedWithoutCheck()
{
    addUser(QStringLiteral("Neri Anna"), QStringLiteral("anna"), QStringLiteral("x"), {9, 9, 9, 9, 9, 9});
    TFormMain w;
    Answerer a;
    a.onDialog(QStringLiteral("TFoLogin"), [](QWidget *d) {
        static_cast<TFoLogin *>(d)->Edit1->setText(QStringLiteral("anna"));
        d->close();
    });
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    w.BtnSanitario->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(opened.count(), 0);
    QVERIFY(w.userId() <= 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena"));
}

void TstMainWindow::levelSpillsIntoNextDigit()
{
    addUser(QStringLiteral("Gialli Pia"), QStringLiteral("pia"), QStringLiteral("x"), {12, 3, 0, 0, 0, 0});
    qputenv("USERNAME", "pia");
    TFormMain w;
    QCOMPARE(w.livello(), qint64(42));
    QCOMPARE(w.areaDigit(), 2);
    QCOMPARE(vlm::levelDigit(w.livello(), vlm::DigitVehicles), 4);
}

void TstMainWindow::logoutAndOpzioni()
{
    addUser(QStringLiteral("Neri Anna"), QStringLiteral("anna"), QStringLiteral("pw"), {0, 0, 9, 0, 0, 0});
    TFormMain w;
    QVERIFY(!w.Opzioni1->menuAction()->isVisible());
    Answerer a;
    typeLogin(a, QStringLiteral("anna"), QStringLiteral("pw"));
    w.Login1->trigger();  // digit 3 is 9: "Opzioni" shows
    QVERIFY(w.Opzioni1->menuAction()->isVisible());
    w.Login1->trigger();  // logout
    QCOMPARE(w.userId(), -1);
    QCOMPARE(w.areaDigit(), -1);
    QCOMPARE(w.livello(), qint64(0));
    QCOMPARE(w.Login1->text(), QStringLiteral("Login"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Velmora Valdrena"));
    QVERIFY(!w.Opzioni1->menuAction()->isVisible());
    // An entry that asks for a digit of 9 shows it again after its login.
    typeLogin(a, QStringLiteral("anna"), QStringLiteral("pw"));
    w.Notizie1->trigger();
    QVERIFY(w.Opzioni1->menuAction()->isVisible());
}

void TstMainWindow::entryRules()
{
    // One user per level row; each entry is tried logged in silently.
    struct Case {
        QList<int> lv;
        QString entry;
        QString opens;  // empty: nothing opens
    };
    const QList<Case> cases = {
        {{5, 0, 0, 0, 0, 0}, QStringLiteral("BtnFarmaci"), QStringLiteral("TFoScarichi")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("GestioneFarm1"), QStringLiteral("TFoScarichi")},
        {{6, 0, 0, 0, 0, 0}, QStringLiteral("BtnFarmaci"), QStringLiteral("TFarmaci")},
        {{9, 0, 0, 0, 0, 0}, QStringLiteral("GestioneFarm1"), QStringLiteral("TFarmaci")},
        {{0, 5, 0, 0, 0, 0}, QStringLiteral("BtnMezzi"), QString()},
        {{0, 6, 0, 0, 0, 0}, QStringLiteral("BtnMezzi"), QStringLiteral("TFoAutop")},
        {{0, 0, 5, 0, 0, 0}, QStringLiteral("BtnSanitario"), QString()},
        {{0, 0, 5, 0, 0, 0}, QStringLiteral("BtnSociali"), QString()},
        {{0, 0, 5, 0, 0, 0}, QStringLiteral("BtnEventi"), QString()},
        {{0, 0, 6, 0, 0, 0}, QStringLiteral("BtnEventi"), QStringLiteral("TFoEleEve")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("BtnGiornalieri"), QStringLiteral("TFoGiorno")},
        {{0, 0, 0, 7, 0, 0}, QStringLiteral("Gestione1"), QStringLiteral("TFoVolontario")},
        {{0, 0, 0, 8, 0, 0}, QStringLiteral("Gestione1"), QStringLiteral("TFoEleVds")},
        {{0, 0, 0, 9, 0, 0}, QStringLiteral("BtnVolontari"), QStringLiteral("TFoEleVds")},
        {{0, 0, 0, 0, 7, 0}, QStringLiteral("Corsi1"), QString()},
        {{0, 0, 0, 0, 8, 0}, QStringLiteral("Corsi1"), QStringLiteral("TFoEleAtt")},
        {{0, 0, 7, 0, 0, 0}, QStringLiteral("Assegnazione1"), QStringLiteral("TFoVolontario")},
        {{0, 0, 8, 0, 0, 0}, QStringLiteral("Assegnazione1"), QStringLiteral("TFoTurni")},
        {{0, 0, 7, 0, 0, 0}, QStringLiteral("Button2"), QStringLiteral("TFoVolontario")},
        {{0, 0, 9, 0, 0, 0}, QStringLiteral("Button2"), QStringLiteral("TFoTurni")},
        {{0, 0, 7, 0, 0, 0}, QStringLiteral("Statistiche1"), QString()},
        {{0, 0, 0, 0, 0, 7}, QStringLiteral("GestioneDon1"), QString()},
        {{0, 0, 0, 0, 0, 8}, QStringLiteral("GestioneDon1"), QStringLiteral("TFoEleDon")},
        {{0, 0, 0, 0, 0, 7}, QStringLiteral("Report1"), QString()},
        {{0, 0, 0, 0, 0, 8}, QStringLiteral("Report1"), QStringLiteral("TFoRepDon")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("Elenco1"), QStringLiteral("TFoMedici")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("BtnAppuntamenti"), QStringLiteral("TFoEleApp")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("AppuntamentiMenu1"), QStringLiteral("TFoEleApp")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("Standby1"), QStringLiteral("TFoStandby")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("CheckList1"), QStringLiteral("TFoCheck")},
        {{0, 0, 0, 0, 0, 0}, QStringLiteral("GestionePat1"), QStringLiteral("TFoPatenti")},
    };
    int n = 0;
    for (const Case &c : cases) {
        const QString login = QStringLiteral("u%1").arg(++n);
        addUser(QStringLiteral("Utente %1").arg(n), login, QStringLiteral("x"), c.lv);
        qputenv("USERNAME", login.toUtf8());
        TFormMain w;
        QVERIFY(w.userId() > 0);
        Answerer a;  // no login dialog may appear: the user is logged in
        // A window that exists already is closed at once; no other window may appear.
        if (!c.opens.isEmpty()) a.onDialog(c.opens, [](QWidget *d) { static_cast<QDialog *>(d)->reject(); });
        Opened o(w);
        if (auto *b = w.findChild<QAbstractButton *>(c.entry)) b->click();
        else w.findChild<QAction *>(c.entry)->trigger();
        QVERIFY2(a.messages().isEmpty(), qPrintable(c.entry));
        QVERIFY2(a.dialogsSeen().isEmpty() || a.dialogsSeen() == QStringList{c.opens}, qPrintable(c.entry));
        QCOMPARE(o.all(), c.opens.isEmpty() ? QStringList() : QStringList{c.opens});
        // The main window closes the shared connection after most entries; the lists of
        // specialists, of the visits, of stand-bys and the checklists leave it as their
        // window left it.
        if (!QStringList{QStringLiteral("Elenco1"), QStringLiteral("Standby1"), QStringLiteral("BtnAppuntamenti"),
                         QStringLiteral("AppuntamentiMenu1"), QStringLiteral("CheckList1"), QStringLiteral("GestionePat1")}
                 .contains(c.entry))
            QVERIFY2(!vlm::isConnected(QStringLiteral("DB")), qPrintable(c.entry));
    }
}

void TstMainWindow::servicesEntryAsksLoginAndDisconnects()
{
    addUser(QStringLiteral("Neri Anna"), QStringLiteral("anna"), QStringLiteral("pw"), {0, 0, 6, 0, 0, 0});
    TFormMain w;
    Opened o(w);
    Answerer a;
    // A failed login opens nothing and says nothing more than the login's own message.
    typeLogin(a, QStringLiteral("anna"), QStringLiteral("sbagliata"));
    w.BtnSanitario->click();
    QCOMPARE(a.texts(), QStringList{QStringLiteral("Password non riconosciuta")});
    QVERIFY(o.all().isEmpty());
    // "Servizi Giornalieri" opens for anybody.
    w.BtnGiornalieri->click();
    QCOMPARE(o.all(), QStringList{QStringLiteral("TFoGiorno")});
    // A good login opens the list.
    typeLogin(a, QStringLiteral("anna"), QStringLiteral("pw"));
    a.onDialog(QStringLiteral("TFoElenco"), [](QWidget *d) { static_cast<QDialog *>(d)->reject(); });
    w.BtnSanitario->click();
    QCOMPARE(o.all().last(), QStringLiteral("TFoElenco"));
    QCOMPARE(a.dialogsSeen().last(), QStringLiteral("TFoElenco"));
    QCOMPARE(w.areaDigit(), 6);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstMainWindow::configMailNeedsNobodyDialog()
{
    TFormMain w;
    Opened o(w);
    Answerer a;
    w.ConfigMail1->trigger();
    QVERIFY(a.dialogsSeen().isEmpty());
    QVERIFY(o.all().isEmpty());
}

void TstMainWindow::patentiGetsLastDigit()
{
    addUser(QStringLiteral("Neri Anna"), QStringLiteral("anna"), QStringLiteral("pw"), {2, 0, 7, 0, 0, 0});
    qputenv("USERNAME", "anna");
    TFormMain w;
    QCOMPARE(w.areaDigit(), 2);
    Answerer a;
    a.onDialog(QStringLiteral("TFoElenco"), [](QWidget *d) { static_cast<QDialog *>(d)->reject(); });
    w.BtnSanitario->click();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoElenco")});
    QCOMPARE(w.areaDigit(), 7);  // what "Gestione" of the licences is given next
    int given = -1;
    a.onDialog(QStringLiteral("TFoPatenti"), [&given](QWidget *d) {
        given = static_cast<TFoPatenti *>(d)->livello();
        static_cast<QDialog *>(d)->reject();
    });
    w.GestionePat1->trigger();
    QCOMPARE(given, 7);
    QCOMPARE(w.areaDigit(), 7);
}

void TstMainWindow::layoutAndMenus()
{
    TFormMain w;
    const QList<QPair<QString, QPoint>> pos = {
        {QStringLiteral("Marcatempo"), {16, 16}},         {QStringLiteral("Farmaci"), {184, 16}},
        {QStringLiteral("Servizi Sanitario"), {552, 16}}, {QStringLiteral("Servizi Sociali"), {720, 16}},
        {QStringLiteral("Servizi Giornalieri"), {16, 184}}, {QStringLiteral("Mezzi"), {184, 184}},
        {QStringLiteral("Eventi - Missioni"), {552, 184}}, {QStringLiteral("Appuntamenti"), {720, 184}},
    };
    for (const auto &p : pos) {
        QAbstractButton *found = nullptr;
        for (auto *b : w.findChildren<QAbstractButton *>())
            if (b->text() == p.first) found = b;
        QVERIFY2(found, qPrintable(p.first));
        QCOMPARE(found->pos(), p.second);
        QCOMPARE(found->size(), QSize(145, 145));
    }
    QVERIFY(!w.Button1->isVisible() && !w.Button2->isVisible());
    QStringList top;
    for (QAction *a : w.menuBar()->actions()) top << a->text();
    QCOMPARE(top, (QStringList{"Login", "Notizie", "Statistiche", "Volontari", "Donatori", "Farmaci", "Opzioni",
                              "Specialisti", "Autoparco"}));
    QVERIFY(!w.Statistiche1->isVisible());
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
