// Around the donor register: the import of the donations exported by the booking agenda,
// the printed donor list, the donation report with its filters and the menu entry that
// opens it.
#include "app/TFormMain.h"
#include "donors/TFoEleDon.h"
#include "donors/TFoRepDon.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "reports/TQRDonatori.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {
QString sql(const QString &s) { return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

qint64 addDonor(const QString &nome, const QString &agenda, const QString &gruppo = QString(),
                const QString &sesso = QString())
{
    TestDb::exec(QStringLiteral("insert into donatori set Nome=%1, IDAGENDA=%2, GRUPPO=%3, Sesso=%4")
                     .arg(sql(nome), sql(agenda), sql(gruppo), sql(sesso)));
    return TestDb::scalar(QStringLiteral("select max(ID) from donatori")).toLongLong();
}

void addDonation(qint64 donor, const QDate &data, const QString &tipo, int qta = 450)
{
    TestDb::exec(QStringLiteral("insert into donazioni(IDDONATORE,DATA,QUANTITA,TIPO) values(%1,'%2',%3,%4)")
                     .arg(donor).arg(data.toString(QStringLiteral("yyyy-MM-dd"))).arg(qta).arg(sql(tipo)));
}

// The donations of a donor as "yyyy-mm-dd tipo quantita", oldest first.
QStringList donations(qint64 donor)
{
    QStringList out;
    vlm::Query q(QStringLiteral("Test"));
    q.add(QStringLiteral("select DATA,TIPO,QUANTITA from donazioni where IDDONATORE=:IDD order by DATA,ID"));
    q.bindInt(QStringLiteral("IDD"), donor);
    q.open();
    for (; !q.eof(); q.next())
        out << q.date(QStringLiteral("DATA")).toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
                   q.str(QStringLiteral("TIPO")) + QLatin1Char(' ') + q.str(QStringLiteral("QUANTITA"));
    q.close();
    vlm::disconnect(QStringLiteral("Test"));
    return out;
}

// One line of the agenda's export: code (1-15), a blank, yyyymmdd (17-24), three
// characters not read, the type (28-29) and the quantity (30-32).
QString exportLine(const QString &agenda, const QString &yyyymmdd, const QString &tipo, const QString &qta)
{
    return agenda.leftJustified(15) + QLatin1Char('X') + yyyymmdd + QStringLiteral("ABC") + tipo.leftJustified(2) +
           qta.rightJustified(3);
}

QString writeFile(const QTemporaryDir &dir, const QStringList &lines)
{
    const QString path = dir.filePath(QStringLiteral("donazioni.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    f.close();
    return path;
}

// Answers the next file-open dialog with a path (an empty path cancels it).
void pickFile(Answerer &a, const QString &path)
{
    a.onDialog(QStringLiteral("OpenDialog1"), [path](QWidget *w) {
        auto *d = static_cast<QFileDialog *>(w);
        if (path.isEmpty()) {
            d->reject();
            return;
        }
        d->setDirectory(QFileInfo(path).absolutePath());
        d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).absoluteFilePath());
        static_cast<QDialog *>(d)->accept();
    });
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList column(const vlm::GridTable *t, const QString &field)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) out << t->text(r, field);
    return out;
}

const QDate kDay(2026, 11, 10);
}  // namespace

class TstRepDon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        VLM_TEST_INIT;
        QVERIFY(m_dir.isValid());
        qputenv("VLM_REPORT_DIR", m_dir.path().toUtf8());
    }
    void init()
    {
        TestDb::reset();
        qputenv("USERNAME", "nessuno.qui");
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void importDonations();
    void importStopsOnBadLine_data();
    void importStopsOnBadLine();
    void reportFilters_data();
    void reportFilters();
    void reportOrderAndDates();
    void printedList();
    void menuEntry();

private:
    QTemporaryDir m_dir;
};

