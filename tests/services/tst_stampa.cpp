// "Stampa" of the service editor: the service sheet in the preview (read back from its
// PDF) and the crew's assignment mails with their calendar link.
#include "core/Services.h"
#include "platform/Db.h"
#include "platform/MaskEdit.h"
#include "reports/TQR1.h"
#include "services/Controls.h"
#include "services/TFoServizio.h"
#include "support/MailCapture.h"
#include "ServiceFixtures.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::TestDb;

namespace {
QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Crew {
    qint64 autista, v1, v2, v3, mezzo;
};

// A stored sanitary service with a full crew; mail addresses as given.
qint64 storedService(const QStringList &mails, Crew *crew = nullptr, const QString &conv = QStringLiteral("Y"))
{
    const QStringList names = {"Autista Aldo", "Primo Piero", "Secondo Sara", "Terzo Tino"};
    qint64 ids[4];
    for (int i = 0; i < 4; ++i)
        ids[i] = TestDb::addPerson(names[i], QStringLiteral("Mail,Area1,PATVLM"),
                                   QStringLiteral("'%1','SI','4'").arg(mails.value(i)));
    svc::Row r;
    r.mezzo = TestDb::addVehicle(QStringLiteral("AMB 07"));
    r.autista = ids[0];
    r.v1 = ids[1];
    r.v2 = ids[2];
    r.v3 = ids[3];
    r.conv = conv;
    r.start = QStringLiteral("08:45");
    r.dur = QStringLiteral("01:30");
    r.cognome = QStringLiteral("De Luca");
    r.tipo = QStringLiteral("AMB. ORD.");
    const qint64 id = svc::addService(r);
    TestDb::exec(QStringLiteral("update mezzi set Targamezzo='FV123ZZ'"));
    TestDb::exec(QStringLiteral(
        "update servizi set nomepz='Gino',codicefiscale='DLCGNI40A01H501X',indirizzoabitazione='Via Roma 3',"
        "comuneabitazione='Borgo San Lorenzo',pianoabitazione='2',telefonoab='055 123456',pesopz='80',pzcammina='Y',"
        "portantina='Y',barella='N',seggiolina='Y',luogoprelievo='Domicilio',destinazionepz='Careggi & Meyer',"
        "servizio='VISITA OCULISTICA',orariovisita='10:00',NRE='NRE-77',note='Suonare due volte' where ID=%1").arg(id));
    if (crew) *crew = {ids[0], ids[1], ids[2], ids[3], r.mezzo};
    return id;
}
}  // namespace

class TstStampa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        VLM_TEST_INIT;
        QVERIFY(m_pdfDir.isValid());
        qputenv("VLM_REPORT_DIR", m_pdfDir.path().toUtf8());
    }
    void init()
    {
        TestDb::reset();
        QFile::remove(pdfPath());
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void sanitarySheet();
    void socialSheetHasNoHandFillPart();
    void crewMails_data();
    void crewMails();
    void mailTextsComeFromTheScreen();
    void calendarLink();
    void noMailsWhenUntickedOrNotStored();
    void badDurationFailsAfterTheSheet();

private:
    QString pdfPath() const { return m_pdfDir.filePath(QStringLiteral("TQR1.pdf")); }
    // Runs "Stampa" with the preview closed by the user; returns the sheet's barcode text.
    QString stampa(TFoServizio &f, vlmtest::Answerer &a)
    {
        QString barcode;
        a.onDialog(QStringLiteral("QPrintPreviewDialog"), [&](QWidget *w) {
            if (auto *sheet = f.findChild<TQR1 *>()) {
                for (const auto &page : sheet->layout())
                    for (const auto &band : page.bands)
                        for (const auto &it : band.items)
                            if (it.item->kind() == vlm::ReportItem::Kind::Barcode && !it.bars.isEmpty()) barcode = it.text;
            }
            static_cast<QDialog *>(w)->reject();
        });
        svc::button(&f, QStringLiteral("Stampa"))->click();
        return barcode;
    }
    QTemporaryDir m_pdfDir;
};

