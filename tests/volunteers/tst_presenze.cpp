// The time clock: clocking in and out by person key or fiscal code, people not recognised,
// the on-duty list and its refresh, the activity drop-down, and the main window's entry.
#include "app/TFormMain.h"
#include "platform/Db.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoPresenze.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

const QString kConn = QStringLiteral("DBVlm");

void enter(TFoPresenze &f, const QString &text)
{
    f.Edit1->setText(text);
    QTest::keyClick(f.Edit1, Qt::Key_Return);
}

qint64 openRecords(qint64 person)
{
    return TestDb::count(QStringLiteral("cartellini"), QStringLiteral("codice=%1 and uscita is null").arg(person));
}

QStringList filled(const TFoPresenze &f)
{
    QStringList out;
    for (const QString &l : f.lines())
        if (!l.isEmpty()) out << l;
    return out;
}

}  // namespace

class TstPresenze : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void clockInThenOut();
    void findsPerson_data();
    void findsPerson();
    void notRecognised_data();
    void notRecognised();
    void onDutyListAndRefresh();
    void moreThanTwentyFiveOnDuty();
    void timerGoesOnAfterServerError();
    void activityDropDown();
    void mainWindowEntry();
};

void TstPresenze::clockInThenOut()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("Codicefiscale"),
                                       QStringLiteral("'RSSMRA80A01H501U'"));
    TFoPresenze f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Presenze"));
    QCOMPARE(f.CB1->currentText(), QStringLiteral("EM Servizio Sanitario di Emergenza"));
    QVERIFY(filled(f).isEmpty());
    Answerer a;

    // Clock-in with the activity chosen in the drop-down.
    f.CB1->setCurrentIndex(f.CB1->findText(QStringLiteral("RI Riunione")));
    QCOMPARE(f.CB1->currentText(), QStringLiteral("RI Riunione"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    enter(f, QStringLiteral("RSSMRA80A01H501U"));
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    QCOMPARE(TestDb::count(QStringLiteral("cartellini")), 1);
    QCOMPARE(openRecords(p), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select nome from cartellini")).toString(), QStringLiteral("Rossi Mario"));
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat('[',tipo,']') from cartellini")).toString(), QStringLiteral("[RI ]"));
    const QDateTime entrata = TestDb::scalar(QStringLiteral("select entrata from cartellini")).toDateTime();
    QVERIFY(entrata >= before && entrata <= QDateTime::currentDateTime());
    QVERIFY(TestDb::scalar(QStringLiteral("select tempo from cartellini")).isNull());
    QCOMPARE(f.Edit1->text(), QString());
    QCOMPARE(filled(f), QStringList{QStringLiteral("%1 Rossi Mario %2 RI ").arg(p).arg(entrata.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")))});
    QVERIFY(!vlm::isConnected(kConn));

    // Two and a half hours later, with another activity chosen: clock-out.
    TestDb::exec(QStringLiteral("update cartellini set entrata=now() - interval 150 minute"));
    f.CB1->setEditText(QStringLiteral("SE Segreteria"));
    enter(f, QString::number(p));
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("cartellini")), 1);
    QCOMPARE(openRecords(p), 0);
    const qint64 secs = TestDb::scalar(QStringLiteral("select time_to_sec(tempo) from cartellini")).toLongLong();
    QVERIFY2(secs >= 9000 && secs <= 9002, qPrintable(QString::number(secs)));
    QCOMPARE(TestDb::scalar(QStringLiteral("select tempo=timediff(uscita,entrata) from cartellini")).toInt(), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select tipo from cartellini")).toString().trimmed(), QStringLiteral("RI"));
    QVERIFY(filled(f).isEmpty());
    QCOMPARE(f.Edit1->text(), QString());
    QVERIFY(!vlm::isConnected(kConn));

    // A third Enter opens a new record, with the activity now in the box.
    enter(f, QStringLiteral("rssmra80a01h501u"));
    QCOMPARE(TestDb::count(QStringLiteral("cartellini")), 2);
    QCOMPARE(openRecords(p), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat('[',tipo,']') from cartellini where uscita is null")).toString(),
             QStringLiteral("[SE ]"));
    QCOMPARE(filled(f).size(), 1);
}

void TstPresenze::findsPerson_data()
{
    QTest::addColumn<QString>("stored");  // fiscal code as stored
    QTest::addColumn<QString>("typed");   // what is typed; %1 stands for the person key
    QTest::newRow("same code") << QStringLiteral("BNCLRA85M41F205X") << QStringLiteral("BNCLRA85M41F205X");
    QTest::newRow("typed in lower case with blanks") << QStringLiteral("BNCLRA85M41F205X") << QStringLiteral("  bnclra85m41f205x ");
    QTest::newRow("stored with blanks") << QStringLiteral("  BNCLRA85M41F205X  ") << QStringLiteral("BNCLRA85M41F205X");
    QTest::newRow("stored in lower case") << QStringLiteral("bnclra85m41f205x") << QStringLiteral("BnClRa85M41F205X");
    QTest::newRow("person key") << QStringLiteral("BNCLRA85M41F205X") << QStringLiteral("%1");
    QTest::newRow("person key with blanks") << QString() << QStringLiteral(" %1 ");
}

void TstPresenze::findsPerson()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    // Another person first, so that the key found is not just the first row.
    TestDb::addPerson(QStringLiteral("Verdi Gino"), QStringLiteral("Codicefiscale"), QStringLiteral("'VRDGNI70A01A001A'"));
    const qint64 p = TestDb::addPerson(QStringLiteral("Bianchi Laura"), QStringLiteral("Codicefiscale"),
                                       QStringLiteral("'%1'").arg(stored));
    TFoPresenze f;
    f.show();
    Answerer a;
    enter(f, typed.contains(QLatin1String("%1")) ? typed.arg(p) : typed);
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    QCOMPARE(TestDb::count(QStringLiteral("cartellini")), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select codice from cartellini")).toLongLong(), p);
    QCOMPARE(TestDb::scalar(QStringLiteral("select nome from cartellini")).toString(), QStringLiteral("Bianchi Laura"));
}

void TstPresenze::notRecognised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("unknown fiscal code") << QStringLiteral("XXXYYY99Z99Z999Z");
    QTest::newRow("unknown key") << QStringLiteral("99999");
    // A fiscal code is never taken for a key: its number value is 0.
    QTest::newRow("code starting with the key") << QStringLiteral("%1ABC");
}

void TstPresenze::notRecognised()
{
    QFETCH(QString, typed);
    const qint64 p = TestDb::addPerson(QStringLiteral("Neri Anna"), QStringLiteral("Codicefiscale"),
                                       QStringLiteral("'NRENNA90A41L219K'"));
    TFoPresenze f;
    f.show();
    Answerer a;
    enter(f, typed.contains(QLatin1String("%1")) ? typed.arg(p) : typed);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().caption, QStringLiteral("Errore"));
    QCOMPARE(a.messages().first().text, QStringLiteral("Volontario non riconosciuto"));
    QCOMPARE(f.Edit1->text(), QString());
    QCOMPARE(TestDb::count(QStringLiteral("cartellini")), 0);
    QVERIFY(!vlm::isConnected(kConn));
}

void TstPresenze::onDutyListAndRefresh()
{
    // Somebody without a fiscal code: an empty Enter must not clock him in.
    const qint64 p = TestDb::addPerson(QStringLiteral("Gialli Carlo"));
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,uscita,tempo,tipo) values"
                                "(%1,'Gialli Carlo','2026-03-02 08:00:00','2026-03-02 10:00:00','02:00:00','EM '),"
                                "(7,'Blu Sara','2026-03-02 09:15:30',NULL,NULL,'OR ')").arg(p));
    TFoPresenze f;
    // The list is read when the window is created; closed records are not on it.
    QCOMPARE(filled(f), QStringList{QStringLiteral("7 Blu Sara 02/03/2026 09:15:30 OR ")});
    QCOMPARE(f.lines().size(), TFoPresenze::kLines);
    QCOMPARE(f.Timer1->interval(), 300000);
    QVERIFY(f.Timer1->isActive());
    f.show();

    Answerer a;
    enter(f, QStringLiteral("   "));
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("cartellini")), 2);

    // Another workstation clocks somebody in: the next tick shows him.
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,tipo) values(8,'Viola Ada','2026-03-02 09:20:00','SO ')"));
    QCOMPARE(filled(f).size(), 1);
    f.Timer1->setInterval(20);
    f.Timer1->start();
    QTRY_COMPARE(filled(f).size(), 2);
    QCOMPARE(filled(f).at(1), QStringLiteral("8 Viola Ada 02/03/2026 09:20:00 SO "));
    QVERIFY(f.Timer1->isActive());
    QVERIFY(!vlm::isConnected(kConn));

    // ... and clocks one out: the line goes, the others move up.
    TestDb::exec(QStringLiteral("update cartellini set uscita='2026-03-02 11:00:00' where codice=7"));
    QTRY_COMPARE(filled(f), QStringList{QStringLiteral("8 Viola Ada 02/03/2026 09:20:00 SO ")});
    QCOMPARE(f.lines().at(1), QString());
    QVERIFY(a.messages().isEmpty());
}