void TstRepDon::importDonations()
{
    const qint64 rossi = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("SIR001"));
    const qint64 bianchi = addDonor(QStringLiteral("Bianchi Anna"), QStringLiteral("SIR002"));
    addDonor(QStringLiteral("Senza Codice"), QString());
    addDonation(bianchi, QDate(2026, 11, 3), QStringLiteral("01"), 600);
    const QString path = writeFile(m_dir, {
        exportLine(QStringLiteral("SIR001"), QStringLiteral("20261101"), QStringLiteral("00"), QStringLiteral("450")),
        exportLine(QStringLiteral("SIR999"), QStringLiteral("20261102"), QStringLiteral("00"), QStringLiteral("450")),
        exportLine(QString(), QStringLiteral("20261102"), QStringLiteral("00"), QStringLiteral("450")),
        QStringLiteral("SIR999"),  // a short line of nobody of the register
        exportLine(QStringLiteral("SIR002"), QStringLiteral("20261103"), QStringLiteral("00"), QStringLiteral("450")),
        exportLine(QStringLiteral("SIR002"), QStringLiteral("20261110"), QStringLiteral("02"), QStringLiteral("80")),
        exportLine(QStringLiteral("SIR001"), QStringLiteral("20261101"), QStringLiteral("01"), QStringLiteral("300")),
        exportLine(QStringLiteral("SIR001"), QStringLiteral("20261201"), QStringLiteral("00"), QStringLiteral("  5")),
    });

    TFoEleDon f;
    f.show();
    const int listed = f.table()->rowCount();
    {
        Answerer a;
        pickFile(a, path);
        f.Button3->click();
        QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("OpenDialog1")});
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].caption, QStringLiteral("Import Donazioni"));
        QCOMPARE(a.messages()[0].text, QStringLiteral("Sono state inserite 3 Donazioni"));
    }
    // The second donation of the same day is not added, nor one on a day already stored.
    QCOMPARE(donations(rossi), (QStringList{"2026-11-01 00 450", "2026-12-01 00 5"}));
    QCOMPARE(donations(bianchi), (QStringList{"2026-11-03 01 600", "2026-11-10 02 80"}));
    QCOMPARE(TestDb::count(QStringLiteral("donazioni")), 4);
    QCOMPARE(f.table()->rowCount(), listed);  // the list is not rebuilt

    // The same file again adds nothing.
    {
        Answerer a;
        pickFile(a, path);
        f.Button3->click();
        QCOMPARE(a.texts(), QStringList{QStringLiteral("Sono state inserite 0 Donazioni")});
    }
    QCOMPARE(TestDb::count(QStringLiteral("donazioni")), 4);

    // Cancelling the file dialog still reports the count.
    {
        Answerer a;
        pickFile(a, QString());
        f.Button3->click();
        QCOMPARE(a.texts(), QStringList{QStringLiteral("Sono state inserite 0 Donazioni")});
    }
    QCOMPARE(TestDb::count(QStringLiteral("donazioni")), 4);
}

void TstRepDon::importStopsOnBadLine_data()
{
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("error");
    QTest::newRow("quantity") << exportLine(QStringLiteral("SIR001"), QStringLiteral("20261105"), QStringLiteral("00"),
                                            QStringLiteral("4x0"))
                              << QStringLiteral("non è un valore intero valido");
    QTest::newRow("short line") << QStringLiteral("SIR001         X202611") << QStringLiteral("non è una data valida");
    QTest::newRow("no day") << exportLine(QStringLiteral("SIR001"), QStringLiteral("20261131"), QStringLiteral("00"),
                                          QStringLiteral("450"))
                            << QStringLiteral("non è una data valida");
}

void TstRepDon::importStopsOnBadLine()
{
    QFETCH(QString, bad);
    QFETCH(QString, error);
    const qint64 rossi = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("SIR001"));
    const QString path = writeFile(m_dir, {
        exportLine(QStringLiteral("SIR001"), QStringLiteral("20261101"), QStringLiteral("00"), QStringLiteral("450")),
        bad,
        exportLine(QStringLiteral("SIR001"), QStringLiteral("20261120"), QStringLiteral("00"), QStringLiteral("450")),
    });
    TFoEleDon f;
    f.show();
    Answerer a;
    pickFile(a, path);
    f.Button3->click();
    // The error box ends the import: what came before stays, nothing after is read, no count.
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY2(a.messages()[0].text.contains(error), qPrintable(a.messages()[0].text));
    QCOMPARE(donations(rossi), QStringList{"2026-11-01 00 450"});
}

void TstRepDon::reportFilters_data()
{
    QTest::addColumn<QString>("gruppo");
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QStringList>("nomi");
    const QStringList tutti = {"Rossi Mario", "Verdi Luca", "Bianchi Anna", "Rossi Mario", "Neri Eva"};
    QTest::newRow("no filter") << QString() << QString() << QString() << tutti;
    QTest::newRow("group") << QStringLiteral("A+") << QString() << QString()
                           << QStringList{"Rossi Mario", "Rossi Mario"};
    QTest::newRow("group with blanks") << QStringLiteral(" 0- ") << QString() << QString()
                                       << QStringList{"Bianchi Anna", "Neri Eva"};
    QTest::newRow("sex") << QString() << QStringLiteral("F") << QString() << QStringList{"Bianchi Anna", "Neri Eva"};
    QTest::newRow("type") << QString() << QString() << QStringLiteral("Plasmaferesi")
                          << QStringList{"Verdi Luca", "Bianchi Anna"};
    QTest::newRow("all three") << QStringLiteral("0-") << QStringLiteral("F") << QStringLiteral("Sangue Intero")
                               << QStringList{"Neri Eva"};
    QTest::newRow("nobody") << QStringLiteral("B+") << QStringLiteral("F") << QString() << QStringList();
    QTest::newRow("quote in a box") << QStringLiteral("A+' or '1'='1") << QString() << QString() << QStringList();
}