void TstStampa::sanitarySheet()
{
    const qint64 id = storedService({"a@x.it"});
    vlmtest::MailCapture mails;
    TFoServizio f;
    f.setId(id);
    f.show();
    vlmtest::Answerer a;
    const QString barcode = stampa(f, a);
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")});
    QCOMPARE(barcode, QStringLiteral("*DLCGNI40A01H501X*"));
    QVERIFY(f.isVisible());  // the editor stays open
    QVERIFY(f.findChild<TQR1 *>() == nullptr);  // the sheet is gone
    QCOMPARE(mails.waitFor(1).size(), 1);

    const QString text = pdfText(pdfPath());
    QVERIFY2(!text.isEmpty(), "no sheet written");
    const QStringList expected = {
        "Servizio N°", QString::number(id), "Data Stampa", QDate::currentDate().toString("dd/MM/yyyy"), "NRE-77",
        "Data Servizio", "10/03/2026", "Ora Partenza", "08:45:00", "VISITA OCULISTICA", "Trasportato", "Gino", "De Luca",
        "C.F.", "DLCGNI40A01H501X", "Via Roma 3", "Borgo San Lorenzo", "055 123456", "Orario visita", "10:00:00",
        "Domicilio", "Piano", "80", "CAMMINA", "Careggi & Meyer", "Portare", "PORTANTINA SEGGIOLINA", "Mezzo", "AMB 07",
        "FV123ZZ", "Autista Aldo", "Soccorritore", "Primo Piero", "Secondo Sara", "Terzo Tino", "Suonare due volte",
        "Km Partenza", "Ora Inizio missione", "Arrivo Obbiettivo", "Km Arrivo", "Partenza Obbiettivo",
        "Arrivo a Destinazione", "Fine Missione", "Ora Libero in sede", "PRIMO TRASPORTATO", "SECONDO TRASPORTATO",
        "Cognome", "Data Nascita", "Luogo di Nascita", "Residente a:", "Prov", "Via", "____"};
    for (const QString &e : expected) QVERIFY2(text.contains(e), qPrintable(e + QStringLiteral(" missing in:\n") + text));
    QVERIFY(!text.contains(QStringLiteral("BARELLA")));
    QVERIFY(text.indexOf(QStringLiteral("Servizio N°")) < text.indexOf(QStringLiteral("Km Partenza")));
    QVERIFY(text.indexOf(QStringLiteral("PRIMO TRASPORTATO")) < text.indexOf(QStringLiteral("SECONDO TRASPORTATO")));
}

void TstStampa::socialSheetHasNoHandFillPart()
{
    const qint64 id = storedService({"a@x.it"}, nullptr, QStringLiteral("S"));
    TestDb::exec(QStringLiteral("update servizi set pzcammina='N',portantina='N',seggiolina='N'"));
    vlmtest::MailCapture mails;
    TFoServizio f;
    f.setId(id);
    f.show();
    QVERIFY(f.sociale());
    vlmtest::Answerer a;
    stampa(f, a);
    QCOMPARE(mails.waitFor(1).size(), 1);
    const QString text = pdfText(pdfPath());
    QVERIFY(text.contains(QStringLiteral("Suonare due volte")));
    QVERIFY(text.contains(QStringLiteral("De Luca")));
    for (const char *e : {"Km Partenza", "PRIMO TRASPORTATO", "Fine Missione", "CAMMINA", "PORTANTINA"})
        QVERIFY2(!text.contains(QString::fromUtf8(e)), e);
}

