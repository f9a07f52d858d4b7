// The platform layer: masked boxes, grid tables, parameter binding, the error guard.
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Guard.h"
#include "platform/MaskEdit.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QtTest>

using namespace vlm;
using vlmtest::TestDb;

class TstPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void maskTexts_data();
    void maskTexts();
    void maskSetTextKeepsBlanks();
    void gridTableCutSortEmpty();
    void gridTitleClickSortsAscendingEveryTime();
    void bindingOfEachType();
    void typedValueNeverEntersSqlText();
    void missingParameterFails();
    void repeatedParameterAndQuotedColon();
    void lookupsGiveZeroWhenNothingFound();
    void errorGuardShowsBoxAndKeepsEarlierWork();
    void transactionRollsBack();
    void closingClosedConnectionIsHarmless();
    void rowsSurviveDisconnect();
    void conversions();
};

void TstPlatform::maskTexts_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty date keeps blanks") << "!99/99/0000;1;_" << "" << "  /  /    ";
    QTest::newRow("full date") << "!99/99/0000;1;_" << "25122026" << "25/12/2026";
    QTest::newRow("empty time") << "!90:00;1;_" << "" << "  :  ";
    QTest::newRow("time") << "!90:00;1;_" << "0830" << "08:30";
    QTest::newRow("tax code upper case") << ">LLLLLL00L00L000L" << "rssmra80a01h501u" << "RSSMRA80A01H501U";
    QTest::newRow("literals not saved") << "!99/99/0000;0;_" << "01022003" << "01022003";
}

void TstPlatform::maskTexts()
{
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    MaskEdit e(mask);
    e.show();
    e.setFocus();
    e.home(false);
    QTest::keyClicks(&e, typed);
    QCOMPARE(e.text(), expected);
}

void TstPlatform::maskSetTextKeepsBlanks()
{
    // What text() gives back, setText() takes as it is: a blank stays an empty place.
    const QList<QPair<QString, QString>> cases = {
        {QStringLiteral("!90:00;1;_"), QStringLiteral(" 9:05")},
        {QStringLiteral("!90:00;1;_"), QStringLiteral("09:05")},
        {QStringLiteral("!90:00;1;_"), QStringLiteral("  :  ")},
        {QStringLiteral("!99/99/0000;1;_"), QStringLiteral(" 1/ 2/2026")},
        {QStringLiteral("!99/99/0000;1;_"), QStringLiteral("  /  /    ")},
    };
    for (const auto &c : cases) {
        MaskEdit e(c.first);
        e.setText(c.second);
        QCOMPARE(e.text(), c.second);
    }
}

void TstPlatform::gridTableCutSortEmpty()
{
    GridTable t;
    t.addText(QStringLiteral("NOME"), 5).addInt(QStringLiteral("ID")).addDate(QStringLiteral("DATA"));
    const int r0 = t.append();
    t.set(r0, QStringLiteral("NOME"), QStringLiteral("Zanetti Luca"));
    t.set(r0, QStringLiteral("ID"), 30);
    t.set(r0, QStringLiteral("DATA"), QDate(2026, 1, 2));
    const int r1 = t.append();
    t.set(r1, QStringLiteral("NOME"), QStringLiteral("abete"));
    t.set(r1, QStringLiteral("ID"), QStringLiteral("4"));
    t.set(r1, QStringLiteral("DATA"), QDate(2025, 1, 2));
    const int r2 = t.append();
    t.set(r2, QStringLiteral("NOME"), QStringLiteral("Bruno"));
    t.set(r2, QStringLiteral("ID"), 100);

    QCOMPARE(t.text(0, QStringLiteral("NOME")), QStringLiteral("Zanet"));  // cut to the field's size
    QCOMPARE(t.text(0, QStringLiteral("DATA")), QStringLiteral("02/01/2026"));

    t.sortBy(QStringLiteral("ID"));  // numeric, not textual
    QCOMPARE(t.integer(0, QStringLiteral("ID")), 4);
    QCOMPARE(t.integer(2, QStringLiteral("ID")), 100);
    t.sortBy(QStringLiteral("NOME"));  // case-insensitive
    QCOMPARE(t.text(0, QStringLiteral("NOME")), QStringLiteral("abete"));
    QCOMPARE(t.text(1, QStringLiteral("NOME")), QStringLiteral("Bruno"));
    t.sortBy(QStringLiteral("DATA"));  // empty date first
    QCOMPARE(t.text(0, QStringLiteral("NOME")), QStringLiteral("Bruno"));
    QCOMPARE(t.text(2, QStringLiteral("NOME")), QStringLiteral("Zanet"));

    QVERIFY_THROWS_EXCEPTION(DbError, t.set(0, QStringLiteral("ID"), QStringLiteral("abc")));
    t.empty();
    QCOMPARE(t.rowCount(), 0);
}