void TstRepDon::reportFilters()
{
    QFETCH(QString, gruppo);
    QFETCH(QString, sesso);
    QFETCH(QString, tipo);
    QFETCH(QStringList, nomi);
    const qint64 rossi = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("1"), QStringLiteral("A+"), QStringLiteral("M"));
    const qint64 verdi = addDonor(QStringLiteral("Verdi Luca"), QStringLiteral("2"), QStringLiteral("B-"), QStringLiteral("M"));
    const qint64 bianchi = addDonor(QStringLiteral("Bianchi Anna"), QStringLiteral("3"), QStringLiteral("0-"), QStringLiteral("F"));
    const qint64 neri = addDonor(QStringLiteral("Neri Eva"), QStringLiteral("4"), QStringLiteral("0-"), QStringLiteral("F"));
    // Both ends of the period count; the days just outside do not.
    addDonation(rossi, kDay.addDays(-30), QStringLiteral("00"));
    addDonation(verdi, kDay.addDays(-20), QStringLiteral("01"));
    addDonation(bianchi, kDay.addDays(-10), QStringLiteral("01"));
    addDonation(rossi, kDay.addDays(-5), QStringLiteral("99"));  // a type without description
    addDonation(neri, kDay, QStringLiteral("00"));
    addDonation(neri, kDay.addDays(-31), QStringLiteral("00"));
    addDonation(bianchi, kDay.addDays(1), QStringLiteral("00"));

    TFoRepDon f;
    f.setPeriodo(vlm::dateToStr(kDay.addDays(-30)), vlm::dateToStr(kDay));
    Answerer a;
    f.show();
    QCOMPARE(column(f.table(), QStringLiteral("Nome")).size(), 5);
    QCOMPARE(column(f.table(), QStringLiteral("descrizione")),
             (QStringList{"Sangue Intero", "Plasmaferesi", "Plasmaferesi", "", "Sangue Intero"}));
    QStringList tipi;
    for (int i = 0; i < f.ComboBox3->count(); ++i) tipi << f.ComboBox3->itemText(i);
    tipi.sort();  // in the order the server gives them
    QCOMPARE(tipi, (QStringList{"Multicomponent", "Piastrinoaferesi", "Plasmaferesi", "Sangue Intero"}));

    // Every change of a drop-down builds the list again.
    f.ComboBox1->setEditText(gruppo);
    f.ComboBox2->setEditText(sesso);
    f.ComboBox3->setEditText(tipo);
    QCOMPARE(column(f.table(), QStringLiteral("Nome")), nomi);
    QCOMPARE(f.Label7->text(), QString::number(nomi.size()));
    QVERIFY(a.messages().isEmpty());

    // Emptying the boxes again lifts the filters.
    f.ComboBox1->setEditText(QString());
    f.ComboBox2->setEditText(QString());
    f.ComboBox3->setEditText(QString());
    QCOMPARE(f.Label7->text(), QStringLiteral("5"));
}

