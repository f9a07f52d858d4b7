// The schema: every table and view exists, every statement the windows send is accepted
// by the server, and the server fills what the windows leave to it.
#include "platform/Db.h"
#include "support/TestDb.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using vlmtest::TestDb;

class TstSchema : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void everyTableAndView();
    void everyStatementPrepares();
    void serverFilledColumns();
    void caseInsensitiveAndStrict();
    void bytesKeptWhole();
    void servizicOneRowPerService();
    void titolicUnitesTitlesAndCourses();
    void startingLists();
};

void TstSchema::everyTableAndView()
{
    const QStringList tables = {"volontari", "mezzi", "Elenchi", "Dati", "LogVlm", "destinazioni", "servizi", "standby",
                                "Vestiti", "cartellini", "Titoli", "Turni", "TurniTmp", "OrariTurni", "disponibilita",
                                "Farmaci", "Movimenti", "checklist", "Manutenzioni", "Attivita", "incontri",
                                "Partecipanti", "Eventi", "Eve_Vol", "donatori", "donazioni", "Medici", "Visite",
                                "Appuntamenti", "Notizie", "Protocollo"};
    for (const QString &t : tables) {
        const QVariant kind = TestDb::scalar(QStringLiteral("select table_type from information_schema.tables where "
                                                            "table_schema=database() and table_name='%1'").arg(t));
        QVERIFY2(kind.toString() == QLatin1String("BASE TABLE"), qPrintable(t));
        // Keys assigned by the server.
        QCOMPARE(TestDb::scalar(QStringLiteral("select extra from information_schema.columns where table_schema=database() "
                                               "and table_name='%1' and column_name='ID'").arg(t)).toString(),
                 QStringLiteral("auto_increment"));
    }
    for (const QString &v : {QStringLiteral("servizic"), QStringLiteral("Titolic")})
        QCOMPARE(TestDb::scalar(QStringLiteral("select table_type from information_schema.tables where "
                                               "table_schema=database() and table_name='%1'").arg(v)).toString(),
                 QStringLiteral("VIEW"));
}

void TstSchema::everyStatementPrepares()
{
    QFile f(QStringLiteral(VLM_SOURCE_DIR "/tests/core/schema_statements.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QSqlDatabase db = vlm::connection(QStringLiteral("TEST"));
    static const QRegularExpression param(QStringLiteral(":[A-Za-z_]\\w*"));
    int prepared = 0;
    QStringList failures;
    for (const QByteArray &raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("noprep:"))) continue;
        const QString owner = line.section(QLatin1Char('\t'), 0, 0);
        QString sql = line.section(QLatin1Char('\t'), 1);
        sql.replace(param, QStringLiteral("?"));
        QSqlQuery q(db);
        if (!q.prepare(sql)) failures << owner + QStringLiteral(": ") + q.lastError().text();
        ++prepared;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    QVERIFY(prepared > 200);
}

void TstSchema::serverFilledColumns()
{
    TestDb::exec(QStringLiteral("insert into servizi(dataservizio,convenzione) values('2026-12-20','Y')"));
    QCOMPARE(TestDb::scalar(QStringLiteral("select Data from servizi")).toDate(), QDate::currentDate());
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,QUANTITA) values(1,5)"));
    QCOMPARE(TestDb::scalar(QStringLiteral("select Q_USATA from Movimenti")).toInt(), 0);
    QVERIFY(qAbs(TestDb::scalar(QStringLiteral("select DATA from Movimenti")).toDateTime().secsTo(QDateTime::currentDateTime())) < 120);
    TestDb::exec(QStringLiteral("insert into OrariTurni(GIORNO) values(2)"));
    QVERIFY(TestDb::scalar(QStringLiteral("select ATTIVO from OrariTurni")).toString() != QLatin1String("N"));
    TestDb::exec(QStringLiteral("insert into LogVlm(POSTAZIONE,TESTO) values('PC1','x')"));
    QVERIFY(TestDb::scalar(QStringLiteral("select ID from LogVlm")).toLongLong() > 0);
}

void TstSchema::caseInsensitiveAndStrict()
{
    TestDb::addPerson(QStringLiteral("Rossi Àlba"));
    QCOMPARE(TestDb::count(QStringLiteral("volontari"), QStringLiteral("Nome='ROSSI àlba'")), 1);
    // Table names in any case.
    QCOMPARE(TestDb::count(QStringLiteral("VOLONTARI")), 1);
    // Nothing is silently cut or zeroed.
    QVERIFY_THROWS_EXCEPTION(vlm::DbError, TestDb::exec(QStringLiteral("insert into volontari(Nome) values(repeat('x', 5000))")));
    QVERIFY_THROWS_EXCEPTION(vlm::DbError, TestDb::exec(QStringLiteral("insert into servizi(dataservizio,convenzione) values('31/12/2026','Y')")));
}

