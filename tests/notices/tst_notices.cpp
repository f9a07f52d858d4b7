// Notices and documents: the news board, the document register, the mail window, the
// statistics window and the main-window entries that open them.
#include "app/TFormMain.h"
#include "notices/TFoMail.h"
#include "notices/TFoNotizie.h"
#include "notices/TFoProt.h"
#include "notices/TFoStat.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "support/Answerer.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vlm;
using vlmtest::Answerer;
using vlmtest::MailCapture;
using vlmtest::TestDb;

namespace {

void clickRow(DBGrid *g, int row, bool twice = false)
{
    const QRect r = g->visualRect(g->model()->index(row, 0));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    if (twice) QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList column(DBGrid *g, int col)
{
    QStringList out;
    for (int r = 0; r < g->model()->rowCount(); ++r) out << g->model()->index(r, col).data().toString();
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &b)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// Answers the next file-open dialog with a path (an empty path cancels it).
void pickFile(Answerer &a, const QString &path, bool goneBeforeReading = false)
{
    a.onDialog(QStringLiteral("OpenDialog1"), [path, goneBeforeReading](QWidget *w) {
        auto *d = static_cast<QFileDialog *>(w);
        if (path.isEmpty()) {
            d->reject();
            return;
        }
        // The file name typed into the dialog's name box, as a user would.
        const QString abs = QFileInfo(path).absoluteFilePath();
        d->setDirectory(QFileInfo(path).absolutePath());
        auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(abs);
        static_cast<QDialog *>(d)->accept();  // QFileDialog::accept, through the virtual call
        // Say why when the dialog refused the name, instead of leaving it to be closed as unexpected.
        QVERIFY2(!d->isVisible(), qPrintable(QStringLiteral("file dialog still open: %1 in %2")
                                                 .arg(d->selectedFiles().join(QLatin1Char(',')), d->directory().path())));
        if (goneBeforeReading) QFile::remove(path);
    });
}

}  // namespace

class TstNotices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void newsListAndClick();
    void savedNoticeStaysCurrent();
    void newThenSaveTwiceAddsTwo();
    void deletedNoticeStaysCurrent();
    void badDateSavesNothing();

    void attachAndExtractKeepBytes();
    void attachReplacesAndCutsName();
    void attachWithEmptyListOrCancelled();
    void extractionErrors();

    void mailWindowSends();
    void statisticsWindowControls();

    void mainWindowEntries();
    void registerLivesWithMainWindow();
};

// ---------------------------------------------------------------- news board

void TstNotices::newsListAndClick()
{
    TestDb::exec("insert into Notizie(ID,Data,Notizia) values (5,'2026-03-02','terza'),(3,'2026-03-02','seconda'),"
                 "(9,'2026-01-10','prima\nsu due righe')");
    TFoNotizie w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Notizie"));
    QCOMPARE(w.Button1->text(), QStringLiteral("Del"));
    QCOMPARE(w.Button2->text(), QStringLiteral("New"));
    QCOMPARE(w.Button3->text(), QStringLiteral("Salva "));
    // By date, then by ID within a date.
    QCOMPARE(column(w.DBGrid1, 0), (QStringList{"10/01/2026", "02/03/2026", "02/03/2026"}));
    QCOMPARE(column(w.DBGrid1, 1), (QStringList{"9", "3", "5"}));
    QCOMPARE(w.Memo1->toPlainText(), QString());
    QCOMPARE(w.MaskEdit1->text(), QStringLiteral("  /  /    "));
    QCOMPARE(w.currentId(), 0);

    clickRow(w.DBGrid1, 0);
    QCOMPARE(w.currentId(), 9);
    QCOMPARE(w.Memo1->toPlainText(), QStringLiteral("prima\nsu due righe"));
    QCOMPARE(w.MaskEdit1->text(), QStringLiteral("10/01/2026"));
    clickRow(w.DBGrid1, 2);
    QCOMPARE(w.currentId(), 5);
    QCOMPARE(w.Memo1->toPlainText(), QStringLiteral("terza"));
}

