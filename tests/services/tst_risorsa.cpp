// The resource check: which stored services of the day collide with the service on screen.
#include "platform/Db.h"
#include "services/RisorsaLibera.h"
#include "ServiceFixtures.h"

#include <QtTest>

using vlmtest::TestDb;

class TstRisorsa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void overlap_data();
    void overlap();
    void editedServiceLeftOutOthersFound();
    void unknownOrEmptyResourceStopsQuietly();
};

// Each row: one stored service (day, start, duration, where the resource sits in it), the
// service on screen (start, duration, whether it is the stored one), and the warning
// expected ("" for none; otherwise the times it names).
void TstRisorsa::overlap_data()
{
    QTest::addColumn<QString>("kind");      // M vehicle, V person
    QTest::addColumn<QString>("place");     // M, A driver, 1, 2, 3 companions
    QTest::addColumn<QString>("day");       // stored service's day
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("dur");
    QTest::addColumn<QString>("newStart");
    QTest::addColumn<QString>("newDur");
    QTest::addColumn<bool>("editingIt");
    QTest::addColumn<QString>("warning");   // "Dalle ... Alle ..." or ""

    const QString d = QStringLiteral("2026-03-10");
    QTest::newRow("driver: new start inside") << "V" << "A" << d << "08:30" << "01:00" << "09:00" << "01:00" << false
                                              << "Dalle 08:30:00 Alle 09:30";
    QTest::newRow("new end inside") << "V" << "A" << d << "10:00" << "01:00" << "09:00" << "01:30" << false
                                    << "Dalle 10:00:00 Alle 11:00";
    QTest::newRow("stored ends at new start") << "V" << "A" << d << "08:00" << "01:00" << "09:00" << "00:30" << false
                                              << "Dalle 08:00:00 Alle 09:00";
    QTest::newRow("stored starts at new end") << "V" << "A" << d << "10:00" << "00:30" << "09:00" << "01:00" << false
                                              << "Dalle 10:00:00 Alle 10:30";
    QTest::newRow("stored contained: not found") << "V" << "A" << d << "10:00" << "00:30" << "09:00" << "03:00" << false
                                                 << "";
    QTest::newRow("before, apart") << "V" << "A" << d << "07:00" << "01:00" << "08:30" << "00:30" << false << "";
    QTest::newRow("after, apart") << "V" << "A" << d << "11:00" << "01:00" << "08:30" << "00:30" << false << "";
    QTest::newRow("other day never") << "V" << "A" << "2026-03-11" << "09:00" << "01:00" << "09:00" << "01:00" << false
                                     << "";
    QTest::newRow("stored end past the hour") << "V" << "A" << d << "08:45" << "00:30" << "09:10" << "00:10" << false
                                              << "Dalle 08:45:00 Alle 09:15";
    QTest::newRow("new end past the hour") << "V" << "A" << d << "09:10" << "00:20" << "08:45" << "00:30" << false
                                           << "Dalle 09:10:00 Alle 09:30";
    QTest::newRow("the edited service itself") << "V" << "A" << d << "08:30" << "01:00" << "09:00" << "01:00" << true << "";
    QTest::newRow("companion 1 as driver") << "V" << "1" << d << "08:30" << "01:00" << "09:00" << "01:00" << false
                                           << "Dalle 08:30:00 Alle 09:30";
    QTest::newRow("companion 2 as driver") << "V" << "2" << d << "08:30" << "01:00" << "09:00" << "01:00" << false
                                           << "Dalle 08:30:00 Alle 09:30";
    QTest::newRow("companion 3") << "V" << "3" << d << "08:30" << "01:00" << "09:00" << "01:00" << false
                                 << "Dalle 08:30:00 Alle 09:30";
    QTest::newRow("vehicle") << "M" << "M" << d << "08:30" << "01:00" << "09:00" << "01:00" << false
                             << "Dalle 08:30:00 Alle 09:30";
    QTest::newRow("vehicle contained: not found") << "M" << "M" << d << "10:00" << "00:30" << "09:00" << "03:00" << false
                                                  << "";
    QTest::newRow("vehicle edited itself") << "M" << "M" << d << "08:30" << "01:00" << "08:30" << "01:00" << true << "";
    QTest::newRow("empty departure box") << "V" << "A" << d << "08:30" << "01:00" << "  :  " << "01:00" << false << "";
    QTest::newRow("end after midnight wraps in the text") << "V" << "A" << d << "23:30" << "01:00" << "23:45" << "00:10"
                                                          << false << "Dalle 23:30:00 Alle 00:30";
}

