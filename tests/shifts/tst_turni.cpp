// The shift roster: the import of the monthly sheet (title, vehicles, hours, day lines,
// name lookup, replacing days, file names that need escaping, errors) and the roster
// view with its day drop-down.
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "shifts/TFoTurni.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

void writeFile(const QString &path, const QByteArray &b)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// Answers the next file-open dialog with a path, typed into its name box (empty: cancel).
void pickFile(Answerer &a, const QString &path, bool goneBeforeReading = false)
{
    a.onDialog(QStringLiteral("OpenDialog1"), [path, goneBeforeReading](QWidget *w) {
        auto *d = static_cast<QFileDialog *>(w);
        if (path.isEmpty()) {
            d->reject();
            return;
        }
        d->setDirectory(QFileInfo(path).absolutePath());
        auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QFileInfo(path).fileName());
        static_cast<QDialog *>(d)->accept();
        QVERIFY2(!d->isVisible(), qPrintable(QStringLiteral("file dialog still open for %1").arg(path)));
        if (goneBeforeReading) QFile::remove(path);
    });
}

// A sheet of March 2026 as the spreadsheet saves it (CR LF line ends, eleven fields a line).
// Vehicles: MSA1, (same), MSB2, (same), (same), (same). Column 5 has no hours.
QByteArray marchSheet()
{
    return QByteArrayLiteral(
        ",,Turni Marzo 2026,,,,,,,,\r\n"
        ",,,MSA1,,MSB2,,,,AUTO7,AUTO8\r\n"
        ",,,8-14,14-20,20-8,7:30-13,,19,,\r\n"
        "1,Domenica,Giorno,Rossi M.,Bianchi Luca,,D'Amico,,,Neri,Neri\r\n"
        ",,Notte,,,Verdi,,Bianchi,Rossi Mario,,\r\n"
        ",,,Bianchi,Bianchi,,,,,,\r\n"
        "2,Lunedì,Giorno,Bianchi,,,,,,,\r\n");
}

struct Row {
    QString data, tipo, orai, oraf, mezzo;
    qint64 idv;
};

QList<Row> turni()
{
    QList<Row> out;
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("select * from Turni order by ID"));
    q.open();
    while (!q.eof()) {
        out.append({vlm::dateToStr(q.date(QStringLiteral("DATA"))), q.str(QStringLiteral("TIPO")), q.str(QStringLiteral("ORAI")),
                    q.str(QStringLiteral("ORAF")), q.str(QStringLiteral("MEZZO")), q.integer(QStringLiteral("IDV"))});
        q.next();
    }
    return out;
}

void addShift(const QString &data, const QString &mezzo, const QString &orai, const QString &tipo, qint64 idv)
{
    TestDb::exec(QStringLiteral("insert into Turni(DATA,TIPO,ORAI,ORAF,IDV,MEZZO) values('%1','%2','%3','20:00',%4,'%5')")
                     .arg(data, tipo, orai).arg(idv).arg(mezzo));
}

}  // namespace

class TstTurni : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    qint64 m_rossi = 0, m_bianchi = 0, m_damico = 0, m_neri = 0;

    // Imports a file through the window as a user does; returns the messages shown.
    QList<vlmtest::SeenMessage> importThrough(TFoTurni &w, const QString &path, bool goneBeforeReading = false)
    {
        Answerer a;
        pickFile(a, path, goneBeforeReading);
        w.Button1->click();
        return a.messages();
    }
    QString sheet(const QString &name, const QByteArray &content)
    {
        const QString p = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(p).absolutePath());
        writeFile(p, content);
        return p;
    }

