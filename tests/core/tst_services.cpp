// Shared services: the message file and the mail client's command line, the settings
// store, the audit log and the link helper.
#include "core/CalendarLink.h"
#include "core/Services.h"
#include "platform/Db.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace vlm;
using vlmtest::CapturedMail;
using vlmtest::MailCapture;
using vlmtest::TestDb;

class TstServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void messageFileByteForByte_data();
    void messageFileByteForByte();
    void recipientsAreSeparateArguments();
    void recipientTextRunsNothing();
    void burstOfMailsEachDelivered();
    void mailFailuresPassSilently();
    void settingsRoundTrip();
    void settingsFailSilentlyAndReadEmpty();
    void auditRow();
    void spaziUrl_data();
    void spaziUrl();
    void linkValue_data();
    void linkValue();
    void calendarAddress();
};

void TstServices::messageFileByteForByte_data()
{
    QTest::addColumn<QString>("dest");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<QString>("ccn");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("with blind copy")
        << "a@x.it" << "Servizio n. 12" << QStringList{"Ciao,", "domani alle 8:30."} << "b@x.it;c@x.it"
        << QByteArray("To:a@x.it\r\nBcc:b@x.it;c@x.it\r\nSubject:Servizio n. 12\r\n\r\n\r\nCiao,\r\ndomani alle 8:30.\r\n");
    QTest::newRow("no blind copy line when empty")
        << "a@x.it" << "Oggetto" << QStringList{"riga"} << ""
        << QByteArray("To:a@x.it\r\nSubject:Oggetto\r\n\r\n\r\nriga\r\n");
    QTest::newRow("empty body ends after the two empty lines")
        << "a@x.it" << "S" << QStringList{} << ""
        << QByteArray("To:a@x.it\r\nSubject:S\r\n\r\n\r\n");
    QTest::newRow("lone CR and lone LF split a body line")
        << "a@x.it" << "S" << QStringList{"uno\rdue", "tre\nquattro", "cinque\r\nsei"} << ""
        << QByteArray("To:a@x.it\r\nSubject:S\r\n\r\n\r\nuno\r\ndue\r\ntre\r\nquattro\r\ncinque\r\nsei\r\n");
    QTest::newRow("empty body lines are kept")
        << "a@x.it" << "S" << QStringList{"", "x", ""} << ""
        << QByteArray("To:a@x.it\r\nSubject:S\r\n\r\n\r\n\r\nx\r\n\r\n");
    QTest::newRow("empty recipient and subject")
        << "" << "" << QStringList{"corpo"} << ""
        << QByteArray("To:\r\nSubject:\r\n\r\n\r\ncorpo\r\n");
    QTest::newRow("accents in UTF-8")
        << "a@x.it" << "Lunedì" << QStringList{"Città"} << ""
        << QByteArray("To:a@x.it\r\nSubject:Luned\xc3\xac\r\n\r\n\r\nCitt\xc3\xa0\r\n");
    QTest::newRow("a line break in the subject starts no header")
        << "a@x.it" << "Ciao\r\nBcc:spia@x.it" << QStringList{"b"} << ""
        << QByteArray("To:a@x.it\r\nSubject:Ciao  Bcc:spia@x.it\r\n\r\n\r\nb\r\n");
}

void TstServices::messageFileByteForByte()
{
    QFETCH(QString, dest);
    QFETCH(QString, subject);
    QFETCH(QStringList, body);
    QFETCH(QString, ccn);
    QFETCH(QByteArray, expected);

    MailCapture cap;
    InviaMail(dest, subject, body, ccn);
    const QList<CapturedMail> mails = cap.waitFor(1);
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0].input, expected);

    // The message file stays in the temp folder with the same bytes.
    const QFileInfoList files = QDir(cap.tempDir()).entryInfoList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile f(files[0].absoluteFilePath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), expected);
}

void TstServices::recipientsAreSeparateArguments()
{
    MailCapture cap;
    InviaMail(QStringLiteral(" a@x.it ;b@y.it;; ;c@z.it;"), QStringLiteral("S"), {QStringLiteral("b")}, QString());
    const QList<CapturedMail> mails = cap.waitFor(1);
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0].arguments, (QStringList{"-C", "msmtp.cfg", "-t", "--", "a@x.it", "b@y.it", "c@z.it"}));
    QCOMPARE(mails[0].recipients(), (QStringList{"a@x.it", "b@y.it", "c@z.it"}));
    // The header keeps the recipient text as it was given.
    QCOMPARE(mails[0].header("To"), QStringLiteral(" a@x.it ;b@y.it;; ;c@z.it;"));
    // The client runs in the program's working directory, where msmtp.cfg lives.
    QCOMPARE(QDir(mails[0].workingDir).canonicalPath(), QDir::current().canonicalPath());
}