void TstPlatform::gridTitleClickSortsAscendingEveryTime()
{
    GridTable t;
    t.addText(QStringLiteral("NOME"), 50).addInt(QStringLiteral("ID"));
    for (auto [n, id] : {std::pair{"Carla", 3}, {"Anna", 1}, {"Bice", 2}}) {
        const int r = t.append();
        t.set(r, QStringLiteral("NOME"), QString::fromLatin1(n));
        t.set(r, QStringLiteral("ID"), id);
    }
    GridModel m(&t);
    m.setColumns({{QStringLiteral("Nome"), QStringLiteral("NOME")}, {QStringLiteral("N°"), QStringLiteral("ID")}});
    DBGrid g;
    g.setGridModel(&m);
    g.clickTitle(1);
    QCOMPARE(m.data(m.index(0, 0)).toString(), QStringLiteral("Anna"));
    g.clickTitle(1);  // the same title again: still ascending
    QCOMPARE(m.data(m.index(0, 0)).toString(), QStringLiteral("Anna"));
    QCOMPARE(m.data(m.index(2, 0)).toString(), QStringLiteral("Carla"));
    g.setSortField(QStringLiteral("Nome"), QStringLiteral("ID"));  // a title mapped to another field
    t.sortBy(QStringLiteral("NOME"));
    g.clickTitle(0);
    QCOMPARE(m.data(m.index(0, 1)).toString(), QStringLiteral("1"));
    QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("N°"));
}

void TstPlatform::bindingOfEachType()
{
    TestDb::exec(QStringLiteral("create temporary table tb(t varchar(40), i int, d date, dt datetime)"));
    // Temporary tables live on one connection: use the same one throughout.
    Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("insert into tb(t,i,d,dt)"));
    q.add(QStringLiteral("values(:TXT,:INT,:DTA,:DTT)"));
    q.bindText(QStringLiteral("TXT"), QStringLiteral("D'Angelo \"x\" ; --"))
        .bindInt(QStringLiteral("INT"), 42)
        .bindDate(QStringLiteral("DTA"), QDate(2026, 12, 11))
        .bindDateTime(QStringLiteral("DTT"), QDateTime(QDate(2026, 12, 11), QTime(9, 30, 15)));
    QCOMPARE(q.exec(), 1);
    Query r(QStringLiteral("TEST"));
    r.add(QStringLiteral("select * from tb where t=:TXT"));
    r.bindText(QStringLiteral("txt"), QStringLiteral("D'Angelo \"x\" ; --"));  // names are not case-sensitive
    r.open();
    QVERIFY(!r.isEmpty());
    QCOMPARE(r.integer(QStringLiteral("I")), 42);
    QCOMPARE(r.str(QStringLiteral("d")), QStringLiteral("11/12/2026"));
    QCOMPARE(r.dateTime(QStringLiteral("dt")), QDateTime(QDate(2026, 12, 11), QTime(9, 30, 15)));
    r.next();
    QVERIFY(r.eof());
}

void TstPlatform::typedValueNeverEntersSqlText()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("D'Angelo Maria"));
    QCOMPARE(personKey(QStringLiteral("DB"), QStringLiteral("  D'Angelo Maria ")), id);
    // A like pattern with the typed text bound, not written between the percent signs.
    Query q;
    q.add(QStringLiteral("select Nome from volontari where nome like :SRC"));
    q.bindText(QStringLiteral("SRC"), QStringLiteral("%') or 1=1 -- %"));
    q.open();
    QVERIFY(q.isEmpty());
    q.bindText(QStringLiteral("SRC"), QStringLiteral("%'Angelo%"));
    q.open();
    QCOMPARE(q.str(QStringLiteral("nome")), QStringLiteral("D'Angelo Maria"));
}

void TstPlatform::missingParameterFails()
{
    Query q;
    q.add(QStringLiteral("select * from volontari where ID=:IDV and Nome=:NME"));
    q.bindInt(QStringLiteral("IDV"), 1);
    QVERIFY_THROWS_EXCEPTION(DbError, q.open());
    QCOMPARE(q.paramNames(), (QStringList{QStringLiteral("IDV"), QStringLiteral("NME")}));
}

void TstPlatform::repeatedParameterAndQuotedColon()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("Rossi Anna"));
    Query q;
    q.add(QStringLiteral("select ID, '10:30' as ORA from volontari"));
    q.add(QStringLiteral("where (ID=:IDM or ID=:IDM) and time('08:45:00') < time('09:00')"));
    q.bindInt(QStringLiteral("IDM"), id);
    q.open();
    QCOMPARE(q.rowCount(), 1);
    QCOMPARE(q.str(QStringLiteral("ORA")), QStringLiteral("10:30"));
}