void TstRisorsa::overlap()
{
    QFETCH(QString, kind);
    QFETCH(QString, place);
    QFETCH(QString, day);
    QFETCH(QString, start);
    QFETCH(QString, dur);
    QFETCH(QString, newStart);
    QFETCH(QString, newDur);
    QFETCH(bool, editingIt);
    QFETCH(QString, warning);

    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 altro = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 amb2 = TestDb::addVehicle(QStringLiteral("AMB 02"));
    svc::Row r;
    r.day = day;
    r.start = start;
    r.dur = dur;
    // The resource in its place, somebody else (another vehicle) in the others.
    r.mezzo = place == QLatin1String("M") ? amb : amb2;
    r.autista = place == QLatin1String("A") ? mario : altro;
    r.v1 = place == QLatin1String("1") ? mario : altro;
    r.v2 = place == QLatin1String("2") ? mario : 0;
    r.v3 = place == QLatin1String("3") ? mario : 0;
    const qint64 id = svc::addService(r);

    vlmtest::Answerer a;
    const QString resource = kind == QLatin1String("M") ? QStringLiteral("AMB 01") : QStringLiteral("Rossi Mario");
    const QString res = vlm::RisorsaLibera(QStringLiteral("Db3"), kind, resource,
                                           {QStringLiteral("10/03/2026"), newStart, newDur, editingIt ? id : 0});
    if (warning.isEmpty()) {
        QCOMPARE(res, QString());
        QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    } else {
        QCOMPARE(res, QStringLiteral("No"));
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].caption, QStringLiteral("Risorsa non utilizzabile"));
        QCOMPARE(a.messages()[0].text, QStringLiteral("La Risorsa ") + resource + QStringLiteral(" è utilizzato per il servizio ") +
                                           QString::number(id) + QLatin1Char(' ') + warning);
    }
}

void TstRisorsa::editedServiceLeftOutOthersFound()
{
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    svc::Row r;
    r.mezzo = amb;
    const qint64 edited = svc::addService(r);
    r.start = QStringLiteral("09:15");
    r.dur = QStringLiteral("00:45");
    const qint64 other = svc::addService(r);

    vlmtest::Answerer a;
    // The resource text goes into the warning as it stands, blanks included.
    const QString res = vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("M"), QStringLiteral("AMB 01 "),
                                           {QStringLiteral("10/03/2026"), QStringLiteral("08:30"), QStringLiteral("01:00"), edited});
    QCOMPARE(res, QStringLiteral("No"));
    QCOMPARE(a.texts(), QStringList{QStringLiteral("La Risorsa AMB 01  è utilizzato per il servizio %1 Dalle 09:15:00 Alle 10:00")
                                        .arg(other)});
}

void TstRisorsa::unknownOrEmptyResourceStopsQuietly()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    svc::Row r;
    r.autista = mario;
    svc::addService(r);
    vlmtest::Answerer a;
    const vlm::ServizioInCorso s{QStringLiteral("10/03/2026"), QStringLiteral("09:00"), QStringLiteral("01:00"), 0};
    QCOMPARE(vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("V"), QStringLiteral("Rossi"), s), QString());
    QCOMPARE(vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("V"), QString(), s), QString());
    QCOMPARE(vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("M"), QStringLiteral("Rossi Mario"), s), QString());
    QCOMPARE(vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("V"), QStringLiteral(" Rossi Mario "), s),
             QStringLiteral("No"));  // trimmed for the look-up
    QCOMPARE(a.messages().size(), 1);
    // An empty date box finds nothing and raises nothing.
    a.clear();
    QCOMPARE(vlm::RisorsaLibera(QStringLiteral("Db3"), QStringLiteral("V"), QStringLiteral("Rossi Mario"),
                                {QStringLiteral("  /  /    "), QStringLiteral("09:00"), QStringLiteral("01:00"), 0}),
             QString());
    QVERIFY(a.messages().isEmpty());
}

QTEST_MAIN(TstRisorsa)
#include "tst_risorsa.moc"