void TstRepDon::reportOrderAndDates()
{
    const qint64 rossi = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("1"), QStringLiteral("A+"), QStringLiteral("M"));
    const qint64 bianchi = addDonor(QStringLiteral("Bianchi Anna"), QStringLiteral("3"), QStringLiteral("0-"), QStringLiteral("F"));
    addDonation(rossi, kDay.addDays(-3), QStringLiteral("00"));
    addDonation(bianchi, kDay.addDays(-2), QStringLiteral("01"));
    addDonation(rossi, kDay.addDays(-1), QStringLiteral("01"));

    TFoRepDon f;
    f.setPeriodo(vlm::dateToStr(kDay.addDays(-30)), vlm::dateToStr(kDay));
    Answerer a;
    f.show();
    QCOMPARE(column(f.table(), QStringLiteral("Nome")), (QStringList{"Rossi Mario", "Bianchi Anna", "Rossi Mario"}));
    QVERIFY(f.lastSql().endsWith(QStringLiteral("order by Data")));

    // A title click orders by that column on the server.
    f.DBGrid1->clickTitle(2);  // Nome
    QCOMPARE(f.ordine(), QStringLiteral("Nome"));
    QCOMPARE(column(f.table(), QStringLiteral("Nome")), (QStringList{"Bianchi Anna", "Rossi Mario", "Rossi Mario"}));
    f.DBGrid1->clickTitle(1);  // descrizione
    QCOMPARE(column(f.table(), QStringLiteral("descrizione")), (QStringList{"Plasmaferesi", "Plasmaferesi", "Sangue Intero"}));

    // A date that is no date: the conversion error, and an empty list until the next build.
    f.MaskEdit1->setText(QStringLiteral("31/02/2026"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(f.MaskEdit1, &out);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(a.messages()[0].text.contains(QStringLiteral("non è una data valida")));
    QCOMPARE(f.table()->rowCount(), 0);
    QCOMPARE(f.Label7->text(), QStringLiteral("0"));

    // Leaving the other box with a shorter period builds it again.
    f.MaskEdit1->setText(vlm::dateToStr(kDay.addDays(-2)));
    f.MaskEdit2->setText(vlm::dateToStr(kDay.addDays(-2)));
    QApplication::sendEvent(f.MaskEdit2, &out);
    QCOMPARE(column(f.table(), QStringLiteral("Nome")), QStringList{"Bianchi Anna"});
    QCOMPARE(column(f.table(), QStringLiteral("Gruppo")), QStringList{"0-"});
    QCOMPARE(column(f.table(), QStringLiteral("Sesso")), QStringList{"F"});
    QCOMPARE(f.Label7->text(), QStringLiteral("1"));
    QCOMPARE(a.messages().size(), 1);
}

void TstRepDon::printedList()
{
    const qint64 rossi = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("1"), QStringLiteral("A+"));
    const qint64 bianchi = addDonor(QStringLiteral("Bianchi Anna"), QStringLiteral("3"), QStringLiteral("0-"));
    addDonor(QStringLiteral("Rossetti Pia"), QStringLiteral("4"), QStringLiteral("B+"));  // never donated
    addDonor(QStringLiteral("Neri Eva"), QStringLiteral("5"), QStringLiteral("AB+"));
    addDonation(rossi, QDate(2026, 3, 4), QStringLiteral("00"));
    addDonation(rossi, QDate(2026, 9, 14), QStringLiteral("01"));
    addDonation(bianchi, QDate(2025, 12, 24), QStringLiteral("00"));
    const QString pdf = m_dir.filePath(QStringLiteral("TQRDonatori.pdf"));
    QFile::remove(pdf);

    TFoEleDon f;
    f.show();
    f.Edit1->setText(QStringLiteral("Ross"));  // the list as shown: two donors
    f.DBGrid1->clickTitle(1);                  // ordered by group
    QCOMPARE(column(f.table(), QStringLiteral("Nome")), (QStringList{"Rossi Mario", "Rossetti Pia"}));

    Answerer a;
    a.onDialog(QStringLiteral("QPrintPreviewDialog"), [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    f.Button4->click();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")});
    QVERIFY(a.messages().isEmpty());
    QVERIFY(f.findChild<TQRDonatori *>() == nullptr);  // the sheet is gone

    const QStringList lines = pdfText(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty(), "no sheet written");
    auto simplified = [](QStringList l) {
        for (QString &s : l) s = s.simplified();
        l.removeAll(QString());
        return l;
    };
    QCOMPARE(simplified(lines),
             (QStringList{"Elenco Donatori", "NOMINATIVO GRUPPO ULTIMA DONAZIONE", "Rossi Mario A+ 14/09/2026",
                          "Rossetti Pia B+"}));
}

void TstRepDon::menuEntry()
{
    TestDb::addPerson(QStringLiteral("Capo Donatori"), QStringLiteral("Utente,Password,LivelloP"),
                      QStringLiteral("'capo','x',8"));
    qputenv("USERNAME", "capo");
    const qint64 rossi = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("1"), QStringLiteral("A+"));
    const QDate oggi = QDate::currentDate();
    addDonation(rossi, oggi.addDays(-30), QStringLiteral("00"));
    addDonation(rossi, oggi.addDays(-31), QStringLiteral("00"));

    TFormMain w;
    QVERIFY(w.userId() > 0);
    QSignalSpy spy(&w, &TFormMain::entryOpened);
    Answerer a;
    QString dal, al, ordine;
    int righe = -1;
    a.onDialog(QStringLiteral("TFoRepDon"), [&](QWidget *d) {
        auto *r = static_cast<TFoRepDon *>(d);
        dal = r->MaskEdit1->text();
        al = r->MaskEdit2->text();
        ordine = r->ordine();
        righe = r->table()->rowCount();
        r->reject();
    });
    w.findChild<QAction *>(QStringLiteral("Report1"))->trigger();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoRepDon")});
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0].at(0).toString(), QStringLiteral("TFoRepDon"));
    QCOMPARE(dal, oggi.addDays(-30).toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(al, oggi.toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(ordine, QStringLiteral("Data"));
    QCOMPARE(righe, 1);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

QTEST_MAIN(TstRepDon)
#include "tst_repdon.moc"
