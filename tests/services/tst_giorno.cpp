// The daily sheet: which slots services and stand-bys fill in the vehicle view and the
// person view, its colours and sizing, the day and view controls, the "Auto" timer, the
// access digit that shows the controls, and its own connection closed after each fill.
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "services/TFoGiorno.h"
#include "ServiceFixtures.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using vlmtest::TestDb;

namespace {
const QString kDay = QStringLiteral("2026-03-10");
const QDate kDate(2026, 3, 10);

QStringList titles(const TFoGiorno &g)
{
    QStringList out;
    for (int c = 1; c < g.Foglio->columnCount(); ++c) out << g.Foglio->item(0, c)->text();
    return out;
}

int column(const TFoGiorno &g, const QString &title) { return titles(g).indexOf(title) + 1; }

// The slots of a column that hold a text, as "hh:mm=text".
QStringList marked(const TFoGiorno &g, const QString &title)
{
    const int c = column(g, title);
    if (c <= 0) return {QStringLiteral("no column ") + title};
    QStringList out;
    for (int r = 1; r <= 36; ++r) {
        const QString t = g.Foglio->item(r, c)->text();
        if (!t.isEmpty()) out << g.Foglio->item(r, 0)->text().left(5) + QLatin1Char('=') + t;
    }
    return out;
}

QStringList slotsOf(const QString &text, const QStringList &times)
{
    QStringList out;
    for (const QString &t : times) out << t + QLatin1Char('=') + text;
    return out;
}

void addStandby(const QString &day, const QString &from, const QString &to, const QString &sigla, const QString &tipo)
{
    TestDb::exec(QStringLiteral("insert into standby(dataservizio,orainizio,durata,siglamezzo,tiposervizio) values(%1,%2,%3,%4,%5)")
                     .arg(svc::sqlText(day), svc::sqlText(from), svc::sqlText(to), svc::sqlText(sigla), svc::sqlText(tipo)));
}

// A sheet on a given day and view, filled as the window does when it is shown.
struct Sheet {
    TFoGiorno g;
    explicit Sheet(const QDate &d = kDate, bool persone = false, int livello = 9) : g(nullptr, livello)
    {
        g.Timer1->stop();
        g.setGiorno(d);
        g.CheckBox1->setChecked(persone);
        g.Riempi();
    }
};
}  // namespace

class TstGiorno : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
    }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void timesAndEmptyDay();
    void serviceSlots_data();
    void serviceSlots();
    void vehicleColumnsAndColours();
    void standbys();
    void personView();
    void dayAndViewControls();
    void autoTimerSwitchesAndReturnsToToday();
    void badTimeStopsTheTimer();
    void navigationByDigit_data();
    void navigationByDigit();
    void ownConnectionClosedAfterEachFill();
    void sizingFollowsTheWindow();
    void openedFromTheMainWindow();
};

void TstGiorno::timesAndEmptyDay()
{
    svc::Row other;
    other.day = QStringLiteral("2026-03-11");
    other.mezzo = TestDb::addVehicle(QStringLiteral("AMB 01"));
    svc::addService(other);
    Sheet s;
    QCOMPARE(s.g.windowTitle(), QStringLiteral("Servizi del Giorno 10/03/2026"));
    QCOMPARE(s.g.Foglio->rowCount(), 37);
    QCOMPARE(s.g.Foglio->columnCount(), 1);  // only the times: no service that day
    QCOMPARE(s.g.Foglio->item(1, 0)->text(), QStringLiteral("06:00:00"));
    QCOMPARE(s.g.Foglio->item(2, 0)->text(), QStringLiteral("06:30:00"));
    QCOMPARE(s.g.Foglio->item(36, 0)->text(), QStringLiteral("23:30:00"));
    QCOMPARE(s.g.Foglio->item(0, 0)->text(), QString());
}

void TstGiorno::serviceSlots_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("dur");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("one hour: end in the next slot") << "08:00" << "01:00" << QStringList{"08:00", "08:30", "09:00"};
    QTest::newRow("short, inside one slot") << "08:10" << "00:10" << QStringList{"08:00"};
    QTest::newRow("ends at a slot's last minute") << "08:10" << "00:19" << QStringList{"08:00"};
    QTest::newRow("covers a slot whole") << "08:20" << "00:45" << QStringList{"08:00", "08:30", "09:00"};
    QTest::newRow("starts before 06:00") << "05:00" << "02:00" << QStringList{"06:00", "06:30", "07:00"};
    QTest::newRow("runs past midnight") << "23:00" << "02:00" << QStringList{"23:00", "23:30"};
    QTest::newRow("entirely before the sheet") << "04:00" << "01:00" << QStringList{};
}