void TstNotices::savedNoticeStaysCurrent()
{
    TestDb::exec("insert into Notizie(ID,Data,Notizia) values (1,'2026-01-01','uno'),(2,'2026-01-02','due')");
    TFoNotizie w;
    w.show();
    clickRow(w.DBGrid1, 1);
    w.Memo1->setPlainText(QStringLiteral("due, corretta"));
    w.MaskEdit1->setText(QStringLiteral("05/02/2026"));
    w.Button3->click();
    QCOMPARE(TestDb::scalar("select Notizia from Notizie where ID=2").toString(), QStringLiteral("due, corretta"));
    QCOMPARE(TestDb::scalar("select Data from Notizie where ID=2").toDate(), QDate(2026, 2, 5));
    // The boxes are emptied, the notice stays current.
    QCOMPARE(w.Memo1->toPlainText(), QString());
    QCOMPARE(w.MaskEdit1->text(), QStringLiteral("  /  /    "));
    QCOMPARE(w.currentId(), 2);

    w.Memo1->setPlainText(QStringLiteral("sostituita"));
    w.MaskEdit1->setText(QStringLiteral("06/02/2026"));
    w.Button3->click();
    QCOMPARE(TestDb::count("Notizie"), 2);
    QCOMPARE(TestDb::scalar("select Notizia from Notizie where ID=2").toString(), QStringLiteral("sostituita"));
    QCOMPARE(TestDb::scalar("select Notizia from Notizie where ID=1").toString(), QStringLiteral("uno"));
}