void TstServices::recipientTextRunsNothing()
{
    MailCapture cap;
    QTemporaryDir dir;
    const QString mark = dir.filePath(QStringLiteral("pwned"));
    const QString dest = QStringLiteral("a@x.it;rm -rf x;touch %1 & touch %1;$(touch %1);`touch %1`;-Xevil;--read-envelope-from")
                             .arg(mark);
    InviaMail(dest, QStringLiteral("S"), {}, QString());
    const QList<CapturedMail> mails = cap.waitFor(1);
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0].recipients(),
             (QStringList{"a@x.it", "rm -rf x", QStringLiteral("touch %1 & touch %1").arg(mark),
                          QStringLiteral("$(touch %1)").arg(mark), QStringLiteral("`touch %1`").arg(mark), "-Xevil",
                          "--read-envelope-from"}));
    // Options end before the recipients: "-Xevil" cannot be taken for an option.
    QCOMPARE(mails[0].arguments.indexOf("--"), 3);
    QVERIFY(!QFileInfo::exists(mark));
}

void TstServices::burstOfMailsEachDelivered()
{
    MailCapture cap;
    for (int i = 1; i <= 5; ++i)
        InviaMail(QStringLiteral("p%1@x.it").arg(i), QStringLiteral("Messaggio %1").arg(i),
                  {QStringLiteral("corpo %1").arg(i)}, QString());
    const QList<CapturedMail> mails = cap.waitFor(5);
    QCOMPARE(mails.size(), 5);
    QSet<QString> seen;
    for (const CapturedMail &m : mails) {
        const QString n = m.header("Subject").mid(QStringLiteral("Messaggio ").size());
        QCOMPARE(m.recipients(), QStringList{QStringLiteral("p%1@x.it").arg(n)});
        QCOMPARE(m.header("To"), QStringLiteral("p%1@x.it").arg(n));
        QCOMPARE(m.body(), QStringList{QStringLiteral("corpo %1").arg(n)});
        seen.insert(n);
    }
    QCOMPARE(seen, (QSet<QString>{"1", "2", "3", "4", "5"}));
    QCOMPARE(QDir(cap.tempDir()).entryList(QDir::Files).size(), 5);
    QCOMPARE(cap.mails(300).size(), 5);  // and no more
}

void TstServices::mailFailuresPassSilently()
{
    {
        MailCapture cap;
        qputenv("VLM_MAIL_CLIENT", "/nonexistent/msmtp");
        InviaMail(QStringLiteral("a@x.it"), QStringLiteral("S"), {QStringLiteral("b")}, QString());
        QCOMPARE(cap.mails(200).size(), 0);
    }
    {
        MailCapture cap;
        qputenv("VLM_TEMP_DIR", "/nonexistent/folder");
        InviaMail(QStringLiteral("a@x.it"), QStringLiteral("S"), {QStringLiteral("b")}, QString());
        QCOMPARE(cap.mails(200).size(), 0);  // no file, no client started
    }
}

void TstServices::settingsRoundTrip()
{
    QCOMPARE(LeggiDato(QStringLiteral("PROVA_CHIAVE")), QString());
    QCOMPARE(TestDb::count("Dati", "NOME='PROVA_CHIAVE'"), 0);

    ScriviDato(QStringLiteral("PROVA_CHIAVE"), QStringLiteral("  primo valore  "));
    QCOMPARE(TestDb::count("Dati", "NOME='PROVA_CHIAVE'"), 1);
    QCOMPARE(TestDb::scalar("select VALORE from Dati where NOME='PROVA_CHIAVE'").toString(),
             QStringLiteral("  primo valore  "));
    QCOMPARE(LeggiDato(QStringLiteral("PROVA_CHIAVE")), QStringLiteral("primo valore"));  // trimmed

    ScriviDato(QStringLiteral("PROVA_CHIAVE"), QStringLiteral("O'Brien; 'x' -- \\"));
    QCOMPARE(TestDb::count("Dati", "NOME='PROVA_CHIAVE'"), 1);  // updated, not added
    QCOMPARE(LeggiDato(QStringLiteral("PROVA_CHIAVE")), QStringLiteral("O'Brien; 'x' -- \\"));

    // The service connection does not outlive the call, and the shared one is untouched.
    QVERIFY(!isConnected(QStringLiteral("DB1")));
    QVERIFY(!isConnected(QStringLiteral("DB")));
}