void TstGiorno::serviceSlots()
{
    QFETCH(QString, start);
    QFETCH(QString, dur);
    QFETCH(QStringList, marks);
    svc::Row r;
    r.day = kDay;
    r.start = start;
    r.dur = dur;
    r.mezzo = TestDb::addVehicle(QStringLiteral("AMB 01"));
    r.autista = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    svc::addService(r);
    Sheet s;
    QCOMPARE(titles(s.g), QStringList{"AMB 01"});
    QCOMPARE(marked(s.g, QStringLiteral("AMB 01")), slotsOf(QStringLiteral("Rossi Mario."), marks));
}

void TstGiorno::vehicleColumnsAndColours()
{
    const qint64 b = TestDb::addVehicle(QStringLiteral("BETA 2"));
    const qint64 a = TestDb::addVehicle(QStringLiteral("ALFA 1"), QStringLiteral("AMBULANZA"), QStringLiteral("Fuori servizio"));
    const qint64 rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 verdi = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    svc::Row r;
    r.day = kDay;
    r.mezzo = b;
    r.autista = rossi;
    r.start = QStringLiteral("10:00");
    r.dur = QStringLiteral("00:30");
    svc::addService(r);
    r.start = QStringLiteral("10:20");  // later service in the same slot wins
    r.autista = verdi;
    svc::addService(r);
    r.mezzo = a;  // a vehicle no longer in service still shows its services
    r.autista = 0;
    r.start = QStringLiteral("07:00");
    svc::addService(r);
    r.mezzo = 0;  // no vehicle: no column, not drawn
    r.autista = rossi;
    svc::addService(r);

    Sheet s;
    QCOMPARE(titles(s.g), (QStringList{"BETA 2", "ALFA 1"}));  // by vehicle key
    QCOMPARE(marked(s.g, QStringLiteral("BETA 2")),
             (QStringList{"10:00=Verdi Anna.", "10:30=Verdi Anna."}));
    QCOMPARE(marked(s.g, QStringLiteral("ALFA 1")), (QStringList{"07:00=.", "07:30=."}));

    QTableWidget *f = s.g.Foglio;
    const int c = column(s.g, QStringLiteral("BETA 2"));
    QCOMPARE(f->item(0, 0)->background().color(), QColor(Qt::red));
    QCOMPARE(f->item(9, 0)->background().color(), QColor(Qt::red));
    QCOMPARE(f->item(0, c)->background().color(), QColor(0, 255, 255));  // title row aqua
    QCOMPARE(f->item(9, c)->background().color(), QColor(Qt::yellow));   // 10:00 filled
    QCOMPARE(f->item(8, c)->background().color(), QColor(Qt::white));    // 09:30 empty
    QCOMPARE(f->item(9, c)->foreground().color(), QColor(Qt::black));
    QCOMPARE(f->item(9, 0)->foreground().color(), QColor(Qt::black));
}