// Which crew places get a message, by the stored addresses (driver first).
void TstStampa::crewMails_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("to");  // recipient per place, "" for none
    QTest::newRow("four addresses") << QStringList{"a@x.it", "b@x.it", "c@x.it", "d@x.it"}
                                    << QStringList{"a@x.it", "b@x.it", "c@x.it", "d@x.it"};
    QTest::newRow("driver and companion 1 share one") << QStringList{"a@x.it", "a@x.it", "c@x.it", "a@x.it"}
                                                      << QStringList{"a@x.it", "", "c@x.it", "a@x.it"};
    QTest::newRow("blanks do not make it another") << QStringList{"a@x.it", " a@x.it ", "b@x.it", "b@x.it"}
                                                   << QStringList{"a@x.it", "", "b@x.it", ""};
    QTest::newRow("no driver address") << QStringList{"", "", "c@x.it", ""} << QStringList{"", "", "c@x.it", ""};
    QTest::newRow("an empty one between") << QStringList{"a@x.it", "", "a@x.it", "d@x.it"}
                                          << QStringList{"a@x.it", "", "a@x.it", "d@x.it"};
}

void TstStampa::crewMails()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, to);
    const qint64 id = storedService(stored);
    vlmtest::MailCapture mails;
    TFoServizio f;
    f.setId(id);
    f.show();
    vlmtest::Answerer a;
    stampa(f, a);
    int expected = 0;
    for (const QString &t : to) expected += !t.isEmpty();
    const QList<vlmtest::CapturedMail> got = mails.waitFor(expected);
    QCOMPARE(mails.mails(300).size(), expected);
    // Each place that got a message: its recipient and its role line.
    QStringList seen, want;
    for (const auto &m : got) seen << m.header(QStringLiteral("To")) + QLatin1Char('|') + m.body().value(1);
    for (int i = 0; i < 4; ++i)
        if (!to[i].isEmpty())
            want << to[i].trimmed() + QLatin1Char('|') +
                        (i == 0 ? QStringLiteral("Sei stato nominato autista di questa missione")
                                : QStringLiteral("Sei stato nominato volontario accompagnatore di questa missione"));
    seen.sort();
    want.sort();
    for (QString &s : seen) s = s.trimmed();
    QCOMPARE(seen, want);
    for (const auto &m : got) QCOMPARE(m.header(QStringLiteral("Subject")), QStringLiteral("Assegnazione Servizio %1").arg(id));
}

void TstStampa::mailTextsComeFromTheScreen()
{
    Crew crew;
    const qint64 id = storedService({"a@x.it", "b@x.it", "", ""}, &crew);
    TestDb::addPerson(QStringLiteral("Nuovo Nino"), QStringLiteral("Mail"), QStringLiteral("'nuovo@x.it'"));
    vlmtest::MailCapture mails;
    TFoServizio f;
    f.setId(id);
    f.show();
    // Changed on screen, not saved: the stored companion gets the message, the new name is
    // in the crew text.
    f.ComboBox3->setEditText(QStringLiteral("Nuovo Nino"));
    f.Memo1->setPlainText(QStringLiteral("riga uno\nriga due"));
    f.Edit1->setText(QStringLiteral("De Luca "));
    vlmtest::Answerer a;
    stampa(f, a);
    const QList<vlmtest::CapturedMail> got = mails.waitFor(2);
    QCOMPARE(got.size(), 2);
    const vlmtest::CapturedMail &driver = got[0].header(QStringLiteral("To")) == QLatin1String("a@x.it") ? got[0] : got[1];
    const vlmtest::CapturedMail &comp = &driver == &got[0] ? got[1] : got[0];
    QCOMPARE(comp.header(QStringLiteral("To")), QStringLiteral("b@x.it"));
    QCOMPARE(comp.recipients(), QStringList{QStringLiteral("b@x.it")});
    QVERIFY(comp.header(QStringLiteral("Bcc")).isNull());
    const QStringList body = driver.body();
    QCOMPARE(body.mid(0, 11),
             (QStringList{QStringLiteral("Gentile Volontario con la presente ti comunico che ti e' stato assegnato il servizio %1").arg(id),
                          "Sei stato nominato autista di questa missione",
                          "La missione inizia il giorno 10/03/2026 Alle ore 08:45",
                          "Il paziente:De Luca  deve essere portato Careggi & Meyer Alle ore 10:00 per VISITA OCULISTICA",
                          "La durata prevista del servizio e' 01:30",
                          "Ti e' stato assegnato il mezzo AMB 07",
                          "L'equipaggio e' composto da: Nuovo Nino Secondo Sara Terzo Tino",
                          "riga uno",
                          "riga due",
                          " ",
                          "Se vuoi inserire l'appuntamento nel tuo calendario clicca sul link qui sotto"}));
    QCOMPARE(body.value(11), QStringLiteral(" "));
    QVERIFY(body.value(12).startsWith(QStringLiteral("https://calendar.google.com/calendar/event?action=TEMPLATE&dates=")));
    QCOMPARE(comp.body().value(6), QStringLiteral("L'equipaggio e' composto da: Autista Aldo Secondo Sara Terzo Tino"));
    QCOMPARE(comp.body().value(1), QStringLiteral("Sei stato nominato volontario accompagnatore di questa missione"));
}