void TstNotices::newThenSaveTwiceAddsTwo()
{
    TFoNotizie w;
    w.show();
    QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
    w.Button2->click();
    QCOMPARE(w.MaskEdit1->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(w.currentId(), 0);
    w.Memo1->setPlainText(QStringLiteral("Assemblea dei soci venerdì alle 21"));
    w.Button3->click();
    QCOMPARE(TestDb::count("Notizie"), 1);
    QCOMPARE(TestDb::scalar("select Data from Notizie").toDate(), QDate::currentDate());
    QCOMPARE(w.currentId(), 0);
    QCOMPARE(w.DBGrid1->model()->rowCount(), 1);

    w.Memo1->setPlainText(QStringLiteral("altra"));
    w.MaskEdit1->setText(QStringLiteral("01/01/2027"));
    w.Button3->click();
    QCOMPARE(TestDb::count("Notizie"), 2);  // still no current notice: added again
}

void TstNotices::deletedNoticeStaysCurrent()
{
    TestDb::exec("insert into Notizie(ID,Data,Notizia) values (1,'2026-01-01','uno'),(2,'2026-01-02','due')");
    Answerer a;
    TFoNotizie w;
    w.show();
    // Nothing clicked yet: "Del" deletes nothing and rebuilds the list.
    w.Button1->click();
    QCOMPARE(TestDb::count("Notizie"), 2);
    QCOMPARE(w.DBGrid1->model()->rowCount(), 2);

    clickRow(w.DBGrid1, 0);
    w.Button1->click();  // no question asked
    QCOMPARE(TestDb::count("Notizie"), 1);
    QCOMPARE(TestDb::count("Notizie", "ID=1"), 0);
    QCOMPARE(column(w.DBGrid1, 1), QStringList{"2"});
    QCOMPARE(w.currentId(), 1);

    // Saving now changes no row.
    w.Memo1->setPlainText(QStringLiteral("fantasma"));
    w.MaskEdit1->setText(QStringLiteral("03/03/2026"));
    w.Button3->click();
    QCOMPARE(TestDb::count("Notizie"), 1);
    QCOMPARE(TestDb::scalar("select Notizia from Notizie").toString(), QStringLiteral("due"));
    QVERIFY(a.messages().isEmpty());
}

void TstNotices::badDateSavesNothing()
{
    Answerer a;
    TFoNotizie w;
    w.show();
    w.Button2->click();
    w.MaskEdit1->setText(QString());
    w.Memo1->setPlainText(QStringLiteral("senza data"));
    w.Button3->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(TestDb::count("Notizie"), 0);
    QCOMPARE(w.Memo1->toPlainText(), QStringLiteral("senza data"));  // the handler stopped there

    w.MaskEdit1->setText(QStringLiteral("31/02/2026"));
    w.Button3->click();
    QCOMPARE(a.messages().size(), 2);
    QCOMPARE(TestDb::count("Notizie"), 0);
}

// ---------------------------------------------------------------- document register

void TstNotices::attachAndExtractKeepBytes()
{
    TestDb::exec("insert into Protocollo(ID,DATAREG,TITOLO) values (1,'2026-01-05','Convenzione ASL'),"
                 "(2,'2026-02-10','Verbale assemblea')");
    QTemporaryDir dir;
    const QString exportDir = dir.filePath(QStringLiteral("export"));
    QDir().mkpath(exportDir);
    qputenv("VLM_EXPORT_DIR", exportDir.toLocal8Bit());

    QByteArray content("PDF\0\0\x01\x02 riga\r\naltra\nfine\r", 27);
    for (int i = 0; i < 256; ++i) content.append(char(i));
    content.append(QByteArray(1000, '\0'));
    const QString src = dir.filePath(QStringLiteral("scansione.pdf"));
    writeFile(src, content);

    Answerer a;
    TFoProt w;
    w.setOperatore(QStringLiteral("Velmora Valdrena Rossi Mario"));
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Protocollo"));
    QCOMPARE(w.Button1->text(), QStringLiteral("Allega File"));
    QCOMPARE(column(w.DBGrid1, 1), (QStringList{"Verbale assemblea", "Convenzione ASL"}));  // newest first

    clickRow(w.DBGrid1, 1);
    pickFile(a, src);
    w.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::scalar("select NOMEFILE from Protocollo where ID=1").toString(), QStringLiteral("scansione.pdf"));
    QCOMPARE(TestDb::scalar("select OPERATORE from Protocollo where ID=1").toString(),
             QStringLiteral("Velmora Valdrena Rossi Mario"));
    QCOMPARE(TestDb::scalar("select length(FILE) from Protocollo where ID=1").toLongLong(), qint64(content.size()));
    QCOMPARE(TestDb::scalar("select NOMEFILE from Protocollo where ID=2").toString(), QString());
    // The list is rebuilt and shows the attachment.
    QCOMPARE(column(w.DBGrid1, 3), (QStringList{"", "scansione.pdf"}));
    QCOMPARE(column(w.DBGrid1, 2), (QStringList{"", "Velmora Valdrena Ros"}));  // cut to 20 in the list

    clickRow(w.DBGrid1, 1, true);
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(readFile(QDir(exportDir).filePath(QStringLiteral("scansione.pdf"))), content);

    // Extracting again replaces the file.
    writeFile(QDir(exportDir).filePath(QStringLiteral("scansione.pdf")), "vecchio contenuto piu lungo di tutto il resto");
    clickRow(w.DBGrid1, 1, true);
    QCOMPARE(readFile(QDir(exportDir).filePath(QStringLiteral("scansione.pdf"))), content);
    qunsetenv("VLM_EXPORT_DIR");
}