void TstGiorno::standbys()
{
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    TestDb::addVehicle(QStringLiteral("ALFA 12"));
    svc::Row r;
    r.day = kDay;
    r.mezzo = amb;
    r.autista = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    r.start = QStringLiteral("07:00");
    r.dur = QStringLiteral("01:00");
    svc::addService(r);
    addStandby(kDay + QStringLiteral(" 00:00:00"), QStringLiteral("07:30"), QStringLiteral("08:00"),
               QStringLiteral("AMB 01"), QStringLiteral("BRAVO 1"));  // drawn over the service
    addStandby(kDay, QStringLiteral("08:15"), QStringLiteral("10:00"), QStringLiteral("ALFA 12"), QStringLiteral("BRAVO 2"));
    addStandby(kDay, QStringLiteral("12:00"), QStringLiteral("11:00"), QStringLiteral("ALFA 12"), QStringLiteral("ORDINARIA 2"));
    addStandby(kDay, QStringLiteral("22:00"), QStringLiteral("23:30"), QStringLiteral("FUORI 9"), QStringLiteral("BRAVO 3"));
    addStandby(QStringLiteral("2026-03-09"), QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("DELTA 4"),
               QStringLiteral("BRAVO 1"));

    Sheet s;
    // Stand-by vehicles come after the vehicles with services; a code not in the fleet too.
    QCOMPARE(titles(s.g), (QStringList{"AMB 01", "ALFA 12", "FUORI 9"}));
    QCOMPARE(marked(s.g, QStringLiteral("AMB 01")),
             (QStringList{"07:00=Rossi Mario.", "07:30=BRAVO 1", "08:00=BRAVO 1"}));
    // 08:15 to 10:00: the slots starting inside it; the one ending before it starts, none.
    QCOMPARE(marked(s.g, QStringLiteral("ALFA 12")),
             slotsOf(QStringLiteral("BRAVO 2"), {"08:30", "09:00", "09:30", "10:00"}));
    QCOMPARE(marked(s.g, QStringLiteral("FUORI 9")), slotsOf(QStringLiteral("BRAVO 3"), {"22:00", "22:30", "23:00", "23:30"}));
    QCOMPARE(s.g.Foglio->item(6, column(s.g, QStringLiteral("ALFA 12")))->background().color(), QColor(Qt::yellow));
    QCOMPARE(s.g.Foglio->item(13, column(s.g, QStringLiteral("ALFA 12")))->background().color(), QColor(Qt::white));

    // Yesterday's stand-by: one day back.
    s.g.Button2->click();
    QCOMPARE(s.g.giorno(), kDate.addDays(-1));
    QCOMPARE(titles(s.g), QStringList{"DELTA 4"});
    QCOMPARE(marked(s.g, QStringLiteral("DELTA 4")), slotsOf(QStringLiteral("BRAVO 1"), {"08:00", "08:30", "09:00"}));

    // Not in the person view.
    Sheet p(kDate, true);
    QCOMPARE(titles(p.g), QStringList{"Rossi Mario"});
    QCOMPARE(marked(p.g, QStringLiteral("Rossi Mario")), slotsOf(QStringLiteral("AMB 01."), {"07:00", "07:30", "08:00"}));
}

void TstGiorno::personView()
{
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 pul = TestDb::addVehicle(QStringLiteral("PUL 3"));
    const qint64 zeta = TestDb::addPerson(QStringLiteral("zanetti Ugo"));
    const qint64 bruno = TestDb::addPerson(QStringLiteral("Bruno Lia"));
    const qint64 carla = TestDb::addPerson(QStringLiteral("Carli Ada"));
    svc::Row r;
    r.day = kDay;
    r.mezzo = amb;
    r.autista = zeta;
    r.v1 = bruno;
    r.start = QStringLiteral("08:00");
    r.dur = QStringLiteral("00:30");
    svc::addService(r);
    r.mezzo = pul;  // Bruno now drives; Carla is companion 3
    r.autista = bruno;
    r.v1 = 0;
    r.v3 = carla;
    r.start = QStringLiteral("11:00");
    svc::addService(r);
    r.mezzo = 0;  // no vehicle: the slot reads "."
    r.autista = carla;
    r.v3 = 0;
    r.start = QStringLiteral("14:00");
    r.dur = QStringLiteral("00:00");
    svc::addService(r);

    Sheet s(kDate, true);
    QCOMPARE(titles(s.g), (QStringList{"Bruno Lia", "Carli Ada", "zanetti Ugo"}));  // case ignored
    QCOMPARE(marked(s.g, QStringLiteral("Bruno Lia")), (QStringList{"08:00=AMB 01.", "08:30=AMB 01.", "11:00=PUL 3.", "11:30=PUL 3."}));
    QCOMPARE(marked(s.g, QStringLiteral("Carli Ada")), (QStringList{"11:00=PUL 3.", "11:30=PUL 3.", "14:00=."}));
    QCOMPARE(marked(s.g, QStringLiteral("zanetti Ugo")), (QStringList{"08:00=AMB 01.", "08:30=AMB 01."}));
}

