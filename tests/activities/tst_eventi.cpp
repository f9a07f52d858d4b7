// Events and missions: the list from today on or with the past ones, deleting an event with
// its participants, the event window (load, store, copy, participants) and the assignment
// mails with their calendar link; the main window's entry.
#include "activities/TFoEleEve.h"
#include "activities/TFoEvento.h"
#include "app/TFormMain.h"
#include "core/CalendarLink.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "support/Answerer.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

using vlmtest::TestDb;

namespace {

QString sqlDay(int offset) { return QDate::currentDate().addDays(offset).toString(QStringLiteral("yyyy-MM-dd")); }
QString ddmmyyyy(int offset) { return vlm::dateToStr(QDate::currentDate().addDays(offset)); }

qint64 addEvent(int dayOffset, const QString &descr, const QString &luogo = QStringLiteral("Piazza Grande"),
                const QString &extraCols = QString(), const QString &extraVals = QString())
{
    TestDb::exec(QStringLiteral("insert into Eventi(EVENTO,DATA,DATAF,LUOGO,DESCRIZIONE,ORAI,ORAF,MINIMO,MASSIMO%1) "
                                "values('SI','%2','%2','%3','%4','08:00','12:00',4,6%5)")
                     .arg(extraCols.isEmpty() ? QString() : QStringLiteral(",") + extraCols, sqlDay(dayOffset), luogo, descr,
                          extraVals.isEmpty() ? QString() : QStringLiteral(",") + extraVals));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

qint64 addParticipant(qint64 ev, qint64 vol, const QString &from, const QString &to, int dayOffset = 0)
{
    TestDb::exec(QStringLiteral("insert into Eve_Vol(ID_EV,ID_VOL,ORAI,ORAF,DATA_SER) values(%1,%2,'%3','%4','%5')")
                     .arg(ev)
                     .arg(vol)
                     .arg(from, to, sqlDay(dayOffset)));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

QStringList column(vlm::GridTable *t, const QString &field)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) out << t->text(r, field);
    return out;
}

// The participants as stored: "volunteer|start|end|day", by key.
QStringList storedParticipants(qint64 ev)
{
    QStringList out;
    const int n = TestDb::count(QStringLiteral("Eve_Vol"), QStringLiteral("ID_EV=%1").arg(ev));
    for (int i = 0; i < n; ++i)
        out << TestDb::scalar(QStringLiteral("select concat_ws('|',ID_VOL,ORAI,ORAF,ifnull(DATA_SER,'-')) from Eve_Vol "
                                             "where ID_EV=%1 order by ID limit %2,1")
                                  .arg(ev)
                                  .arg(i))
                   .toString();
    return out;
}

// Types a value into a participant's cell as the grid's editor hands it over.
bool edit(TFoEvento &f, int row, int col, const QString &text)
{
    return f.DBGrid1->model()->setData(f.DBGrid1->model()->index(row, col), text, Qt::EditRole);
}

// Runs fn on the window once it is shown (after its own show handling).
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

}  // namespace

class TstEventi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listFromTodayOrPast();
    void deleteEventWithParticipants();
    void newEventStoredWithParticipants();
    void loadEventKinds_data();
    void loadEventKinds();
    void saveRejectsBadDates_data();
    void saveRejectsBadDates();
    void newRowWithoutFirstDay();
    void copyAndDeleteParticipant();
    void assignmentMails();
    void calendarLinkTimes_data();
    void calendarLinkTimes();
    void mainWindowEntry();
};

