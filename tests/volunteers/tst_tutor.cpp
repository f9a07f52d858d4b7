// The trainee's tutor on the volunteer record: when the tutor controls show, what a change
// of role or type does to the chosen tutor, and the welcome mail that names the tutor.
#include "platform/Convert.h"
#include "support/Answerer.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"
#include "volunteers/TFoVolontario.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::MailCapture;
using vlmtest::TestDb;

namespace {

// Types into a drop-down's box as a user would: emptied first, then key by key.
void type(QComboBox *c, const QString &text)
{
    QLineEdit *e = c->lineEdit();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Picks an item of a drop-down as a user would with the list.
void pick(QComboBox *c, const QString &item)
{
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

struct Record {
    explicit Record(qint64 id)
    {
        f.setCodice(id);
        f.setLivello(9);
        f.show();
    }
    TFoVolontario f;
};

QString setting(const QString &name)
{
    return TestDb::scalar(QStringLiteral("select VALORE from Dati where NOME='%1'").arg(name)).toString();
}

bool tutorShown(const TFoVolontario &f) { return f.ComboBox8->isVisibleTo(&f) && f.LabelTutor->isVisibleTo(&f); }

QStringList items(const QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

}  // namespace

class TstTutor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init()
    {
        TestDb::reset();
        // The branch's contacts, distinct so every line shows which setting it took.
        const QList<QPair<QString, QString>> values = {
            {"TUTOR_TELEFONO_FERIALI", "0577 111"},   {"TUTOR_REFERENTE_FERIALI_1", "Anna"},
            {"TUTOR_REFERENTE_FERIALI_2", "Luca"},    {"TUTOR_REFERENTE_FESTIVI", "Verdi Carlo"},
            {"TUTOR_TELEFONO_FESTIVI", "333 222"},    {"TUTOR_INCARICATO", "Neri Sara"},
            {"TUTOR_TELEFONO_INCARICATO", "333 444"}};
        for (const auto &v : values)
            TestDb::exec(QStringLiteral("update Dati set VALORE='%1' where NOME='%2'").arg(v.second, v.first));
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void mailToTraineeAndTutor();
    void mailEdgeCases_data();
    void mailEdgeCases();
    void roleChangeClearsTutor_data();
    void roleChangeClearsTutor();
    void traineeLoadedShowsTutorOnTabShow();
};

void TstTutor::mailToTraineeAndTutor()
{
    TestDb::addPerson(QStringLiteral("Tutor Uno"), QStringLiteral("stato,Mail,Cellulare"),
                      QStringLiteral("'Attivo','tutor@x.it','340 555'"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Nuovo Arrivato"), QStringLiteral("stato,LivelloA1,Mail"),
                                        QStringLiteral("'Attivo','TS','nuovo@x.it'"));
    TestDb::exec(QStringLiteral("delete from Dati where NOME='INVIOTUTOR'"));
    MailCapture cap;
    Answerer a;
    Record r(id);
    QVERIFY(!r.f.BtnMail->isVisibleTo(&r.f));
    type(r.f.ComboBox4, QStringLiteral("Tirocinio TS"));
    QVERIFY(r.f.BtnMail->isVisibleTo(&r.f));
    QVERIFY(tutorShown(r.f));
    pick(r.f.ComboBox8, QStringLiteral("Tutor Uno"));
    r.f.BtnMail->click();

    const auto mails = cap.waitFor(1);
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0].header(QStringLiteral("To")), QStringLiteral("nuovo@x.it;tutor@x.it"));
    QCOMPARE(mails[0].recipients(), (QStringList{"nuovo@x.it", "tutor@x.it"}));
    QVERIFY(mails[0].header(QStringLiteral("Bcc")).isNull());
    QCOMPARE(mails[0].header(QStringLiteral("Subject")), QStringLiteral("Assegnazione Tutor"));
    const QStringList expected = {
        "Caro Nuovo Arrivato,",
        "Con la presente sono a comunicarti che da Oggi puoi iniziare a fare il Tirocinio.",
        "La fase di tirocinio e' molto importante e ti permetterà di prendere confidenza con i mezzi",
        "e con i presidi che hai conosciuto durante il corso.",
        "Durante tutto il periodo del tirocinio avrai a disposizione un tutor al quale potrai rivolgerti per ogni problema",
        "o richiesta.",
        "Il Tutor a te assegnato e' Tutor Uno che potrai contattare al numero 340 555 .",
        "Ti ricordo che in base alle tue disponibilita' potrai svolgere servizio nei giorni dal lunedi' al venerdi o nel fine settimana.",
        "Per comunicare le tue disponibilita ad essere chiamato nei giorni infrasettimanali sei pregato di",
        "chiamare il numero 0577 111 dalle 8:00 alle 20:00 dei giorni infrasettimanali e chiedere di Anna o Luca",
        "Per comunicare le tue disponibilita' ad essere chiamato nel fine settimana sei pregato di chiamare il referente ",
        "Verdi Carlo al Numero 333 222",
        "Si ricorda inoltre che per lo svolgimento dei servizi e' obbligatorio indossare la divisa, se non l'hai ancora ",
        "ricevuta sara' cura del Presidente contattarti il prima possibile per concordare la consegna.",
        "La divisa e' personale e potrai indossarla per tutto il tempo che rimani in Velmora, ",
        "nel caso non svolgessi più servizio dovrai riconsegnarla.",
        "Ti auguro di trovarti bene nel nostro gruppo e di rimanere con noi il piu' a lungo possibile ",
        " ",
        "L'incaricato",
        "Neri Sara",
        "Tel. 333 444",
    };
    QCOMPARE(mails[0].body(), expected);
    QCOMPARE(r.f.Corpo->toPlainText().split(QLatin1Char('\n')), expected);
    QVERIFY(!r.f.Corpo->isVisibleTo(&r.f));

    QCOMPARE(setting(QStringLiteral("INVIOTUTOR")), vlm::dateToStr(QDate::currentDate()));
    // No message, and the record is not saved by the mail.
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat(LivelloA1,'|',TUTOR) from volontari where ID=%1").arg(id)).toString(),
             QStringLiteral("TS|"));

    // A second mail replaces the body and updates the same setting.
    TestDb::exec(QStringLiteral("update Dati set VALORE='01/01/2000' where NOME='INVIOTUTOR'"));
    r.f.BtnMail->click();
    QCOMPARE(cap.waitFor(2).size(), 2);
    QCOMPARE(r.f.Corpo->toPlainText().split(QLatin1Char('\n')), expected);
    QCOMPARE(setting(QStringLiteral("INVIOTUTOR")), vlm::dateToStr(QDate::currentDate()));
    QCOMPARE(TestDb::count(QStringLiteral("Dati"), QStringLiteral("NOME='INVIOTUTOR'")), 1);
}

void TstTutor::mailEdgeCases_data()
{
    QTest::addColumn<QString>("mail");      // the trainee's "Mail" box
    QTest::addColumn<QString>("tutor");     // typed into the tutor drop-down
    QTest::addColumn<bool>("sent");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("line7");
    const QString pre = QStringLiteral("Il Tutor a te assegnato e' ");
    QTest::newRow("tutor matching nobody") << "nuovo@x.it" << "Sconosciuto" << true << "nuovo@x.it"
                                           << pre + "Sconosciuto che potrai contattare al numero  .";
    QTest::newRow("tutor without mail") << "nuovo@x.it" << "Senza Mail" << true << "nuovo@x.it;"
                                        << pre + "Senza Mail che potrai contattare al numero 340 777 .";
    QTest::newRow("blanks around the tutor's name") << "nuovo@x.it" << " Tutor Uno " << true << "nuovo@x.it;tutor@x.it"
                                                    << pre + " Tutor Uno  che potrai contattare al numero 340 555 .";
    QTest::newRow("no tutor chosen") << "nuovo@x.it" << "" << true << "nuovo@x.it"
                                     << pre + " che potrai contattare al numero  .";
    QTest::newRow("trainee without mail") << "" << "Tutor Uno" << false << "" << "";
}

void TstTutor::mailEdgeCases()
{
    QFETCH(QString, mail);
    QFETCH(QString, tutor);
    QFETCH(bool, sent);
    QFETCH(QString, to);
    QFETCH(QString, line7);
    TestDb::addPerson(QStringLiteral("Tutor Uno"), QStringLiteral("stato,Mail,Cellulare"),
                      QStringLiteral("'Attivo','tutor@x.it','340 555'"));
    TestDb::addPerson(QStringLiteral("Senza Mail"), QStringLiteral("stato,Mail,Cellulare"), QStringLiteral("'Dipendente','','340 777'"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Nuovo Arrivato"), QStringLiteral("stato,LivelloA1"), QStringLiteral("'Attivo','TS'"));
    TestDb::exec(QStringLiteral("delete from Dati where NOME='INVIOTUTOR'"));
    MailCapture cap;
    Answerer a;
    Record r(id);
    r.f.Edit5->setText(mail);
    type(r.f.ComboBox4, QStringLiteral("Tirocinio SA "));
    type(r.f.ComboBox8, tutor);
    r.f.BtnMail->click();

    if (!sent) {
        QCOMPARE(cap.mails(500).size(), 0);
        QCOMPARE(TestDb::count(QStringLiteral("Dati"), QStringLiteral("NOME='INVIOTUTOR'")), 0);
        QVERIFY(r.f.Corpo->toPlainText().isEmpty());
    } else {
        const auto mails = cap.waitFor(1);
        QCOMPARE(mails.size(), 1);
        QCOMPARE(mails[0].header(QStringLiteral("To")), to);
        QCOMPARE(mails[0].body().size(), 21);
        QCOMPARE(mails[0].body().at(6), line7);
        QCOMPARE(setting(QStringLiteral("INVIOTUTOR")), vlm::dateToStr(QDate::currentDate()));
    }
    QVERIFY(a.messages().isEmpty());
}

void TstTutor::roleChangeClearsTutor_data()
{
    QTest::addColumn<bool>("viaType");   // change "Tipologia" instead of the role
    QTest::addColumn<QString>("role");   // role set before the change
    QTest::addColumn<QString>("newText");
    QTest::addColumn<bool>("shown");
    QTest::newRow("traineeship to the other traineeship") << false << "" << "Tirocinio SA " << true;
    QTest::newRow("traineeship to TS") << false << "" << "TS" << false;
    QTest::newRow("type changed, trainee") << true << "Tirocinio TS" << "Dipendente " << true;
    QTest::newRow("type changed, no trainee") << true << "SA" << "Militare " << false;
}

void TstTutor::roleChangeClearsTutor()
{
    QFETCH(bool, viaType);
    QFETCH(QString, role);
    QFETCH(QString, newText);
    QFETCH(bool, shown);
    TestDb::addPerson(QStringLiteral("Tutor Uno"), QStringLiteral("stato"), QStringLiteral("'Attivo'"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Nuovo Arrivato"), QStringLiteral("stato,LivelloA1,TUTOR"),
                                        QStringLiteral("'Attivo','Temporaneo',''"));
    Answerer a;
    Record r(id);
    type(r.f.ComboBox4, QStringLiteral("Tirocinio TS"));
    pick(r.f.ComboBox8, QStringLiteral("Tutor Uno"));
    r.f.Button1->click();
    QCOMPARE(TestDb::scalar(QStringLiteral("select TUTOR from volontari where ID=%1").arg(id)).toString(), QStringLiteral("Tutor Uno"));
    if (!role.isEmpty()) {
        // The role itself is set by the program: the tutor stays.
        r.f.ComboBox4->setEditText(role);
        QCOMPARE(r.f.ComboBox8->currentText(), QStringLiteral("Tutor Uno"));
    }

    type(viaType ? r.f.ComboBox9 : r.f.ComboBox4, newText);
    QCOMPARE(r.f.ComboBox8->currentText(), QString());
    QCOMPARE(tutorShown(r.f), shown);
    QCOMPARE(r.f.BtnMail->isVisibleTo(&r.f), shown);
    QVERIFY(r.f.roleChanged());

    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::scalar(QStringLiteral("select TUTOR from volontari where ID=%1").arg(id)).toString(), QString());
}

void TstTutor::traineeLoadedShowsTutorOnTabShow()
{
    TestDb::addPerson(QStringLiteral("Tutor Uno"), QStringLiteral("stato"), QStringLiteral("'Attivo'"));
    TestDb::addPerson(QStringLiteral("Dipendente Due"), QStringLiteral("stato"), QStringLiteral("'Dipendente'"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Nuovo Arrivato"), QStringLiteral("stato,LivelloA1,TUTOR"),
                                        QStringLiteral("'Sospeso','Tirocinio TS','Tutor Uno'"));
    Record r(id);
    // The tab was shown before the record was read: still hidden, tutor loaded.
    QVERIFY(!tutorShown(r.f));
    QVERIFY(!r.f.BtnMail->isVisibleTo(&r.f));
    QCOMPARE(r.f.ComboBox8->currentText(), QStringLiteral("Tutor Uno"));
    QVERIFY(!r.f.roleChanged());

    const QStringList tutors = {QString(), QStringLiteral("Dipendente Due"), QStringLiteral("Tutor Uno")};
    for (int i = 0; i < 3; ++i) {
        r.f.PageControl1->setCurrentWidget(r.f.TabAltro);
        r.f.PageControl1->setCurrentWidget(r.f.TabInformazioni);
        QCOMPARE(items(r.f.ComboBox8), tutors);
        QCOMPARE(r.f.ComboBox8->currentText(), QStringLiteral("Tutor Uno"));
        QVERIFY(tutorShown(r.f));
        QVERIFY(!r.f.BtnMail->isVisibleTo(&r.f));  // the button waits for a change of role
    }

    // A role that is no traineeship: showing the tab hides nothing already shown.
    r.f.ComboBox4->setEditText(QStringLiteral("TS"));
    r.f.PageControl1->setCurrentWidget(r.f.TabAltro);
    r.f.PageControl1->setCurrentWidget(r.f.TabInformazioni);
    QVERIFY(tutorShown(r.f));
}

QTEST_MAIN(TstTutor)
#include "tst_tutor.moc"