void TstPlatform::lookupsGiveZeroWhenNothingFound()
{
    const qint64 v = TestDb::addVehicle(QStringLiteral("AMB 1"));
    QCOMPARE(vehicleKey(QStringLiteral("DB"), QStringLiteral("AMB 1 ")), v);
    QCOMPARE(vehicleKey(QStringLiteral("DB"), QStringLiteral("AMB 9")), 0);
    QCOMPARE(personKey(QStringLiteral("DB"), QStringLiteral("Nessuno")), 0);
    QCOMPARE(personKey(QStringLiteral("DB"), QString()), 0);
    // A query with no row leaves a grid table empty, without a message.
    GridTable t;
    t.addText(QStringLiteral("Nome"), 50);
    Query q;
    q.add(QStringLiteral("select Nome from volontari where ID<0"));
    q.open();
    t.fillFrom(q);
    QCOMPARE(t.rowCount(), 0);
}

void TstPlatform::errorGuardShowsBoxAndKeepsEarlierWork()
{
    vlmtest::Answerer a;
    const bool ok = guard([] {
        Query q;
        q.add(QStringLiteral("insert into volontari(Nome) values('Prima')"));
        q.exec();
        q.clear();
        q.add(QStringLiteral("insert into tabella_che_non_esiste values(1)"));
        q.exec();
        TestDb::addPerson(QStringLiteral("Mai"));  // never reached
    });
    QVERIFY(!ok);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(a.messages()[0].text.contains(QStringLiteral("tabella_che_non_esiste"), Qt::CaseInsensitive));
    QCOMPARE(TestDb::count(QStringLiteral("volontari"), QStringLiteral("Nome='Prima'")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("volontari"), QStringLiteral("Nome='Mai'")), 0);
    // A conversion error ends the handler the same way.
    QVERIFY(!guard([] { strToDate(QStringLiteral("  /  /    ")); }));
    QCOMPARE(a.messages().size(), 2);
}

void TstPlatform::transactionRollsBack()
{
    startTransaction(QStringLiteral("DB"));
    Query q;
    q.add(QStringLiteral("insert into volontari(Nome) values('Transitorio')"));
    q.exec();
    rollback(QStringLiteral("DB"));
    QCOMPARE(TestDb::count(QStringLiteral("volontari"), QStringLiteral("Nome='Transitorio'")), 0);
    startTransaction(QStringLiteral("DB"));
    q.exec();
    commit(QStringLiteral("DB"));
    QCOMPARE(TestDb::count(QStringLiteral("volontari"), QStringLiteral("Nome='Transitorio'")), 1);
}

void TstPlatform::closingClosedConnectionIsHarmless()
{
    QVERIFY(!isConnected(QStringLiteral("Db2")));
    vlm::disconnect(QStringLiteral("Db2"));
    Query q(QStringLiteral("Db2"));
    q.add(QStringLiteral("select 1 as UNO"));
    q.open();  // opened by the first query
    QVERIFY(isConnected(QStringLiteral("Db2")));
    vlm::disconnect(QStringLiteral("Db2"));
    QVERIFY(!isConnected(QStringLiteral("Db2")));
    q.open();  // and again after a close
    QCOMPARE(q.integer(QStringLiteral("uno")), 1);
}

void TstPlatform::rowsSurviveDisconnect()
{
    for (int i = 0; i < 5; ++i) TestDb::addPerson(QStringLiteral("Persona %1").arg(i));
    Query q(QStringLiteral("Db2"));
    q.add(QStringLiteral("select Nome, ID from volontari order by Nome"));
    q.open();
    QCOMPARE(q.rowCount(), 5);
    QCOMPARE(q.str(QStringLiteral("Nome")), QStringLiteral("Persona 0"));
    q.next();
    // The connection closes while the query is half read: the rest is still there.
    vlm::disconnect(QStringLiteral("Db2"));
    QStringList rest;
    for (; !q.eof(); q.next()) rest << q.str(QStringLiteral("NOME"));
    QCOMPARE(rest, (QStringList{"Persona 1", "Persona 2", "Persona 3", "Persona 4"}));
    QCOMPARE(q.rowCount(), 5);
    q.open();  // reconnects
    QCOMPARE(q.str(QStringLiteral("Nome")), QStringLiteral("Persona 0"));
}

void TstPlatform::conversions()
{
    QCOMPARE(serverDateText(QStringLiteral("05/03/2026")), QStringLiteral("2026-03-05"));
    QCOMPARE(strToDate(QStringLiteral("5/3/2026")), QDate(2026, 3, 5));
    QVERIFY_THROWS_EXCEPTION(DbError, strToDate(QStringLiteral("31/02/2026")));
    QCOMPARE(strToIntDef(QStringLiteral("abc"), 2), 2);
    QCOMPARE(dayOfWeek(QDate(2026, 12, 13)), 1);  // a Sunday
    QCOMPARE(dayOfWeek(QDate(2026, 12, 12)), 7);
    QCOMPARE(italianWeekday(QDate(2026, 12, 14)), QStringLiteral("Lunedì"));
    QCOMPARE(dateFromSerial(0), QDate(1899, 12, 30));
    QCOMPARE(monthFromItalian(QStringLiteral("dicembre")), 12);
}

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