void TstEventi::listFromTodayOrPast()
{
    addEvent(-1, QStringLiteral("Ieri"));
    addEvent(0, QStringLiteral("Oggi"));
    addEvent(3, QStringLiteral("Tra tre giorni"));
    addEvent(-30, QStringLiteral("Un mese fa"));
    addEvent(1, QStringLiteral("Domani: una descrizione molto lunga che supera i quaranta caratteri"),
             QStringLiteral("Un luogo dal nome anche questo molto lungo, oltre quaranta"));

    TFoEleEve l;
    l.show();
    QCOMPARE(column(l.table(), QStringLiteral("DESCRIZ")),
             (QStringList{"Oggi", "Domani: una descrizione molto lunga che ", "Tra tre giorni"}));
    QCOMPARE(l.table()->text(1, QStringLiteral("LUOGO")), QStringLiteral("Un luogo dal nome anche questo molto lun"));
    QCOMPARE(l.table()->text(0, QStringLiteral("DATA")), ddmmyyyy(0));
    QCOMPARE(l.DBGrid1->currentRow(), 0);
    // The grid shows description, day, place, times and numbers in this order.
    QCOMPARE(l.model()->columnCount(), 7);
    QCOMPARE(l.model()->index(0, 0).data().toString(), QStringLiteral("Oggi"));
    QCOMPARE(l.model()->index(0, 3).data().toString(), QStringLiteral("08:00"));
    QCOMPARE(l.model()->index(0, 6).data().toString(), QStringLiteral("6"));

    l.CheckBox1->click();  // "Passati": everything, latest first
    QCOMPARE(column(l.table(), QStringLiteral("DESCRIZ")),
             (QStringList{"Tra tre giorni", "Domani: una descrizione molto lunga che ", "Oggi", "Ieri", "Un mese fa"}));
    l.CheckBox1->click();
    QCOMPARE(l.table()->rowCount(), 3);

    // A title click sorts ascending by that column, however often it is clicked.
    l.DBGrid1->clickTitle(0);
    l.DBGrid1->clickTitle(0);
    QCOMPARE(column(l.table(), QStringLiteral("DESCRIZ")).first(), QStringLiteral("Domani: una descrizione molto lunga che "));
}

void TstEventi::deleteEventWithParticipants()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 a = addEvent(1, QStringLiteral("Primo"));
    const qint64 b = addEvent(2, QStringLiteral("Secondo"));
    addParticipant(a, p, QStringLiteral("08:00"), QStringLiteral("10:00"));
    addParticipant(a, p, QStringLiteral("10:00"), QStringLiteral("12:00"));
    addParticipant(b, p, QStringLiteral("09:00"), QStringLiteral("11:00"));

    TFoEleEve l;
    l.show();
    vlmtest::Answerer ans;  // no confirmation is asked
    l.DBGrid1->setCurrentRow(0);
    l.Button2->click();
    QVERIFY(ans.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Eventi"), QStringLiteral("ID=%1").arg(a)), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Eve_Vol"), QStringLiteral("ID_EV=%1").arg(a)), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Eve_Vol"), QStringLiteral("ID_EV=%1").arg(b)), 1);
    QCOMPARE(column(l.table(), QStringLiteral("DESCRIZ")), QStringList{QStringLiteral("Secondo")});

    // The last one goes too; on an empty list the button does nothing.
    l.Button2->click();
    QCOMPARE(TestDb::count(QStringLiteral("Eventi")), 0);
    QCOMPARE(l.table()->rowCount(), 0);
    l.Button2->click();
    QVERIFY(ans.messages().isEmpty());
}