void TstNotices::attachReplacesAndCutsName()
{
    TestDb::exec("insert into Protocollo(ID,DATAREG,TITOLO,OPERATORE,NOMEFILE,FILE) values "
                 "(1,'2026-01-05','Delibera','Velmora Valdrena Vecchio','vecchio.txt','vecchio')");
    QTemporaryDir dir;
    const QString longName = QStringLiteral("verbale_consiglio_direttivo_marzo_2026.txt");  // 42 characters
    const QString src = dir.filePath(longName);
    writeFile(src, "riga 1\nriga 2\n");
    qputenv("VLM_EXPORT_DIR", dir.path().toLocal8Bit());

    Answerer a;
    TFoProt w;
    w.setOperatore(QStringLiteral("Velmora Valdrena Bianchi"));
    w.show();
    pickFile(a, src);
    w.Button1->click();  // the first row is selected when the list opens
    QCOMPARE(TestDb::count("Protocollo"), 1);
    QCOMPARE(TestDb::scalar("select NOMEFILE from Protocollo").toString(), longName.left(30));
    QCOMPARE(TestDb::scalar("select OPERATORE from Protocollo").toString(), QStringLiteral("Velmora Valdrena Bianchi"));
    QCOMPARE(TestDb::scalar("select FILE from Protocollo").toByteArray(), QByteArray("riga 1\nriga 2\n"));

    clickRow(w.DBGrid1, 0, true);
    QCOMPARE(readFile(dir.filePath(longName.left(30))), QByteArray("riga 1\nriga 2\n"));
    QVERIFY(a.messages().isEmpty());
    qunsetenv("VLM_EXPORT_DIR");

    QCOMPARE(TFoProt::storedName(QStringLiteral("C:\\Documenti\\Protocollo\\lettera.doc")), QStringLiteral("lettera.doc"));
    QCOMPARE(TFoProt::storedName(QStringLiteral("/home/desk/lettera.doc")), QStringLiteral("lettera.doc"));
}

void TstNotices::attachWithEmptyListOrCancelled()
{
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("a.txt"));
    writeFile(src, "x");
    Answerer a;
    {
        TFoProt w;
        w.show();
        QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
        pickFile(a, src);
        w.Button1->click();  // read, but no entry to change
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(TestDb::count("Protocollo"), 0);
    }
    TestDb::exec("insert into Protocollo(ID,DATAREG,TITOLO) values (1,'2026-01-05','Delibera')");
    TFoProt w;
    w.show();
    pickFile(a, QString());
    w.Button1->click();
    QCOMPARE(TestDb::scalar("select NOMEFILE from Protocollo").toString(), QString());
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(a.dialogsSeen(), (QStringList{"OpenDialog1", "OpenDialog1"}));
}

void TstNotices::extractionErrors()
{
    TestDb::exec("insert into Protocollo(ID,DATAREG,TITOLO,NOMEFILE,FILE) values (1,'2026-01-05','Senza allegato','',NULL),"
                 "(2,'2026-01-01','Con allegato','doc.txt','abc'),(3,'2025-12-01','Nome strano','..\\\\..\\\\fuori.txt','x')");
    QTemporaryDir dir;
    Answerer a;
    TFoProt w;
    w.show();

    // No stored name: the file error, nothing written.
    qputenv("VLM_EXPORT_DIR", dir.path().toLocal8Bit());
    clickRow(w.DBGrid1, 0, true);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    // A stored name with folders in it lands in the export folder all the same.
    clickRow(w.DBGrid1, 2, true);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"fuori.txt"});

    // A missing export folder is not created: the file error again.
    const QString missing = dir.filePath(QStringLiteral("manca"));
    qputenv("VLM_EXPORT_DIR", missing.toLocal8Bit());
    clickRow(w.DBGrid1, 1, true);
    QCOMPARE(a.messages().size(), 2);
    QVERIFY(a.messages()[1].text.contains(QStringLiteral("doc.txt")));
    QVERIFY(!QFileInfo::exists(missing));

    // A file that cannot be read (gone after it was chosen): the error, no change.
    pickFile(a, dir.filePath(QStringLiteral("fuori.txt")), true);
    clickRow(w.DBGrid1, 1);
    w.Button1->click();
    QCOMPARE(a.dialogsSeen().last(), QStringLiteral("OpenDialog1"));
    QCOMPARE(a.messages().size(), 3);
    QCOMPARE(TestDb::scalar("select NOMEFILE from Protocollo where ID=2").toString(), QStringLiteral("doc.txt"));
    QCOMPARE(TestDb::scalar("select FILE from Protocollo where ID=2").toByteArray(), QByteArray("abc"));
    qunsetenv("VLM_EXPORT_DIR");
}

// ---------------------------------------------------------------- mail and statistics