void TstGiorno::dayAndViewControls()
{
    svc::Row r;
    r.day = svc::today(1);
    r.mezzo = TestDb::addVehicle(QStringLiteral("AMB 01"));
    r.autista = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    svc::addService(r);

    TFoGiorno g(nullptr, 7);
    QCOMPARE(g.giorno(), QDate::currentDate());
    QVERIFY(g.CheckBox2->isChecked());
    QVERIFY(g.Timer1->isActive());
    QCOMPARE(g.intervallo(), 120000);
    QVERIFY(!g.Button1->isEnabled());  // ">" waits while "Auto" runs
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QCOMPARE(g.windowTitle(), QStringLiteral("Servizi del Giorno ") + vlm::dateToStr(QDate::currentDate()));
    QCOMPARE(g.Foglio->columnCount(), 1);

    g.Button3->click();  // "+"
    QCOMPARE(g.giorno(), QDate::currentDate().addDays(1));
    QCOMPARE(g.windowTitle(), QStringLiteral("Servizi del Giorno ") + vlm::dateToStr(QDate::currentDate().addDays(1)));
    QCOMPARE(titles(g), QStringList{"AMB 01"});

    g.CheckBox2->click();  // "Auto" off: timer stops, ">" usable
    QVERIFY(!g.Timer1->isActive());
    QVERIFY(g.Button1->isEnabled());
    g.Button1->click();
    QVERIFY(g.personView());
    QCOMPARE(titles(g), QStringList{"Rossi Mario"});
    g.Button1->click();
    QVERIFY(!g.personView());
    QCOMPARE(titles(g), QStringList{"AMB 01"});
    g.Button2->click();
    g.Button2->click();
    QCOMPARE(g.giorno(), QDate::currentDate().addDays(-1));
    g.CheckBox2->click();
    QVERIFY(g.Timer1->isActive());
    QVERIFY(!g.Button1->isEnabled());
}

void TstGiorno::autoTimerSwitchesAndReturnsToToday()
{
    svc::Row r;
    r.day = svc::today();
    r.mezzo = TestDb::addVehicle(QStringLiteral("AMB 01"));
    r.autista = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    svc::addService(r);

    TFoGiorno g(nullptr, 9);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.Button3->click();  // "+": tomorrow, nothing there
    g.Button3->click();
    QCOMPARE(g.Foglio->columnCount(), 1);

    // Each tick is recorded after the sheet handled it, and the timer held until the next step.
    int ticks = 0;
    bool restarted = true;
    connect(g.Timer1, &QTimer::timeout, &g, [&] {
        ++ticks;
        restarted = restarted && g.Timer1->isActive();
        g.Timer1->stop();
    });
    g.setIntervallo(40);
    g.Timer1->start();
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 3000);
    QVERIFY(restarted);
    QCOMPARE(g.giorno(), QDate::currentDate());
    QVERIFY(g.personView());
    QCOMPARE(titles(g), QStringList{"Rossi Mario"});
    g.Button2->click();  // "-": yesterday
    QCOMPARE(g.Foglio->columnCount(), 1);
    g.Timer1->start();
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 2, 3000);
    QVERIFY(restarted);
    QCOMPARE(g.giorno(), QDate::currentDate());
    QVERIFY(!g.personView());
    QCOMPARE(titles(g), QStringList{"AMB 01"});
    QVERIFY(!vlm::isConnected(QStringLiteral("Db5")));
}

void TstGiorno::badTimeStopsTheTimer()
{
    svc::Row r;
    r.day = svc::today();
    r.mezzo = TestDb::addVehicle(QStringLiteral("AMB 01"));
    svc::addService(r);
    TestDb::exec(QStringLiteral("update servizi set durata=NULL"));

    vlmtest::Answerer a;
    TFoGiorno g(nullptr, 9);
    g.show();
    QTRY_COMPARE(a.messages().size(), 1);  // the fill on showing
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(a.messages()[0].text.contains(QStringLiteral("non è un orario valido")));
    QVERIFY(g.Timer1->isActive());
    QVERIFY(!vlm::isConnected(QStringLiteral("Db5")));

    g.setIntervallo(20);
    g.Timer1->start();
    QTRY_COMPARE(a.messages().size(), 2);  // from the timer: it stays stopped
    QTest::qWait(100);
    QCOMPARE(a.messages().size(), 2);
    QVERIFY(!g.Timer1->isActive());
    QVERIFY(g.CheckBox2->isChecked());
    QVERIFY(!vlm::isConnected(QStringLiteral("Db5")));
}

void TstGiorno::navigationByDigit_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("visible");
    QTest::newRow("nobody") << -1 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("6") << 6 << false;
    QTest::newRow("7") << 7 << true;
    QTest::newRow("9") << 9 << true;
}