void TstSchema::bytesKeptWhole()
{
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i) bytes.append(char(i * 7 % 256));
    bytes.append('\0').append("\r\n\x1a\xff", 4);
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("insert into Protocollo(FILE) values(:FIL)"));
    q.bindBytes(QStringLiteral("FIL"), bytes);
    q.exec();
    vlm::Query r(QStringLiteral("TEST"));
    r.add(QStringLiteral("select FILE from Protocollo"));
    r.open();
    QCOMPARE(r.bytes(QStringLiteral("FILE")), bytes);
}

void TstSchema::servizicOneRowPerService()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Neri Ugo"), QStringLiteral("Mail"), QStringLiteral("'ugo@x.it'"));
    const qint64 m = TestDb::addVehicle(QStringLiteral("AMB 2"));
    TestDb::exec(QStringLiteral("insert into servizi(dataservizio,convenzione,Idmezzo,IdAutista,IdVolontario1,IdVolontario2,IdVolontario3) "
                                "values('2026-12-20','Y',%1,0,%2,0,0)").arg(m).arg(p));
    TestDb::exec(QStringLiteral("insert into servizi(dataservizio,convenzione) values('2026-12-21','S')"));
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("select * from servizic order by ID"));
    q.open();
    QCOMPARE(q.rowCount(), 2);
    QCOMPARE(q.str(QStringLiteral("siglamezzo")), QStringLiteral("AMB 2"));
    QCOMPARE(q.str(QStringLiteral("Autista")), QString());
    QCOMPARE(q.str(QStringLiteral("Volontario1")), QStringLiteral("Neri Ugo"));
    QCOMPARE(q.str(QStringLiteral("Mail2")), QStringLiteral("ugo@x.it"));
    q.next();
    QCOMPARE(q.str(QStringLiteral("siglamezzo")), QString());
    QCOMPARE(q.integer(QStringLiteral("IdAutista")), 0);
}

void TstSchema::titolicUnitesTitlesAndCourses()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Neri Ugo"));
    const QString code = TestDb::scalar(QStringLiteral("select CODICE from Elenchi where TIPO='A' order by ID limit 1")).toString();
    QVERIFY(!code.isEmpty());
    TestDb::exec(QStringLiteral("insert into Titoli(IDVOLONTARIO,CODICE,DATAESAME,LUOGO) values(%1,'%2','2020-05-01','Siena')").arg(p).arg(code));
    TestDb::exec(QStringLiteral("insert into incontri(IDAttivita,TITOLO,DATA) values(1,'%1','2024-03-01')").arg(code));
    const qint64 inc = TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
    TestDb::exec(QStringLiteral("insert into Partecipanti(IDINCONTRI,IdVolontario,Risultato) values(%1,%2,'IDONEO')").arg(inc).arg(p));
    TestDb::exec(QStringLiteral("insert into Partecipanti(IDINCONTRI,IdVolontario,Risultato) values(%1,%2,'PRESENTE')").arg(inc).arg(p));
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1 and TIP='T'").arg(p)), 1);
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1 and TIP<>'T'").arg(p)), 1);
    const QString descr = TestDb::scalar(QStringLiteral("select DESCRIZIONE from Elenchi where TIPO='A' and CODICE='%1'").arg(code)).toString();
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("DESCRIZIONE='%1' and TIP='T'").arg(descr)), 1);
}

void TstSchema::startingLists()
{
    for (const char *t : {"A", "C", "D", "E", "G", "I", "R"})
        QVERIFY2(TestDb::count(QStringLiteral("Elenchi"), QStringLiteral("TIPO='%1'").arg(QLatin1String(t))) > 0, t);
    QCOMPARE(TestDb::scalar(QStringLiteral("select DESCRIZIONE from Elenchi where TIPO='G' and CODICE='1'")).toString(),
             QStringLiteral("Domenica"));
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat(CODICE,' ',DESCRIZIONE) from Elenchi where TIPO='E' order by ID limit 1")).toString(),
             QStringLiteral("EM Servizio Sanitario di Emergenza"));
    QCOMPARE(TestDb::count(QStringLiteral("Elenchi"), QStringLiteral("TIPO='D' and CODICE in ('00','01','02','03')")), 4);
    QCOMPARE(TestDb::count(QStringLiteral("Elenchi"), QStringLiteral("TIPO='R' and DESCRIZIONE in ('ISCRITTO','PRESENTE','IDONEO')")), 3);
    QCOMPARE(TestDb::count(QStringLiteral("Elenchi"), QStringLiteral("TIPO='I' and CODICE in ('IS','LEZ','ESA')")), 3);
    QVERIFY(TestDb::count(QStringLiteral("destinazioni")) > 0);
    QVERIFY(!TestDb::scalar(QStringLiteral("select VALORE from Dati where NOME='CALENDARIO'")).toString().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Dati"), QStringLiteral("NOME in ('INVIOSCADENZE','INVIOPATENTI','INVIOTUTOR')")), 0);
}

QTEST_MAIN(TstSchema)
#include "tst_schema.moc"
