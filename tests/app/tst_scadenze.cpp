// The expiry notices: what they list, when the medicines notice mails itself, "Invia".
#include "app/TFoScCheck.h"
#include "app/TFormMain.h"
#include "support/Answerer.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"
#include "platform/Db.h"

#include <QSqlQuery>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::MailCapture;
using vlmtest::TestDb;

namespace {

QString day(int offset) { return QDate::currentDate().addDays(offset).toString(QStringLiteral("yyyy-MM-dd")); }
QString shown(int offset) { return QDate::currentDate().addDays(offset).toString(QStringLiteral("dd/MM/yyyy")); }

// Records the text of every notice window shown and closes it.
void recordNotices(Answerer &a, QStringList *texts, QStringList *captions)
{
    a.onDialog(QStringLiteral("TFoScCheck"), [texts, captions](QWidget *w) {
        auto *f = static_cast<TFoScCheck *>(w);
        texts->append(f->Memo1->toPlainText());
        captions->append(f->windowTitle());
        f->close();
    }, true);
}

}  // namespace

class TstScadenze : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init()
    {
        TestDb::reset();
        qputenv("USERNAME", "nessuno");
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void medicinesLines();
    void medicinesAcrossMonthEnd();
    void startUpMailsOncePerDay();
    void nothingToReportShowsNothing();
    void startUpWithBadDateStopsWithErrorBox();
    void licencesLines();
    void inviaMailsEditedLines();
};

void TstScadenze::medicinesLines()
{
    const qint64 m = TestDb::addVehicle(QStringLiteral("AMB 1"));
    TestDb::exec(QStringLiteral("insert into Farmaci(NOME) values('Garze')"));
    const qint64 f = TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
    // Checklist: expired long ago, in two days, stored without expiry, and in three days (not listed).
    TestDb::exec(QStringLiteral("insert into checklist(IDM,IDF,QUANTITA,SCADENZA,POSIZIONE) values"
                                "(%1,%2,4,'%3','Zaino'),(%1,%2,2,'%4','Cassetto 2'),(%1,%2,1,'1899-12-30','Vano'),(%1,%2,9,'%5','X')")
                     .arg(m).arg(f).arg(day(-400), day(2), day(3)));
    // Lots: in two days (listed with the quantity loaded), in three days, used up.
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,QUANTITA,Q_USATA,SCADENZA) values(%1,10,3,'%2'),(%1,5,0,'%3'),(%1,5,5,'%4')")
                     .arg(f).arg(day(2), day(3), day(-1)));
    Answerer a;
    QStringList texts, captions;
    recordNotices(a, &texts, &captions);
    vlm::medicinesNotice(nullptr, false);
    QCOMPARE(captions, QStringList{QStringLiteral("Farmaci Scaduti")});
    QCOMPARE(texts.value(0).split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("AMB 1 30/12/1899 1 Garze Vano"),
                          QStringLiteral("AMB 1 %1 4 Garze Zaino").arg(shown(-400)),
                          QStringLiteral("AMB 1 %1 2 Garze Cassetto 2").arg(shown(2)),
                          QStringLiteral("Farmaci in Magazzino"),
                          QStringLiteral("%1 10 Garze ").arg(shown(2))}));
}

void TstScadenze::medicinesAcrossMonthEnd()
{
    const qint64 m = TestDb::addVehicle(QStringLiteral("AMB 1"));
    TestDb::exec(QStringLiteral("insert into checklist(IDM,QUANTITA,SCADENZA,POSIZIONE) values(%1,1,'2027-01-01','Vano')").arg(m));
    // The server's day on the shared connection is 30/12/2026: the item expires in two days.
    QSqlQuery set(vlm::connection(QStringLiteral("DB")));
    QVERIFY(set.exec(QStringLiteral("SET timestamp = UNIX_TIMESTAMP('2026-12-30 10:00:00')")));
    Answerer a;
    QStringList texts, captions;
    recordNotices(a, &texts, &captions);
    vlm::medicinesNotice(nullptr, false);
    vlm::disconnect(QStringLiteral("DB"));
    QCOMPARE(texts, QStringList{QStringLiteral("AMB 1 01/01/2027 1  Vano")});
}

void TstScadenze::startUpMailsOncePerDay()
{
    MailCapture mail;
    TestDb::exec(QStringLiteral("insert into Farmaci(NOME) values('Ossigeno')"));
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,QUANTITA,SCADENZA) values(LAST_INSERT_ID(),2,'%1')").arg(day(-3)));
    TestDb::addPerson(QStringLiteral("Farmacista"), QStringLiteral("Utente,LivelloF"), QStringLiteral("'farma',6"));
    // A user whose medicines digit is below 6 starts without the notice.
    TestDb::addPerson(QStringLiteral("Autista"), QStringLiteral("Utente,LivelloF"), QStringLiteral("'autista',5"));
    Answerer a;
    QStringList texts, captions;
    recordNotices(a, &texts, &captions);
    qputenv("USERNAME", "autista");
    { TFormMain w; }
    QCOMPARE(texts.size(), 0);

    qputenv("USERNAME", "farma");
    { TFormMain w; }
    { TFormMain w; }
    QCOMPARE(texts.size(), 2);  // shown at both starts
    const auto mails = mail.waitFor(1);
    QCOMPARE(mail.mails(300).size(), 1);  // mailed once
    QCOMPARE(mails[0].header(QStringLiteral("Subject")), QStringLiteral("Farmaci Scaduti"));
    QCOMPARE(mails[0].header(QStringLiteral("To")),
             TestDb::scalar(QStringLiteral("select VALORE from Dati where NOME='MAIL_SCADENZE_FARMACI'")).toString());
    QCOMPARE(mails[0].body(), (QStringList{QStringLiteral("Farmaci in Magazzino"), QStringLiteral("%1 2 Ossigeno ").arg(shown(-3))}));
    QCOMPARE(TestDb::scalar(QStringLiteral("select VALORE from Dati where NOME='INVIOSCADENZE'")).toString(), shown(0));
    // Mailed yesterday: mailed again today.
    TestDb::exec(QStringLiteral("update Dati set VALORE='%1' where NOME='INVIOSCADENZE'").arg(shown(-1)));
    { TFormMain w; }
    QCOMPARE(mail.waitFor(2).size(), 2);
}