void TstNotices::mailWindowSends()
{
    MailCapture cap;
    {
        TFoMail w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Invio Mail"));
        QCOMPARE(w.Label1->text(), QStringLiteral("A:"));
        QCOMPARE(w.Label2->text(), QStringLiteral("CCN: "));
        QCOMPARE(w.Label3->text(), QStringLiteral("Oggetto:"));
        QCOMPARE(w.Button1->text(), QStringLiteral("Invia"));
        w.Edit1->setText(QStringLiteral("volontari@valdrena.example"));
        w.Memo1->setPlainText(QStringLiteral(" uno@x.it \ndue@x.it\n\ntre@x.it\n"));
        w.Edit2->setText(QStringLiteral("Corso BLSD"));
        w.Memo2->setPlainText(QStringLiteral("Ciao a tutti,\nil corso è sabato."));
        QCOMPARE(w.ccnText(), QStringLiteral("uno@x.it;due@x.it;;tre@x.it"));
        w.show();
        w.Button1->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
    const auto mails = cap.waitFor(1);
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0].input, QStringLiteral("To:volontari@valdrena.example\r\nBcc:uno@x.it;due@x.it;;tre@x.it\r\n"
                                            "Subject:Corso BLSD\r\n\r\n\r\nCiao a tutti,\r\nil corso è sabato.\r\n")
                                 .toUtf8());
    QCOMPARE(mails[0].recipients(), QStringList{"volontari@valdrena.example"});

    // Three addresses without separators around them; an empty list gives no blind copy.
    TFoMail w;
    w.Memo1->setPlainText(QStringLiteral("a@x.it\nb@x.it\nc@x.it"));
    QCOMPARE(w.ccnText(), QStringLiteral("a@x.it;b@x.it;c@x.it"));
    w.Memo1->clear();
    QCOMPARE(w.ccnText(), QString());
    w.Button1->click();
    const auto two = cap.waitFor(2);
    QCOMPARE(two.size(), 2);
    QCOMPARE(two[1].input, QByteArray("To:\r\nSubject:\r\n\r\n\r\n"));

    // The volunteer list opens it with the volunteers' mailbox and their addresses.
    cap.clear();
    Answerer a;
    QString seenTo, seenCcn;
    a.onDialog(QStringLiteral("TFoMail"), [&](QWidget *d) {
        auto *m = static_cast<TFoMail *>(d);
        seenTo = m->Edit1->text();
        seenCcn = m->ccnText();
        m->reject();
    });
    TFoMail::openForVolunteers(nullptr, {QStringLiteral("p1@x.it"), QStringLiteral("p2@x.it")});
    QCOMPARE(seenTo, TestDb::scalar("select VALORE from Dati where NOME='MAIL_VOLONTARI'").toString());
    QVERIFY(!seenTo.isEmpty());
    QCOMPARE(seenCcn, QStringLiteral("p1@x.it;p2@x.it"));
    QCOMPARE(cap.mails(200).size(), 0);  // closed without sending
}