void TstGiorno::navigationByDigit()
{
    QFETCH(int, digit);
    QFETCH(bool, visible);
    TFoGiorno g(nullptr, digit);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    for (QWidget *w : {static_cast<QWidget *>(g.Button1), static_cast<QWidget *>(g.Button2),
                       static_cast<QWidget *>(g.Button3), static_cast<QWidget *>(g.CheckBox2)})
        QCOMPARE(w->isVisible(), visible);
    QVERIFY(!g.CheckBox1->isVisible());
    QVERIFY(g.CheckBox2->isChecked());  // hidden or not, the sheet keeps alternating
    QVERIFY(g.Timer1->isActive());
}

void TstGiorno::ownConnectionClosedAfterEachFill()
{
    addStandby(kDay, QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("AMB 01"), QStringLiteral("BRAVO 1"));
    Sheet s;
    QVERIFY(!vlm::isConnected(QStringLiteral("Db5")));
    QCOMPARE(titles(s.g), QStringList{"AMB 01"});
    // The next fill reads the server again.
    addStandby(kDay, QStringLiteral("10:00"), QStringLiteral("11:00"), QStringLiteral("BETA 2"), QStringLiteral("BRAVO 2"));
    s.g.Button1->click();
    s.g.Button1->click();
    QCOMPARE(titles(s.g), (QStringList{"AMB 01"}));  // ">" disabled while "Auto" ticked
    s.g.CheckBox2->setChecked(false);
    s.g.Button1->click();
    s.g.Button1->click();
    QCOMPARE(titles(s.g), (QStringList{"AMB 01", "BETA 2"}));
    QVERIFY(!vlm::isConnected(QStringLiteral("Db5")));
}

void TstGiorno::sizingFollowsTheWindow()
{
    for (const char *s : {"AMB 01", "AMB 02", "AMB 03"})
        addStandby(kDay, QStringLiteral("08:00"), QStringLiteral("09:00"), QString::fromLatin1(s), QStringLiteral("BRAVO 1"));
    Sheet s;
    s.g.resize(1000, 800);
    s.g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.g));
    s.g.setGiorno(kDate);
    s.g.Riempi();
    QTableWidget *f = s.g.Foglio;
    QCOMPARE(f->columnCount(), 4);
    QCOMPARE(f->width(), s.g.width());
    QCOMPARE(f->columnWidth(0), int(f->width() / (4 * 1.02)));
    QCOMPARE(f->columnWidth(3), int(f->width() / (4 * 1.02)));
    QCOMPARE(f->rowHeight(20), f->height() / 40);
    QCOMPARE(f->font().pointSize(), int((f->height() / 40) * 0.625));

    s.g.resize(700, 500);
    QTRY_COMPARE(f->width(), 700);
    QCOMPARE(f->columnWidth(1), int(700 / (4 * 1.02)));
    QCOMPARE(f->rowHeight(1), f->height() / 40);
    QCOMPARE(f->font().pointSize(), int((f->height() / 40) * 0.625));
}

void TstGiorno::openedFromTheMainWindow()
{
    TestDb::addPerson(QStringLiteral("Capo Parco"), QStringLiteral("Utente,Password,LivelloM,LivelloS"), QStringLiteral("'capo','pw',7,2"));
    for (const auto &[user, visible] : {std::pair{QByteArray("nessuno-di-questi"), false}, std::pair{QByteArray("capo"), true}}) {
        qputenv("USERNAME", user);
        TFormMain main;
        QSignalSpy opened(&main, &TFormMain::entryOpened);
        vlmtest::Answerer a;
        bool seen = false, navigation = !visible;
        QString caption;
        svc::onShown(a, QStringLiteral("TFoGiorno"), [&](QWidget *w) {
            auto *g = static_cast<TFoGiorno *>(w);
            seen = true;
            navigation = g->Button3->isVisible() && g->CheckBox2->isVisible();
            caption = g->windowTitle();
            g->reject();
        });
        main.BtnGiornalieri->click();
        QVERIFY(seen);
        QCOMPARE(navigation, visible);
        QCOMPARE(caption, QStringLiteral("Servizi del Giorno ") + vlm::dateToStr(QDate::currentDate()));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoGiorno"));
        QCOMPARE(main.areaDigit(), visible ? 7 : 0);
        QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
        QVERIFY(!vlm::isConnected(QStringLiteral("Db5")));
        QVERIFY(main.findChildren<TFoGiorno *>().isEmpty());  // destroyed
    }
    qputenv("USERNAME", "nessuno-di-questi");
}

QTEST_MAIN(TstGiorno)
#include "tst_giorno.moc"