void TstEventi::newEventStoredWithParticipants()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"), QStringLiteral("stato"), QStringLiteral("'Dipendente'"));
    TestDb::addPerson(QStringLiteral("Bianchi Ex"), QStringLiteral("stato"), QStringLiteral("'Dimesso'"));
    TestDb::addPerson(QStringLiteral("Neri Riserva"), QStringLiteral("stato"), QStringLiteral("'Riserva'"));

    TFoEvento f(0);
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Evento"));
    QVERIFY(f.Evento->isChecked());
    QVERIFY(f.MaskEdit1->isVisible());
    QCOMPARE(f.pickList(), (QStringList{"Neri Riserva", "Rossi Mario", "Verdi Anna"}));
    QCOMPARE(f.table()->rowCount(), 0);

    f.MaskEdit2->setText(QStringLiteral("05/06/2031"));
    f.MaskEdit5->setText(QStringLiteral("07/06/2031"));
    f.MaskEdit1->setText(QStringLiteral("08:30"));
    f.MaskEdit3->setText(QStringLiteral("18:00"));
    f.Edit1->setText(QStringLiteral("Stadio O'Neill"));
    f.Edit2->setText(QStringLiteral("Assistenza partita"));
    f.MaskEdit4->setText(QStringLiteral("12"));
    f.Memo1->setPlainText(QStringLiteral("Divisa estiva\nPresentarsi in sede"));

    // Insert on the grid starts a row from the event's times and first day.
    f.DBGrid1->setFocus();
    QTest::keyClick(f.DBGrid1, Qt::Key_Insert);
    QCOMPARE(f.table()->rowCount(), 1);
    QCOMPARE(f.table()->text(0, QStringLiteral("ORAI")), QStringLiteral("08:30"));
    QCOMPARE(f.table()->text(0, QStringLiteral("ORAF")), QStringLiteral("18:00"));
    QCOMPARE(f.table()->text(0, QStringLiteral("DATA")), QStringLiteral("05/06/2031"));
    QVERIFY(edit(f, 0, 0, QStringLiteral(" Verdi Anna ")));
    QVERIFY(edit(f, 0, 3, QStringLiteral("14:00")));
    // Down on the last row adds the next one.
    QTest::keyClick(f.DBGrid1, Qt::Key_Down);
    QCOMPARE(f.table()->rowCount(), 2);
    QVERIFY(edit(f, 1, 0, QStringLiteral("Rossi Mario")));
    QVERIFY(edit(f, 1, 1, QStringLiteral("06/06/2031")));
    f.Tb1NewRecord();
    QVERIFY(edit(f, 2, 0, QStringLiteral("Nessuno Noto")));

    vlmtest::Answerer a;
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Eventi")), 1);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from Eventi")).toLongLong();
    QCOMPARE(f.id(), id);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',EVENTO,MISSIONE,DATA,DATAF,LUOGO,DESCRIZIONE,ORAI,ORAF,"
                                           "MINIMO,NOTE) from Eventi"))
                 .toString(),
             QStringLiteral("SI||2031-06-05|2031-06-07|Stadio O'Neill|Assistenza partita|08:30|18:00|12|"
                            "Divisa estiva\nPresentarsi in sede"));
    QCOMPARE(storedParticipants(id), (QStringList{QStringLiteral("%1|08:30|14:00|2031-06-05").arg(anna),
                                                  QStringLiteral("%1|08:30|18:00|2031-06-06").arg(mario),
                                                  QStringLiteral("0|08:30|18:00|2031-06-05")}));
    // Reloaded from the tables: the unknown name shows empty; every row has its key now.
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")).size(), 3);
    QVERIFY(column(f.table(), QStringLiteral("VOLONTARIO")).contains(QString()));
    QVERIFY(!column(f.table(), QStringLiteral("ID")).contains(QStringLiteral("0")));

    // A second "Salva" changes the same rows: a mission now, without times.
    f.Missione->click();
    QVERIFY(!f.MaskEdit1->isVisible() && !f.Label3->isVisible() && !f.Label4->isVisible());
    f.MaskEdit1->setText(QString());
    f.MaskEdit4->setText(QString());
    const int rMario = column(f.table(), QStringLiteral("VOLONTARIO")).indexOf(QStringLiteral("Rossi Mario"));
    QVERIFY(edit(f, rMario, 3, QStringLiteral("20:00")));
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Eventi")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("Eve_Vol")), 3);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',EVENTO,MISSIONE,ORAI,ORAF,MINIMO) from Eventi")).toString(),
             QStringLiteral("|SI||18:00|0"));
    QCOMPARE(storedParticipants(id).value(1), QStringLiteral("%1|08:30|20:00|2031-06-06").arg(mario));
}

void TstEventi::loadEventKinds_data()
{
    QTest::addColumn<QString>("evento");
    QTest::addColumn<QString>("missione");
    QTest::addColumn<bool>("eventoChosen");
    QTest::addColumn<bool>("missioneChosen");
    QTest::addColumn<bool>("timesShown");
    QTest::newRow("event") << "SI" << "" << true << false << true;
    QTest::newRow("mission") << "" << "SI" << false << true << false;
    QTest::newRow("neither") << "" << "" << false << false << true;
}