void TstPresenze::moreThanTwentyFiveOnDuty()
{
    QStringList values;
    for (int i = 1; i <= 27; ++i)
        values << QStringLiteral("(%1,'Persona %1','2026-04-01 08:%2:00','EM ')").arg(i).arg(i, 2, 10, QLatin1Char('0'));
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,tipo) values ") + values.join(QLatin1Char(',')));
    TFoPresenze f;
    const QStringList lines = f.lines();
    QCOMPARE(lines.size(), 25);
    QCOMPARE(lines.first(), QStringLiteral("1 Persona 1 01/04/2026 08:01:00 EM "));
    QCOMPARE(lines.last(), QStringLiteral("25 Persona 25 01/04/2026 08:25:00 EM "));
}

void TstPresenze::timerGoesOnAfterServerError()
{
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,tipo) values(3,'Rosa Lia','2026-05-05 07:00:00','EM ')"));
    TFoPresenze f;
    f.show();
    QCOMPARE(filled(f).size(), 1);
    TestDb::exec(QStringLiteral("rename table cartellini to cartellini_via"));
    {
        Answerer a;
        f.Timer1Timer();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    }
    TestDb::exec(QStringLiteral("rename table cartellini_via to cartellini"));
    // The tick that failed leaves the timer running: the next one reads the list again.
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.Timer1->interval(), 300000);
    f.Timer1->setInterval(20);
    f.Timer1->start();
    QTRY_COMPARE(filled(f).size(), 1);
}