void TstScadenze::nothingToReportShowsNothing()
{
    MailCapture mail;
    TestDb::addPerson(QStringLiteral("Farmacista"), QStringLiteral("Utente,LivelloF"), QStringLiteral("'farma',9"));
    qputenv("USERNAME", "farma");
    Answerer a;
    QStringList texts, captions;
    recordNotices(a, &texts, &captions);
    {
        TFormMain w;
        w.ScadenzeFarmaci1->trigger();
        w.Check1->trigger();
    }
    QVERIFY(texts.isEmpty());
    QCOMPARE(mail.mails(300).size(), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Dati"), QStringLiteral("NOME='INVIOSCADENZE'")), 0);
}

void TstScadenze::startUpWithBadDateStopsWithErrorBox()
{
    MailCapture mail;
    TestDb::exec(QStringLiteral("insert into Farmaci(NOME) values('Ossigeno')"));
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,QUANTITA,SCADENZA) values(LAST_INSERT_ID(),2,'%1')").arg(day(0)));
    TestDb::exec(QStringLiteral("insert into Dati(NOME,VALORE) values('INVIOSCADENZE','ieri')"));
    TestDb::addPerson(QStringLiteral("Farmacista"), QStringLiteral("Utente,LivelloF"), QStringLiteral("'farma',7"));
    qputenv("USERNAME", "farma");
    Answerer a;
    QStringList texts, captions;
    recordNotices(a, &texts, &captions);
    TFormMain w;
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(texts.isEmpty());
    QVERIFY(w.userId() > 0);  // the login itself stands
    QCOMPARE(mail.mails(300).size(), 0);
}

void TstScadenze::licencesLines()
{
    TestDb::addPerson(QStringLiteral("Rossi Anna"), QStringLiteral("scadpatvlm,statopatvlm,stato"),
                      QStringLiteral("'%1','Valida','Attivo'").arg(day(29)));
    TestDb::addPerson(QStringLiteral("Bruni Ezio"), QStringLiteral("scadpatvlm,statopatvlm,stato"),
                      QStringLiteral("'%1','Valida','Riserva'").arg(day(-10)));
    TestDb::addPerson(QStringLiteral("Conti Ugo"), QStringLiteral("scadpatvlm,statopatvlm,stato"),
                      QStringLiteral("'%1','Valida','Attivo'").arg(day(30)));
    TestDb::addPerson(QStringLiteral("Dani Pia"), QStringLiteral("scadpatvlm,statopatvlm,stato"),
                      QStringLiteral("'%1','Sospesa','Attivo'").arg(day(1)));
    MailCapture mail;
    TFormMain w;
    Answerer a;
    QStringList texts, captions;
    recordNotices(a, &texts, &captions);
    w.Check1->trigger();
    QCOMPARE(captions, QStringList{QStringLiteral("Scadenze Patenti")});
    QCOMPARE(texts.value(0).split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("%1 Bruni Ezio Riserva").arg(shown(-10)),
                          QStringLiteral("%1 Rossi Anna Attivo").arg(shown(29))}));
    QCOMPARE(mail.mails(300).size(), 0);  // never mails by itself
}

void TstScadenze::inviaMailsEditedLines()
{
    MailCapture mail;
    TFoScCheck f;
    f.tipo = QStringLiteral("P");
    f.Button1->click();  // empty: nothing
    QCOMPARE(mail.mails(300).size(), 0);
    f.Memo1->setPlainText(QStringLiteral("riga uno\nriga due corretta"));
    f.Button1->click();
    f.Button1->click();  // each press mails again
    const auto mails = mail.waitFor(2);
    QCOMPARE(mails.size(), 2);
    QCOMPARE(mails[0].header(QStringLiteral("Subject")), QStringLiteral("Patenti Scadute"));
    QCOMPARE(mails[0].body(), (QStringList{QStringLiteral("riga uno"), QStringLiteral("riga due corretta")}));
    QCOMPARE(mails[0].recipients(),
             TestDb::scalar(QStringLiteral("select VALORE from Dati where NOME='MAIL_SCADENZE_PATENTI'")).toString().split(QLatin1Char(';')));
    QVERIFY(mails[0].header(QStringLiteral("Bcc")).isNull());
    QCOMPARE(TestDb::scalar(QStringLiteral("select VALORE from Dati where NOME='INVIOPATENTI'")).toString(), shown(0));
}

QTEST_MAIN(TstScadenze)
#include "tst_scadenze.moc"