private slots:
    void initTestCase() { VLM_TEST_INIT; }
    void init()
    {
        TestDb::reset();
        m_rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
        m_bianchi = TestDb::addPerson(QStringLiteral("Bianchi Luca"));
        m_damico = TestDb::addPerson(QStringLiteral("D'Amico Anna"));
        m_neri = TestDb::addPerson(QStringLiteral("Neri Paolo"));
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void hoursCells_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("night") << "20-8" << "20:00" << "08:00";
        QTest::newRow("half hour") << "7:30-13" << "7:30" << "13:00";
        QTest::newRow("day") << "8-14" << "08:00" << "14:00";
        QTest::newRow("no dash") << "12:30 circa" << "" << "12:30";
        QTest::newRow("no dash short") << "9" << "" << "09:00";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("long end cut") << "8-14:00:00" << "08:00" << "14:00";
    }
    void hoursCells()
    {
        QFETCH(QString, cell);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const auto o = TFoTurni::orario(cell);
        QCOMPARE(o.first, start);
        QCOMPARE(o.second, end);
    }

    void titles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::newRow("word month year") << "Turni Marzo 2026" << "03" << "2026";
        QTest::newRow("words after year") << "Turni Dicembre 2026 bozza def" << "12" << "2026";
        QTest::newRow("no year") << "Turni Aprile" << "04" << "";
        QTest::newRow("no month") << "Turni 2026" << "" << "2026";
        QTest::newRow("glued") << "Maggio2026" << "05" << "";
        QTest::newRow("lower case month") << "turni marzo 2026" << "" << "2026";
        QTest::newRow("zero year") << "Giugno 0" << "06" << "";
        QTest::newRow("last name found wins") << "Gennaio Febbraio 2027" << "02" << "2027";
    }
    void titles()
    {
        QFETCH(QString, title);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QCOMPARE(TFoTurni::meseDaTitolo(title), month);
        QCOMPARE(TFoTurni::annoDaTitolo(title), year);
    }

    // The sheet becomes one row per filled cell of columns 1 to 6 on lines with a kind.
    void importsSheet()
    {
        const QString path = sheet(QStringLiteral("marzo.csv"), marchSheet());
        TFoTurni w;
        w.show();
        QCOMPARE(w.table()->rowCount(), 0);
        QVERIFY(importThrough(w, path).isEmpty());

        const QList<Row> rows = turni();
        QCOMPARE(rows.size(), 7);
        auto check = [&](int i, const QString &data, const QString &tipo, const QString &orai, const QString &oraf,
                         const QString &mezzo, qint64 idv) {
            QCOMPARE(rows[i].data, data);
            QCOMPARE(rows[i].tipo, tipo);
            QCOMPARE(rows[i].orai, orai);
            QCOMPARE(rows[i].oraf, oraf);
            QCOMPARE(rows[i].mezzo, mezzo);
            QCOMPARE(rows[i].idv, idv);
        };
        check(0, "01/03/2026", "Giorno", "08:00", "14:00", "MSA1", m_rossi);     // family name and initial
        check(1, "01/03/2026", "Giorno", "14:00", "20:00", "MSA1", m_bianchi);   // vehicle of the column to the left
        check(2, "01/03/2026", "Giorno", "7:30", "13:00", "MSB2", m_damico);     // apostrophe in the name
        check(3, "01/03/2026", "Notte", "20:00", "08:00", "MSB2", 0);            // nobody of that name
        check(4, "01/03/2026", "Notte", "", "", "MSB2", m_bianchi);              // column without hours
        check(5, "01/03/2026", "Notte", "", "19:00", "MSB2", m_rossi);           // hours without a dash
        check(6, "02/03/2026", "Giorno", "08:00", "14:00", "MSA1", m_bianchi);
        // The line without a kind and the columns 7 and 8 bring nothing.
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("IDV=%1").arg(m_neri)), 0);
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("MEZZO like 'AUTO%'")), 0);
        // The staging table holds every line of the file.
        QCOMPARE(TestDb::count(QStringLiteral("TurniTmp")), 7);

        // The view is built again after the import: every row, ordered by day, vehicle, start, kind.
        QCOMPARE(w.table()->rowCount(), 7);
        QCOMPARE(w.table()->text(0, QStringLiteral("DATA")), QStringLiteral("01/03/2026"));
        QCOMPARE(w.table()->text(0, QStringLiteral("GIORNO")), QStringLiteral("Domenica"));
        QCOMPARE(w.table()->text(6, QStringLiteral("GIORNO")), QStringLiteral("Lunedì"));
        QStringList order;
        for (int r = 0; r < 7; ++r)
            order << w.table()->text(r, QStringLiteral("MEZZO")) + QLatin1Char(' ') + w.table()->text(r, QStringLiteral("ORARIO")) +
                         QLatin1Char(' ') + w.table()->text(r, QStringLiteral("VOLONTARIO"));
        // Two rows of the same vehicle, start and kind come in either order.
        if (order[2] > order[3]) order.swapItemsAt(2, 3);
        QCOMPARE(order, (QStringList{"MSA1 08:00-14:00 Rossi Mario", "MSA1 14:00-20:00 Bianchi Luca",
                                     "MSB2 - Bianchi Luca", "MSB2 -19:00 Rossi Mario", "MSB2 20:00-08:00 .",
                                     "MSB2 7:30-13:00 D'Amico Anna", "MSA1 08:00-14:00 Bianchi Luca"}));
    }

    // Names: family name and given name both looked up; a single word alone; several
    // matches take one of them; the initial before its full stop.
    void nameLookup()
    {
        const qint64 marta = TestDb::addPerson(QStringLiteral("Rossi Marta"));
        const QString path = sheet(QStringLiteral("nomi.csv"),
                                   ",,Turni Aprile 2026,,,,,,,,\r\n,,,A,B,C,D,,,,\r\n,,,8-14,8-14,8-14,8-14,,,,\r\n"
                                   "3,,Giorno,Rossi Marta,Rossi Mario,Rossi,Rossi Mar.,,,,\r\n");
        TFoTurni w;
        w.show();
        QVERIFY(importThrough(w, path).isEmpty());
        const QList<Row> rows = turni();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].idv, marta);
        QCOMPARE(rows[1].idv, m_rossi);
        QVERIFY(rows[2].idv == m_rossi || rows[2].idv == marta);
        QVERIFY(rows[3].idv == m_rossi || rows[3].idv == marta);
    }

    // Importing twice: with "Sovrascrivere" each day of the sheet is replaced, a day not in the
    // sheet stays; without it a second copy is added.
    void replaceOrAdd()
    {
        addShift(QStringLiteral("2026-03-15"), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_neri);
        addShift(QStringLiteral("2026-03-02"), QStringLiteral("OLD"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_neri);
        const QString path = sheet(QStringLiteral("twice.csv"), marchSheet());
        TFoTurni w;
        w.show();
        QVERIFY(w.CheckBox1->isChecked());
        QVERIFY(importThrough(w, path).isEmpty());
        QVERIFY(importThrough(w, path).isEmpty());
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("DATA in ('2026-03-01','2026-03-02')")), 7);
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("MEZZO='OLD'")), 0);
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("DATA='2026-03-15'")), 1);

        w.CheckBox1->setChecked(false);
        QVERIFY(importThrough(w, path).isEmpty());
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("DATA in ('2026-03-01','2026-03-02')")), 14);
        QCOMPARE(TestDb::count(QStringLiteral("Turni"), QStringLiteral("DATA='2026-03-15'")), 1);
    }

    // Lines before the first numbered day belong to the first of the month; a day number in a
    // blank-padded cell still counts; a short line (its line end in a name cell) still loads.
    void linesBeforeFirstDay()
    {
        const QString path = sheet(QStringLiteral("first.csv"),
                                   ",,Turni Febbraio 2027,,,,,,,,\n,,,A,,,,,,,\n,,,8-14,,,,,,,\n"
                                   ",,Giorno,Bianchi,,,,,,,\n 5 ,,Giorno,Rossi,,,,,,,\n6,,Giorno,Neri\r\n");
        TFoTurni w;
        w.show();
        QVERIFY(importThrough(w, path).isEmpty());
        const QList<Row> rows = turni();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].data, QStringLiteral("01/02/2027"));
        QCOMPARE(rows[1].data, QStringLiteral("05/02/2027"));
        QCOMPARE(rows[2].data, QStringLiteral("06/02/2027"));
        QCOMPARE(rows[2].idv, m_neri);
    }

    // File names that a statement built by pasting text would break on.
    void awkwardPaths_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("quote") << "dell'anno";
        QTest::newRow("quote and statement") << "x' INTO TABLE Turni; --";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("backslash before quote") << "fine\\'";
        QTest::newRow("double quote and blank") << "turni \"marzo\"";
    }
    void awkwardPaths()
    {
        QFETCH(QString, folder);
        const QString path = sheet(folder + QStringLiteral("/turni.csv"), marchSheet());
        TFoTurni w;
        w.show();
        const auto msgs = importThrough(w, path);
        QVERIFY2(msgs.isEmpty(), msgs.isEmpty() ? "" : qPrintable(msgs.first().text));
        QCOMPARE(TestDb::count(QStringLiteral("Turni")), 7);
        QCOMPARE(TestDb::count(QStringLiteral("TurniTmp")), 7);
    }

    void cancelChangesNothing()
    {
        addShift(QStringLiteral("2026-03-01"), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_neri);
        TestDb::exec(QStringLiteral("insert into TurniTmp(Giorno,TIPO) values('1','x')"));
        TFoTurni w;
        w.show();
        QVERIFY(importThrough(w, QString()).isEmpty());
        QCOMPARE(TestDb::count(QStringLiteral("Turni")), 1);
        QCOMPARE(TestDb::count(QStringLiteral("TurniTmp")), 1);
    }

    // A title without month or year, a file the server cannot load, an empty file: the
    // error is shown and Turni is untouched.
    void errorsBeforeTurni_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("gone");
        QTest::newRow("no month") << QByteArray(",,Turni 2026,,,,,,,,\n,,,A,,,,,,,\n,,,8-14,,,,,,,\n1,,Giorno,Rossi,,,,,,,\n") << false;
        QTest::newRow("no year") << QByteArray(",,Turni Marzo,,,,,,,,\n,,,A,,,,,,,\n,,,8-14,,,,,,,\n1,,Giorno,Rossi,,,,,,,\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("file gone") << marchSheet() << true;
    }
    void errorsBeforeTurni()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, gone);
        addShift(QStringLiteral("2026-03-01"), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_neri);
        const QString path = sheet(QStringLiteral("err.csv"), content);
        TFoTurni w;
        w.show();
        const auto msgs = importThrough(w, path, gone);
        QCOMPARE(msgs.size(), 1);
        QCOMPARE(msgs.first().icon, QMessageBox::Critical);
        const QList<Row> rows = turni();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].idv, m_neri);
    }

    // A day that is not a date of the month ends the import there; the days above it stay imported.
    void invalidDayStopsThere()
    {
        const QString path = sheet(QStringLiteral("aprile.csv"),
                                   ",,Turni Aprile 2026,,,,,,,,\n,,,A,,,,,,,\n,,,8-14,,,,,,,\n"
                                   "30,,Giorno,Rossi,,,,,,,\n31,,Giorno,Bianchi,,,,,,,\n");
        TFoTurni w;
        w.show();
        const auto msgs = importThrough(w, path);
        QCOMPARE(msgs.size(), 1);
        QCOMPARE(msgs.first().icon, QMessageBox::Critical);
        QVERIFY(msgs.first().text.contains(QStringLiteral("31/04/2026")));
        const QList<Row> rows = turni();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].data, QStringLiteral("30/04/2026"));
        QCOMPARE(rows[0].idv, m_rossi);
    }

    // The drop-down lists the days from six days ago on; choosing one shows that day only.
    void dayDropDown()
    {
        const QDate today = QDate::currentDate();
        auto iso = [&](int off) { return today.addDays(off).toString(QStringLiteral("yyyy-MM-dd")); };
        addShift(iso(-10), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_rossi);
        addShift(iso(-7), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_rossi);
        addShift(iso(-6), QStringLiteral("MSB2"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_rossi);
        addShift(iso(3), QStringLiteral("MSB2"), QStringLiteral("14:00"), QStringLiteral("Notte"), 0);
        addShift(iso(3), QStringLiteral("MSA1"), QStringLiteral("20:00"), QStringLiteral("Giorno"), m_bianchi);
        addShift(iso(3), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_bianchi);
        TFoTurni w;
        w.show();
        QStringList items;
        for (int i = 0; i < w.ComboBox1->count(); ++i) items << w.ComboBox1->itemText(i);
        QCOMPARE(items, (QStringList{vlm::dateToStr(today.addDays(-6)), vlm::dateToStr(today.addDays(3))}));
        QCOMPARE(w.ComboBox1->currentText(), QString());
        QCOMPARE(w.table()->rowCount(), 6);

        Answerer a;
        w.ComboBox1->setCurrentIndex(1);
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(w.table()->rowCount(), 3);
        QCOMPARE(w.table()->text(0, QStringLiteral("ORARIO")), QStringLiteral("08:00-20:00"));
        QCOMPARE(w.table()->text(1, QStringLiteral("ORARIO")), QStringLiteral("20:00-20:00"));
        QCOMPARE(w.table()->text(2, QStringLiteral("MEZZO")), QStringLiteral("MSB2"));
        QCOMPARE(w.table()->text(2, QStringLiteral("VOLONTARIO")), QStringLiteral("."));
        QCOMPARE(w.table()->text(0, QStringLiteral("GIORNO")), vlm::italianWeekday(today.addDays(3)));

        // An older day typed into the box; a text that is no date shows the conversion error.
        w.ComboBox1->setEditText(vlm::dateToStr(today.addDays(-10)));
        emit w.ComboBox1->lineEdit()->editingFinished();
        QCOMPARE(w.table()->rowCount(), 1);
        w.ComboBox1->setEditText(QStringLiteral("32/13"));
        emit w.ComboBox1->lineEdit()->editingFinished();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
        // Emptying the box shows every day again.
        w.ComboBox1->setEditText(QString());
        emit w.ComboBox1->lineEdit()->editingFinished();
        QCOMPARE(w.table()->rowCount(), 6);
    }

    // The import does not refill the drop-down.
    void importKeepsDropDown()
    {
        const QDate today = QDate::currentDate();
        addShift(today.toString(QStringLiteral("yyyy-MM-dd")), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_rossi);
        const QString title = QStringLiteral("Turni %1 %2").arg(vlm::italianMonth(today.month())).arg(today.year());
        const QString path = sheet(QStringLiteral("oggi.csv"),
                                   QStringLiteral(",,%1,,,,,,,,\n,,,A,,,,,,,\n,,,8-14,,,,,,,\n28,,Giorno,Rossi,,,,,,,\n").arg(title).toUtf8());
        TFoTurni w;
        w.show();
        QCOMPARE(w.ComboBox1->count(), 1);
        QVERIFY(importThrough(w, path).isEmpty());
        QCOMPARE(w.ComboBox1->count(), 1);
        QCOMPARE(w.table()->rowCount(), 2);
    }

    // Volontari > Turni > "Assegnazione" with a services digit of 8 opens the roster modally,
    // showing every row; the shared connection is closed after it.
    void menuOpensRoster()
    {
        addShift(QStringLiteral("2026-03-01"), QStringLiteral("MSA1"), QStringLiteral("08:00"), QStringLiteral("Giorno"), m_rossi);
        TestDb::addPerson(QStringLiteral("Capo Turni"), QStringLiteral("Utente,Password,LivelloS"), QStringLiteral("'capo','x',8"));
        qputenv("USERNAME", "capo");
        TFormMain main;
        QVERIFY(main.userId() > 0);
        Answerer a;
        int rows = -1;
        a.onDialog(QStringLiteral("TFoTurni"), [&rows](QWidget *w) {
            auto *f = static_cast<TFoTurni *>(w);
            rows = f->table()->rowCount();
            QCOMPARE(f->table()->text(0, QStringLiteral("VOLONTARIO")), QStringLiteral("Rossi Mario"));
            f->accept();
        });
        main.findChild<QAction *>(QStringLiteral("Assegnazione1"))->trigger();
        QCOMPARE(rows, 1);
        QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoTurni")});
        QVERIFY(a.messages().isEmpty());
        QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
        QVERIFY(!main.findChild<TFoTurni *>());
    }
};

QTEST_MAIN(TstTurni)
#include "tst_turni.moc"