void TstServices::settingsFailSilentlyAndReadEmpty()
{
    ScriviDato(QStringLiteral("CHIAVE"), QStringLiteral("valore"));
    const DbConfig good = alias();
    DbConfig bad = good;
    bad.socket = QStringLiteral("/nonexistent/mysqld.sock");
    bad.host.clear();
    bad.port = 0;
    setAlias(bad);
    QString read = QStringLiteral("unset");
    ScriviDato(QStringLiteral("CHIAVE"), QStringLiteral("altro"));
    ScriviLog(QStringLiteral("testo"));
    read = LeggiDato(QStringLiteral("CHIAVE"));
    setAlias(good);
    QCOMPARE(read, QString());
    QCOMPARE(LeggiDato(QStringLiteral("CHIAVE")), QStringLiteral("valore"));
    QCOMPARE(TestDb::count("LogVlm"), 0);
}

void TstServices::auditRow()
{
    const QByteArray old = qgetenv("COMPUTERNAME");
    qputenv("COMPUTERNAME", "  POSTAZIONE-3  ");
    ScriviLog(QStringLiteral("Cambio stato di Rossi Mario: Attivo -> Sospeso"));
    ScriviLog(QStringLiteral("l'altro"));
    qputenv("COMPUTERNAME", old);

    QCOMPARE(TestDb::count("LogVlm"), 2);
    QCOMPARE(TestDb::scalar("select POSTAZIONE from LogVlm order by ID limit 1").toString(), QStringLiteral("POSTAZIONE-3"));
    QCOMPARE(TestDb::scalar("select TESTO from LogVlm order by ID limit 1").toString(),
             QStringLiteral("Cambio stato di Rossi Mario: Attivo -> Sospeso"));
    QCOMPARE(TestDb::scalar("select TESTO from LogVlm order by ID desc limit 1").toString(), QStringLiteral("l'altro"));
    QVERIFY(!isConnected(QStringLiteral("DB1")));
}

void TstServices::spaziUrl_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("two blanks") << "  " << "%20%20";
    QTest::newRow("blank at both ends") << " a b " << "%20a%20b%20";
    QTest::newRow("no blanks unchanged") << "a%2Fb&c=d?" << "a%2Fb&c=d?";
    QTest::newRow("only blanks change") << "Il paziente: Rossi\tè" << "Il%20paziente:%20Rossi\tè";
    QTest::newRow("empty") << "" << "";
}

void TstServices::spaziUrl()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(SpaziUrl(in), out);
}

void TstServices::linkValue_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("query characters") << "A&B #1 +2 100%" << "A%26B %231 %2B2 100%25";
    QTest::newRow("line breaks") << "uno\ndue\r\ntre\rquattro" << "uno%0Adue%0Atre%0Aquattro";
    QTest::newRow("blanks left for the link") << " a: b/c=d? " << " a: b/c=d? ";
    QTest::newRow("encoded text encoded again") << "%20" << "%2520";
}

void TstServices::linkValue()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(valoreLink(in), out);
}

void TstServices::calendarAddress()
{
    // The setting, else the public calendar; the link goes through SpaziUrl as a whole.
    QCOMPARE(indirizzoCalendario(), QStringLiteral("https://calendar.google.com/calendar/event"));
    TestDb::exec(QStringLiteral("update Dati set VALORE=' https://cal.example.org/x ' where NOME='CALENDARIO'"));
    QCOMPARE(indirizzoCalendario(), QStringLiteral("https://cal.example.org/x"));
    TestDb::exec(QStringLiteral("delete from Dati where NOME='CALENDARIO'"));
    QCOMPARE(indirizzoCalendario(), QStringLiteral("https://calendar.google.com/calendar/event"));
    QCOMPARE(linkCalendario(QStringLiteral("h t"), istanteCalendario(QDate(2031, 1, 2), QTime(7, 5)) + QStringLiteral("%2F"),
                            QStringLiteral("&text=a b")),
             QStringLiteral("h%20t?action=TEMPLATE&dates=20310102T070500%2F&text=a%20b"));
}

QTEST_MAIN(TstServices)
#include "tst_services.moc"