void TstEventi::loadEventKinds()
{
    QFETCH(QString, evento);
    QFETCH(QString, missione);
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    TestDb::exec(QStringLiteral("insert into Eventi(EVENTO,MISSIONE,DATA,DATAF,LUOGO,DESCRIZIONE,ORAI,ORAF,MINIMO,NOTE) "
                                "values('%1','%2','2030-02-01','2030-02-03','Rifugio','Campo base','07:15','19:45',5,'a\nb')")
                     .arg(evento, missione));
    const qint64 id = TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
    addParticipant(id, mario, QStringLiteral("10:00"), QStringLiteral("12:00"));
    addParticipant(id, anna, QStringLiteral("07:00"), QStringLiteral("09:00"));
    addParticipant(id + 1, anna, QStringLiteral("06:00"), QStringLiteral("09:00"));  // another event's

    TFoEvento f(id);
    f.show();
    QFETCH(bool, eventoChosen);
    QFETCH(bool, missioneChosen);
    QFETCH(bool, timesShown);
    QCOMPARE(f.Evento->isChecked(), eventoChosen);
    QCOMPARE(f.Missione->isChecked(), missioneChosen);
    QCOMPARE(f.MaskEdit1->isVisible(), timesShown);
    QCOMPARE(f.MaskEdit3->isVisible(), timesShown);
    QCOMPARE(f.MaskEdit2->text(), QStringLiteral("01/02/2030"));
    QCOMPARE(f.MaskEdit5->text(), QStringLiteral("03/02/2030"));
    QCOMPARE(f.MaskEdit1->text(), QStringLiteral("07:15"));
    QCOMPARE(f.MaskEdit3->text(), QStringLiteral("19:45"));
    QCOMPARE(f.MaskEdit4->text().trimmed(), QStringLiteral("5"));
    QCOMPARE(f.Edit1->text(), QStringLiteral("Rifugio"));
    QCOMPARE(f.Edit2->text(), QStringLiteral("Campo base"));
    QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("a\nb"));
    // Participants by start time, with their own day and times.
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), (QStringList{"Verdi Anna", "Rossi Mario"}));
    QCOMPARE(column(f.table(), QStringLiteral("IDOP")), (QStringList{QString::number(anna), QString::number(mario)}));
    QCOMPARE(f.DBGrid1->model()->index(1, 1).data().toString(), ddmmyyyy(0));
    QCOMPARE(f.DBGrid1->model()->index(1, 2).data().toString(), QStringLiteral("10:00"));
}

void TstEventi::saveRejectsBadDates_data()
{
    QTest::addColumn<QString>("dal");
    QTest::addColumn<QString>("al");
    QTest::newRow("no first day") << "" << "02/02/2030";
    QTest::newRow("no last day") << "01/02/2030" << "";
    QTest::newRow("not a day") << "31/02/2030" << "02/02/2030";
}