void TstNotices::statisticsWindowControls()
{
    TFoStat w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Statistiche"));
    QCOMPARE(w.Label1->text(), QStringLiteral("Tipo"));
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("ComboBox1"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Dal:"));
    QCOMPARE(w.Label3->text(), QStringLiteral("Dal:"));
    QCOMPARE(w.MaskEdit1->text(), QStringLiteral("  /  /    "));
    QCOMPARE(w.Button1->text(), QStringLiteral("Crea"));
    w.Button1->click();  // no action: the window stays as it is
    QVERIFY(w.isVisible());
}

// ---------------------------------------------------------------- main window

void TstNotices::mainWindowEntries()
{
    const QByteArray oldUser = qgetenv("USERNAME");
    TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("utente,password,LivelloS"),
                      QStringLiteral("'mrossi','pw',8"));
    TestDb::addPerson(QStringLiteral("Verdi Anna"), QStringLiteral("utente,password,LivelloS"),
                      QStringLiteral("'averdi','pw',7"));

    struct Case {
        const char *user;
        void (TFormMain::*entry)();
        const char *window;  // nullptr: nothing opens
    };
    const QList<Case> cases{
        {"mrossi", &TFormMain::NotizieClick, "TFoNotizie"},
        {"mrossi", &TFormMain::ConfigMailClick, "TFoNotizie"},
        {"mrossi", &TFormMain::StatisticheClick, "TFoStat"},
        {"averdi", &TFormMain::NotizieClick, nullptr},
        {"averdi", &TFormMain::ConfigMailClick, nullptr},
        {"averdi", &TFormMain::StatisticheClick, nullptr},
        {"nessuno", &TFormMain::ConfigMailClick, nullptr},  // no login offered
    };
    for (const Case &c : cases) {
        qputenv("USERNAME", c.user);
        Answerer a;
        bool connectedInside = false;
        if (c.window)
            a.onDialog(QString::fromLatin1(c.window), [&](QWidget *w) {
                connectedInside = true;
                static_cast<QDialog *>(w)->reject();
            });
        TFormMain m;
        QSignalSpy spy(&m, &TFormMain::entryOpened);
        connection(QStringLiteral("DB"));  // open, to see that the entry closes it after
        (m.*c.entry)();
        const QString tag = QStringLiteral("%1 %2").arg(QString::fromLatin1(c.user), QString::fromLatin1(c.window ? c.window : "-"));
        if (c.window) {
            QVERIFY2(connectedInside, qPrintable(tag));
            QCOMPARE(a.dialogsSeen(), QStringList{QString::fromLatin1(c.window)});
            QCOMPARE(spy.size(), 1);
            QCOMPARE(spy[0][0].toString(), QString::fromLatin1(c.window));
            QVERIFY2(!isConnected(QStringLiteral("DB")), qPrintable(tag));
            QVERIFY(m.findChildren<QDialog *>().isEmpty());  // destroyed after closing
        } else {
            QVERIFY2(a.dialogsSeen().isEmpty(), qPrintable(tag + a.dialogsSeen().join(',')));
            QCOMPARE(spy.size(), 0);
        }
        vlm::disconnect(QStringLiteral("DB"));
    }

    // "Notizie" with nobody logged in asks for the login first; abandoning it opens nothing.
    qputenv("USERNAME", "nessuno");
    Answerer a;
    a.onDialog(QStringLiteral("TFoLogin"), [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    TFormMain m;
    m.Notizie1->trigger();
    QCOMPARE(a.dialogsSeen(), QStringList{"TFoLogin"});
    qputenv("USERNAME", oldUser);
}

void TstNotices::registerLivesWithMainWindow()
{
    const QByteArray oldUser = qgetenv("USERNAME");
    TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("utente,password"), QStringLiteral("'mrossi','pw'"));
    TestDb::exec("insert into Protocollo(ID,DATAREG,TITOLO) values (1,'2026-01-05','Delibera')");
    qputenv("USERNAME", "mrossi");
    Answerer a;
    QList<QPointer<TFoProt>> seen;
    QStringList operators;
    a.onDialog(QStringLiteral("TFoProt"), [&](QWidget *w) {
        auto *p = static_cast<TFoProt *>(w);
        seen << p;
        operators << p->operatore();
        QCOMPARE(p->DBGrid1->model()->rowCount(), 1);
        p->reject();
    }, true);
    auto *m = new TFormMain;
    QCOMPARE(m->windowTitle(), QStringLiteral("Velmora Valdrena Rossi Mario"));
    QSignalSpy spy(m, &TFormMain::entryOpened);
    m->Button1->click();
    m->logout();
    m->Button1->click();
    QCOMPARE(seen.size(), 2);
    QVERIFY(seen[0] && seen[0] == seen[1]);  // the same window, kept alive between openings
    QCOMPARE(operators, (QStringList{"Velmora Valdrena Rossi Mario", "Velmora Valdrena"}));
    QCOMPARE(spy.size(), 2);
    delete m;
    QVERIFY(seen[0].isNull());  // gone with the main window
    qputenv("USERNAME", oldUser);
}

QTEST_MAIN(TstNotices)
#include "tst_notices.moc"
