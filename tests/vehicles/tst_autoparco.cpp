// The fleet menu and the main-window entries that lead to the vehicles.
#include "app/TFormMain.h"
#include "platform/Db.h"
#include "services/TFoStandby.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "vehicles/TFoAutop.h"
#include "vehicles/TFoMezzi.h"
#include "volunteers/TFoPatenti.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using vlmtest::TestDb;

namespace {
qint64 addUser(const QString &login, int vehiclesDigit)
{
    return TestDb::addPerson(QStringLiteral("Utente ") + login, QStringLiteral("Utente,Password,LivelloM,LivelloS"),
                             QStringLiteral("'%1','x',%2,7").arg(login).arg(vehiclesDigit));
}

// Runs fn on the window with this name once, after its modal loop has started.
void onShown(vlmtest::Answerer &a, const QString &name, std::function<void(QWidget *)> fn)
{
    auto done = std::make_shared<bool>(false);
    a.onDialog(
        name,
        [done, fn](QWidget *w) {
            if (*done) return;
            *done = true;
            QTimer::singleShot(0, w, [fn, w] { fn(w); });
        },
        true);
}

void close(QWidget *w) { static_cast<QDialog *>(w)->reject(); }
}  // namespace

class TstAutoparco : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
    }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void fleetMenuOpensItsWindows();
    void mezziButton_data();
    void mezziButton();
    void autoparcoMezziMenu();
};

void TstAutoparco::fleetMenuOpensItsWindows()
{
    TestDb::addVehicle(QStringLiteral("AMB 01"));
    TFoAutop m(8);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QCOMPARE(m.windowTitle(), QStringLiteral("Autoparco"));
    QCOMPARE(m.livello(), 8);
    QCOMPARE(m.Button1->text(), QStringLiteral("Patenti"));
    QCOMPARE(m.Button2->text(), QStringLiteral("Mezzi"));
    QCOMPARE(m.Button3->text(), QStringLiteral("Stand-by"));

    vlmtest::Answerer a;
    QStringList vehicles;
    onShown(a, QStringLiteral("TFoMezzi"), [&](QWidget *w) {
        auto *f = static_cast<TFoMezzi *>(w);
        for (int i = 0; i < f->List1->count(); ++i) vehicles << f->List1->item(i)->text();
        QVERIFY(f->isModal());
        close(w);
    });
    m.Button2->click();
    QCOMPARE(vehicles.size(), 1);
    QVERIFY(vehicles[0].endsWith(QStringLiteral("   AMB 01")));
    QVERIFY(m.findChildren<TFoMezzi *>().isEmpty());  // destroyed after closing

    onShown(a, QStringLiteral("TFoStandby"), [&](QWidget *w) { close(w); });
    m.Button3->click();
    QVERIFY(m.findChildren<TFoStandby *>().isEmpty());
    QCOMPARE(a.dialogsSeen(), (QStringList{"TFoMezzi", "TFoStandby"}));

    // "Patenti": the licence list, given the fleet menu's digit.
    int given = -1;
    onShown(a, QStringLiteral("TFoPatenti"), [&](QWidget *w) {
        given = static_cast<TFoPatenti *>(w)->livello();
        QVERIFY(static_cast<QDialog *>(w)->isModal());
        close(w);
    });
    m.Button1->click();
    QCOMPARE(a.dialogsSeen(), (QStringList{"TFoMezzi", "TFoStandby", "TFoPatenti"}));
    QCOMPARE(given, 8);
    QVERIFY(a.messages().isEmpty());
}

void TstAutoparco::mezziButton_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("opens");
    QTest::newRow("digit 5") << 5 << false;
    QTest::newRow("digit 6") << 6 << true;
    QTest::newRow("digit 9") << 9 << true;
}

void TstAutoparco::mezziButton()
{
    QFETCH(int, digit);
    QFETCH(bool, opens);
    addUser(QStringLiteral("mario"), digit);
    qputenv("USERNAME", "mario");
    TFormMain w;
    qputenv("USERNAME", "nessuno-di-questi");
    QVERIFY(w.userId() > 0);
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    vlmtest::Answerer a;
    int given = -1;
    onShown(a, QStringLiteral("TFoAutop"), [&](QWidget *d) {
        given = static_cast<TFoAutop *>(d)->livello();
        QVERIFY(static_cast<TFoAutop *>(d)->isModal());
        close(d);
    });
    w.BtnMezzi->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(given, opens ? digit : -1);
    QCOMPARE(opened.size(), opens ? 1 : 0);
    if (opens) QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoAutop"));
    QCOMPARE(w.areaDigit(), digit);
    QVERIFY(w.findChildren<TFoAutop *>().isEmpty());
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstAutoparco::autoparcoMezziMenu()
{
    // No login and no access check.
    TestDb::addVehicle(QStringLiteral("AMB 01"));
    TFormMain w;
    QVERIFY(w.userId() <= 0);
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    vlmtest::Answerer a;
    int rows = -1;
    onShown(a, QStringLiteral("TFoMezzi"), [&](QWidget *d) {
        rows = static_cast<TFoMezzi *>(d)->List1->count();
        close(d);
    });
    w.MezziMenu1->trigger();
    QCOMPARE(rows, 1);
    QCOMPARE(a.dialogsSeen(), QStringList{"TFoMezzi"});
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoMezzi"));
    QVERIFY(w.findChildren<TFoMezzi *>().isEmpty());
}

QTEST_MAIN(TstAutoparco)
#include "tst_autoparco.moc"