void TstEventi::saveRejectsBadDates()
{
    QFETCH(QString, dal);
    QFETCH(QString, al);
    TestDb::addPerson(QStringLiteral("Rossi Mario"));
    TFoEvento f(0);
    f.show();
    f.MaskEdit2->setText(QStringLiteral("01/02/2030"));
    f.Tb1NewRecord();
    QVERIFY(edit(f, 0, 0, QStringLiteral("Rossi Mario")));
    f.MaskEdit2->setText(dal);
    f.MaskEdit5->setText(al);
    f.Edit2->setText(QStringLiteral("Non salvato"));
    vlmtest::Answerer a;
    f.Button3->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(TestDb::count(QStringLiteral("Eventi")), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Eve_Vol")), 0);
    QCOMPARE(f.id(), 0);
    QCOMPARE(f.table()->rowCount(), 1);  // the window keeps what was typed
}

void TstEventi::newRowWithoutFirstDay()
{
    TFoEvento f(0);
    f.show();
    f.MaskEdit1->setText(QStringLiteral("09:00"));
    f.MaskEdit3->setText(QStringLiteral("11:30"));
    vlmtest::Answerer a;
    f.DBGrid1->setFocus();
    QTest::keyClick(f.DBGrid1, Qt::Key_Insert);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(f.table()->rowCount(), 1);
    QCOMPARE(f.table()->text(0, QStringLiteral("ORAI")), QStringLiteral("09:00"));
    QCOMPARE(f.table()->text(0, QStringLiteral("ORAF")), QStringLiteral("11:30"));
    QVERIFY(!f.table()->value(0, QStringLiteral("DATA")).toDate().isValid());

    // A day typed into the grid that is not a date is refused; the cell keeps its value.
    a.clear();
    QVERIFY(!edit(f, 0, 1, QStringLiteral("32/01/2030")));
    QCOMPARE(a.messages().size(), 1);
    QVERIFY(!f.table()->value(0, QStringLiteral("DATA")).toDate().isValid());
    QVERIFY(edit(f, 0, 1, QStringLiteral("15/03/2030")));

    // Stored with the typed day; a row still without a day is stored without one.
    QTest::keyClick(f.DBGrid1, Qt::Key_Down);  // again no first day: error, row kept
    QCOMPARE(a.messages().size(), 2);
    QCOMPARE(f.table()->rowCount(), 2);
    f.MaskEdit2->setText(QStringLiteral("14/03/2030"));
    f.MaskEdit5->setText(QStringLiteral("15/03/2030"));
    f.Button3->click();
    QCOMPARE(storedParticipants(f.id()),
             (QStringList{QStringLiteral("0|09:00|11:30|2030-03-15"), QStringLiteral("0|09:00|11:30|-")}));
}

void TstEventi::copyAndDeleteParticipant()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    const qint64 id = addEvent(5, QStringLiteral("Sagra"), QStringLiteral("Borgo"));
    addParticipant(id, mario, QStringLiteral("08:00"), QStringLiteral("10:00"));
    const qint64 pAnna = addParticipant(id, anna, QStringLiteral("09:00"), QStringLiteral("11:00"));

    vlmtest::Answerer a;
    {
        TFoEvento f(id);
        f.show();
        // Delete Anna's row; an unsaved row goes with the reload.
        f.Tb1NewRecord();
        f.DBGrid1->setCurrentIndex(f.DBGrid1->model()->index(1, 0));
        f.Button1->click();
        QCOMPARE(TestDb::count(QStringLiteral("Eve_Vol"), QStringLiteral("ID=%1").arg(pAnna)), 0);
        QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), QStringList{QStringLiteral("Rossi Mario")});

        // A copy: new key, no first day, no participants; everything else kept.
        f.Button2->click();
        QCOMPARE(f.id(), 0);
        QVERIFY(f.MaskEdit2->isMaskEmpty());
        QCOMPARE(f.table()->rowCount(), 0);
        QCOMPARE(f.Edit2->text(), QStringLiteral("Sagra"));
        f.MaskEdit2->setText(ddmmyyyy(12));
        f.Button3->click();
        QVERIFY(f.id() > id);
        QCOMPARE(f.table()->rowCount(), 0);
    }
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Eventi")), 2);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',DATA,LUOGO,DESCRIZIONE,ORAI,ORAF,MINIMO) from Eventi "
                                           "where ID<>%1")
                                .arg(id))
                 .toString(),
             QStringLiteral("%1|Borgo|Sagra|08:00|12:00|4").arg(sqlDay(12)));
    QCOMPARE(storedParticipants(id), QStringList{QStringLiteral("%1|08:00|10:00|%2").arg(mario).arg(sqlDay(0))});
}