void TstPresenze::activityDropDown()
{
    TFoPresenze f;
    f.show();
    QStringList items;
    for (int i = 0; i < f.CB1->count(); ++i) items << f.CB1->itemText(i);
    QCOMPARE(items.size(), 10);
    QCOMPARE(items.first(), QStringLiteral("EM Servizio Sanitario di Emergenza"));
    QCOMPARE(items.at(1), QStringLiteral("OR Servizio Sanitario Ordinario"));
    QCOMPARE(items.last(), QStringLiteral("EV Eventi e Manifestazioni"));
    QVERIFY(!vlm::isConnected(kConn));

    // A typed text survives the refill at the next activation, which takes in a new type.
    f.CB1->setEditText(QStringLiteral("XX Altro"));
    TestDb::exec(QStringLiteral("insert into Elenchi(TIPO,CODICE,DESCRIZIONE) values('E','VS','Visita Scuole')"));
    f.FormActivate();
    QCOMPARE(f.CB1->currentText(), QStringLiteral("XX Altro"));
    QCOMPARE(f.CB1->count(), 11);
    QCOMPARE(f.CB1->itemText(10), QStringLiteral("VS Visita Scuole"));
    QVERIFY(!vlm::isConnected(kConn));

    // The code stored is the first three characters of the trimmed text.
    const qint64 p = TestDb::addPerson(QStringLiteral("Marrone Ivo"));
    f.CB1->setEditText(QStringLiteral("  VS Visita Scuole"));
    Answerer a;
    enter(f, QString::number(p));
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat('[',tipo,']') from cartellini")).toString(), QStringLiteral("[VS ]"));
}

void TstPresenze::mainWindowEntry()
{
    qputenv("USERNAME", "nessuno.qui");
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,tipo) values(4,'Oro Pia','2026-06-06 06:06:06','TS ')"));
    TFormMain w;
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    Answerer a;
    QStringList seen;
    a.onDialog(QStringLiteral("TFoPresenze"), [&seen](QWidget *d) {
        auto *f = static_cast<TFoPresenze *>(d);
        seen = f->lines();
        static_cast<QDialog *>(d)->reject();
    });
    w.findChild<QAbstractButton *>(QStringLiteral("BtnMarcatempo"))->click();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoPresenze")});
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().at(0).toString(), QStringLiteral("TFoPresenze"));
    QCOMPARE(seen.value(0), QStringLiteral("4 Oro Pia 06/06/2026 06:06:06 TS "));
    QVERIFY(a.messages().isEmpty());
    QVERIFY(w.findChildren<TFoPresenze *>().isEmpty());
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY(!vlm::isConnected(kConn));
}

QTEST_MAIN(TstPresenze)
#include "tst_presenze.moc"