void TstStampa::calendarLink()
{
    const qint64 id = storedService({"a@x.it"});
    TestDb::exec(QStringLiteral("update Dati set VALORE='https://cal.example.org/calendar/event' where NOME='CALENDARIO'"));
    vlmtest::MailCapture mails;
    TFoServizio f;
    f.setId(id);
    f.show();
    f.MaskEdit2->setText(QStringLiteral("23:15"));  // ends after midnight: the same date, early hours
    f.MaskEdit3->setText(QStringLiteral("01:30"));
    f.Edit6->setText(QStringLiteral(" Borgo San Lorenzo "));
    f.Edit1->setText(QStringLiteral("De Luca"));
    f.ComboBox9->setEditText(QStringLiteral("VISITA 100% #2 + ECG"));
    vlmtest::Answerer a;
    stampa(f, a);
    const QList<vlmtest::CapturedMail> got = mails.waitFor(1);
    QCOMPARE(got.size(), 1);
    QCOMPARE(got[0].body().value(11),
             QStringLiteral("https://cal.example.org/calendar/event?action=TEMPLATE&dates=20260310T231500%2F20260310T004500"
                            "&text=servizio%20n.%1&location=Borgo%20San%20Lorenzo"
                            "&details=Il%20paziente:%20De%20Luca%20deve%20essere%20portato%20Careggi%20%26%20Meyer"
                            "%20alle%20ore%2010:00%20per%20VISITA%20100%25%20%232%20%2B%20ECG")
                 .arg(id));
}

void TstStampa::noMailsWhenUntickedOrNotStored()
{
    const qint64 id = storedService({"a@x.it", "b@x.it"});
    vlmtest::MailCapture mails;
    {
        TFoServizio f;
        f.setId(id);
        f.show();
        f.CheckBox1->setChecked(false);
        vlmtest::Answerer a;
        stampa(f, a);
        QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")});
    }
    {
        TFoServizio f;  // not stored: an empty sheet, no mails
        f.show();
        f.MaskEdit1->setText(QStringLiteral("10/03/2026"));
        f.MaskEdit2->setText(QStringLiteral("08:00"));
        f.MaskEdit3->setText(QStringLiteral("01:00"));
        vlmtest::Answerer a;
        stampa(f, a);
        QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")});
        QVERIFY(a.messages().isEmpty());
        QVERIFY(QFile::exists(pdfPath()));
        QVERIFY(!pdfText(pdfPath()).contains(QStringLiteral("De Luca")));
    }
    QCOMPARE(mails.mails(500).size(), 0);
}

void TstStampa::badDurationFailsAfterTheSheet()
{
    const qint64 id = storedService({"a@x.it", "b@x.it"});
    vlmtest::MailCapture mails;
    TFoServizio f;
    f.setId(id);
    f.show();
    f.MaskEdit3->setText(QString());
    vlmtest::Answerer a;
    stampa(f, a);
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")});
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(mails.mails(500).size(), 0);
    QVERIFY(f.isVisible());
}

QTEST_MAIN(TstStampa)
#include "tst_stampa.moc"