void TstEventi::assignmentMails()
{
    TestDb::exec(QStringLiteral("update Dati set VALORE='https://cal.example.org/calendar/event' where NOME='CALENDARIO'"));
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("Mail"), QStringLiteral("'mario@x.it'"));
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"), QStringLiteral("Mail"), QStringLiteral("' anna@x.it '"));
    const qint64 nomail = TestDb::addPerson(QStringLiteral("Senza Mail"), QStringLiteral("Mail"), QStringLiteral("''"));
    TestDb::addPerson(QStringLiteral("Nuovo Nino"), QStringLiteral("Mail"), QStringLiteral("'nino@x.it'"));
    const qint64 id = addEvent(7, QStringLiteral("x"));
    addParticipant(id, anna, QStringLiteral("07:30"), QStringLiteral("09:00"), 9);  // own day: not used by the mail
    addParticipant(id, nomail, QStringLiteral("08:00"), QStringLiteral("10:00"));
    addParticipant(id, mario, QStringLiteral("14:00"), QStringLiteral("18:15"));

    vlmtest::MailCapture mails;
    vlmtest::Answerer a;
    TFoEvento f(id);
    f.show();
    f.MaskEdit2->setText(QStringLiteral("05/06/2031"));
    f.Edit2->setText(QStringLiteral(" Gara 100% #3 + premi "));
    f.Edit1->setText(QStringLiteral("Piazza Duomo & Loggia"));
    f.Memo1->setPlainText(QStringLiteral("Divisa estiva\nPortare acqua"));
    // Added since the load: no volunteer key yet, so no mail.
    f.Tb1NewRecord();
    QVERIFY(edit(f, 3, 0, QStringLiteral("Nuovo Nino")));

    f.Button4->click();
    QVERIFY(a.messages().isEmpty());
    const QList<vlmtest::CapturedMail> got = mails.waitFor(2);
    QCOMPARE(got.size(), 2);
    QCOMPARE(mails.mails(500).size(), 2);  // nobody else: not the one without a mail, not the new row
    QStringList to;
    for (const auto &m : got) to << m.recipients();
    to.sort();
    QCOMPARE(to, (QStringList{"anna@x.it", "mario@x.it"}));

    const vlmtest::CapturedMail &an = got[0].recipients().contains(QStringLiteral("anna@x.it")) ? got[0] : got[1];
    QCOMPARE(an.header(QStringLiteral("Subject")), QStringLiteral("Assegnazione Servizio "));
    QCOMPARE(an.header(QStringLiteral("Bcc")), QString());
    const QString link = QStringLiteral(
        "https://cal.example.org/calendar/event?action=TEMPLATE&dates=20310605T073000%2F20310605T090000"
        "&text=servizio%20Gara%20100%25%20%233%20%2B%20premi&location=Piazza%20Duomo%20%26%20Loggia"
        "&details=%20Divisa%20estiva%0APortare%20acqua%20");
    QCOMPARE(an.body(), (QStringList{
                            "Gentile Volontario con la presente ti comunico che ti e' stato assegnato il servizio  Gara 100% #3 + premi ",
                            "che si svolgerà presso Piazza Duomo & Loggia",
                            "Il servizio inizia il giorno 05/06/2031 Alle ore 07:30 e termina alle ore 09:00",
                            " ",
                            "Divisa estiva",
                            "Portare acqua",
                            " ",
                            "Se vuoi inserire l'appuntamento nel tuo calendario clicca sul link qui sotto",
                            " ",
                            link}));
    const vlmtest::CapturedMail &ma = &an == &got[0] ? got[1] : got[0];
    QCOMPARE(ma.body().value(2), QStringLiteral("Il servizio inizia il giorno 05/06/2031 Alle ore 14:00 e termina alle ore 18:15"));
    QVERIFY(ma.body().last().contains(QStringLiteral("dates=20310605T140000%2F20310605T181500&")));

    // Without notes the body has no note lines; nothing was stored by the mails.
    mails.clear();
    f.Memo1->clear();
    f.DBGrid1->setCurrentIndex(f.DBGrid1->model()->index(0, 0));
    f.Button1->click();  // Anna's row goes
    f.Button4->click();
    const QList<vlmtest::CapturedMail> again = mails.waitFor(1);
    QCOMPARE(again.size(), 1);
    QCOMPARE(again[0].recipients(), QStringList{QStringLiteral("mario@x.it")});
    QCOMPARE(again[0].body().size(), 8);
    QCOMPARE(again[0].body().value(4), QStringLiteral(" "));
    QVERIFY(again[0].body().last().endsWith(QStringLiteral("&details=%20%20")));
    QCOMPARE(TestDb::count(QStringLiteral("Eventi"), QStringLiteral("DATA='2031-06-05'")), 0);

    // No first day: the error box, and no mail at all.
    mails.clear();
    f.MaskEdit2->setText(QString());
    f.Button4->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(mails.mails(500).size(), 0);
}

void TstEventi::calendarLinkTimes_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("dates");
    QTest::newRow("same day") << "08:05" << "09:10" << "20310605T080500%2F20310605T091000";
    QTest::newRow("past midnight") << "22:00" << "02:30" << "20310605T220000%2F20310606T023000";
    QTest::newRow("no times") << "" << "" << "20310605%2F20310606";
    QTest::newRow("start is end") << "12:00" << "12:00" << "20310605T120000%2F20310605T120000";
}

void TstEventi::calendarLinkTimes()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, dates);
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("Mail"), QStringLiteral("'mario@x.it'"));
    const qint64 id = addEvent(7, QStringLiteral("Notte bianca"));
    addParticipant(id, mario, from, to);
    vlmtest::MailCapture mails;
    TFoEvento f(id);
    f.show();
    f.MaskEdit2->setText(QStringLiteral("05/06/2031"));
    f.Memo1->clear();
    f.Button4->click();
    const QList<vlmtest::CapturedMail> got = mails.waitFor(1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(got[0].body().last(),
             QStringLiteral("https://calendar.google.com/calendar/event?action=TEMPLATE&dates=%1"
                            "&text=servizio%20Notte%20bianca&location=Piazza%20Grande&details=%20%20")
                 .arg(dates));
}

void TstEventi::mainWindowEntry()
{
    TestDb::addPerson(QStringLiteral("Desk Dora"), QStringLiteral("Utente,Password,LivelloS"), QStringLiteral("'dora','pw',6"));
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    addEvent(2, QStringLiteral("Fiera"));
    qputenv("USERNAME", "dora");
    TFormMain main;
    QVERIFY(main.userId() > 0);
    QSignalSpy opened(&main, &TFormMain::entryOpened);

    QString caption;
    QStringList first, last;
    bool listHidden = false;
    vlmtest::Answerer a;
    onShown(a, QStringLiteral("TFoEleEve"), [&](QWidget *w) {
        auto *l = static_cast<TFoEleEve *>(w);
        caption = l->windowTitle();
        first = column(l->table(), QStringLiteral("DESCRIZ"));
        l->Button1->click();  // "Nuova": the event window, then the list again
        last = column(l->table(), QStringLiteral("DESCRIZ"));
        l->reject();
    });
    onShown(a, QStringLiteral("TFoEvento"), [&](QWidget *w) {
        auto *f = static_cast<TFoEvento *>(w);
        listHidden = !f->parentWidget()->isVisible();
        f->MaskEdit2->setText(ddmmyyyy(1));
        f->MaskEdit5->setText(ddmmyyyy(1));
        f->Edit2->setText(QStringLiteral("Corsa campestre"));
        f->Tb1NewRecord();
        edit(*f, 0, 0, QStringLiteral("Rossi Mario"));
        f->Button3->click();
        f->reject();
    });
    main.BtnEventi->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoEleEve"));
    QCOMPARE(caption, QStringLiteral("Elenco Eventi"));
    QVERIFY(listHidden);
    QCOMPARE(first, QStringList{QStringLiteral("Fiera")});
    QCOMPARE(last, (QStringList{"Corsa campestre", "Fiera"}));
    QCOMPARE(TestDb::count(QStringLiteral("Eve_Vol"), QStringLiteral("ID_VOL=%1").arg(mario)), 1);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

QTEST_MAIN(TstEventi)
#include "tst_eventi.moc"
