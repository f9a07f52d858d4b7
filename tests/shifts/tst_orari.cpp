// The shift slots: the list with its kinds of day and availability counts, the next-date
// button, the slot editor (new, edit, kinds of day, conversion errors) and the menu entry.
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "shifts/TFoIMTurni.h"
#include "shifts/TFoOrari.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

qint64 addSlot(qint64 giorno, const QString &tipo = QStringLiteral("BRAVO"), const QString &descr = QStringLiteral("Mattina"),
               const QString &orai = QStringLiteral("08:00"), const QString &oraf = QStringLiteral("14:00"),
               const QString &attivo = QString())
{
    const QString cols = attivo.isNull() ? QString() : QStringLiteral(",ATTIVO");
    const QString vals = attivo.isNull() ? QString() : QStringLiteral(",'%1'").arg(attivo);
    TestDb::exec(QStringLiteral("insert into OrariTurni(TIPO,DESCRIZ,GIORNO,ORAI,ORAF%1) values('%2','%3',%4,'%5','%6'%7)")
                     .arg(cols, tipo, descr).arg(giorno).arg(orai, oraf, vals));
    return TestDb::scalar(QStringLiteral("select max(ID) from OrariTurni")).toLongLong();
}

void addAvailable(qint64 idv, qint64 idt)
{
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,IDT) values(%1,%2)").arg(idv).arg(idt));
}

int rowOf(const TFoOrari &l, qint64 id)
{
    for (int r = 0; r < l.table()->rowCount(); ++r)
        if (l.table()->integer(r, QStringLiteral("ID")) == id) return r;
    return -1;
}

QString slotText(qint64 id, const QString &col)
{
    return TestDb::scalar(QStringLiteral("select %1 from OrariTurni where ID=%2").arg(col).arg(id)).toString();
}

// Fills the editor as a user does.
void fillEditor(TFoIMTurni *e, const QString &giorno, const QString &data, const QString &dalle, const QString &alle,
                const QString &tipo, const QString &descr)
{
    e->ComboBox1->setEditText(giorno);
    if (!data.isNull()) e->MaskEdit1->setText(data);
    e->MaskEdit2->setText(dalle);
    e->MaskEdit3->setText(alle);
    e->ComboBox2->setEditText(tipo);
    e->Edit1->setText(descr);
}

}  // namespace

class TstOrari : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listShowsActiveSlots();
    void nextDate_data();
    void nextDate();
    void newSlotFromList();
    void editSlotFromList();
    void editorKindOfDay_data();
    void editorKindOfDay();
    void editorRejectsBadInput_data();
    void editorRejectsBadInput();
    void menuEntryOpensList();
};

void TstOrari::listShowsActiveSlots()
{
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    const qint64 piero = TestDb::addPerson(QStringLiteral("Neri Piero"));
    const qint64 lunedi = addSlot(2, QStringLiteral("BRAVO+"), QString(40, QLatin1Char('d')), QStringLiteral("08:00"),
                                  QStringLiteral("14:30"), QStringLiteral("S"));
    const qint64 data = addSlot(45000, QStringLiteral("INDIA-LONGTYPE"), QStringLiteral("Fiera"));
    const qint64 spento = addSlot(3, QStringLiteral("OSCAR"), QStringLiteral("Vecchio"), QStringLiteral("20:00"),
                                  QStringLiteral("23:00"), QStringLiteral("N"));
    const qint64 senzaGiorno = addSlot(0);
    addAvailable(anna, lunedi);
    addAvailable(piero, lunedi);
    addAvailable(anna, spento);
    // A period of availability belongs to no slot.
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,DATAI,DATAF,ORAI,ORAF) values(%1,'2026-01-01','2026-12-31','08:00','20:00')").arg(piero));

    TFoOrari l;
    l.show();
    QCOMPARE(l.windowTitle(), QStringLiteral("FoOrari"));
    QCOMPARE(l.table()->rowCount(), 3);
    QCOMPARE(rowOf(l, spento), -1);

    const int r1 = rowOf(l, lunedi);
    QCOMPARE(l.table()->text(r1, QStringLiteral("GIORNO")), QStringLiteral("Lunedì"));
    QCOMPARE(l.table()->text(r1, QStringLiteral("TIPO")), QStringLiteral("BRAVO+"));
    QCOMPARE(l.table()->text(r1, QStringLiteral("DALLE")), QStringLiteral("08:00"));
    QCOMPARE(l.table()->text(r1, QStringLiteral("ALLE")), QStringLiteral("14:30"));
    QCOMPARE(l.table()->text(r1, QStringLiteral("DESCRIZIONE")), QString(35, QLatin1Char('d')));
    QCOMPARE(l.table()->integer(r1, QStringLiteral("VDS")), 2);

    const int r2 = rowOf(l, data);
    QCOMPARE(l.table()->text(r2, QStringLiteral("GIORNO")), QStringLiteral("15/03/2023"));
    QCOMPARE(l.table()->text(r2, QStringLiteral("TIPO")), QStringLiteral("INDIA-LONG"));
    QCOMPARE(l.table()->integer(r2, QStringLiteral("VDS")), 0);

    QCOMPARE(l.table()->text(rowOf(l, senzaGiorno), QStringLiteral("GIORNO")), QString());

    // The grid shows the six columns, and a title click sorts by its field.
    QCOMPARE(l.DBGrid1->model()->columnCount(), 6);
    l.DBGrid1->clickTitle(1);
    QCOMPARE(l.table()->text(0, QStringLiteral("GIORNO")), QString());
    QCOMPARE(l.table()->text(2, QStringLiteral("GIORNO")), QStringLiteral("Lunedì"));
    QCOMPARE(l.DBGrid1->model()->index(2, 5).data().toString(), QStringLiteral("2"));
}

void TstOrari::nextDate_data()
{
    QTest::addColumn<qint64>("giorno");
    QTest::addColumn<QString>("expected");
    const QDate today = QDate::currentDate();
    QTest::newRow("weekday of today") << qint64(vlm::dayOfWeek(today)) << vlm::dateToStr(today);
    QTest::newRow("weekday of tomorrow") << qint64(vlm::dayOfWeek(today.addDays(1))) << vlm::dateToStr(today.addDays(1));
    QTest::newRow("weekday six days on") << qint64(vlm::dayOfWeek(today.addDays(6))) << vlm::dateToStr(today.addDays(6));
    QTest::newRow("holidays: no date") << qint64(9) << QString();
    QTest::newRow("no day: no date") << qint64(0) << QString();
    QTest::newRow("future date slot") << vlm::serialFromDate(today.addDays(20)) << vlm::dateToStr(today.addDays(20));
    QTest::newRow("past date slot") << vlm::serialFromDate(today.addDays(-1)) << QString();
}

void TstOrari::nextDate()
{
    QFETCH(qint64, giorno);
    QFETCH(QString, expected);
    addSlot(giorno == 2 ? 3 : 2);
    const qint64 id = addSlot(giorno);
    TFoOrari l;
    l.show();
    QCOMPARE(l.Label1->text(), QStringLiteral("Label1"));
    l.DBGrid1->setCurrentRow(rowOf(l, id));
    l.Button2->click();
    QCOMPARE(l.Label1->text(), expected);
}

void TstOrari::newSlotFromList()
{
    addSlot(1);
    TFoOrari l;
    l.show();
    QCOMPARE(l.table()->rowCount(), 1);
    Answerer a;
    bool listHidden = false;
    a.onDialog(QStringLiteral("TFoIMTurni"), [&](QWidget *w) {
        auto *e = static_cast<TFoIMTurni *>(w);
        listHidden = !l.isVisible();
        QCOMPARE(e->windowTitle(), QStringLiteral("FoIMTurni"));
        QCOMPARE(e->id(), 0);
        QCOMPARE(e->ComboBox1->count(), 11);
        QCOMPARE(e->ComboBox1->itemText(0), QStringLiteral("Domenica"));
        QCOMPARE(e->ComboBox1->itemText(10), QStringLiteral("GIORNO"));
        QVERIFY(!e->MaskEdit1->isVisible());
        fillEditor(e, QStringLiteral("Mercoledì"), QString(), QStringLiteral("18:00"), QStringLiteral("23:30"),
                   QStringLiteral("OSCAR"), QStringLiteral("Sera d'estate"));
        e->Button1->click();
    });
    l.Button1->click();
    QVERIFY(listHidden);
    QVERIFY(l.isVisible());
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(l.table()->rowCount(), 2);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from OrariTurni where DESCRIZ='Sera d''estate'")).toLongLong();
    QCOMPARE(slotText(id, QStringLiteral("GIORNO")), QStringLiteral("4"));
    QCOMPARE(slotText(id, QStringLiteral("ORAI")), QStringLiteral("18:00:00"));
    QCOMPARE(slotText(id, QStringLiteral("ORAF")), QStringLiteral("23:30:00"));
    QCOMPARE(slotText(id, QStringLiteral("TIPO")), QStringLiteral("OSCAR"));
    QVERIFY(slotText(id, QStringLiteral("ATTIVO")) != QLatin1String("N"));
    QCOMPARE(l.table()->text(rowOf(l, id), QStringLiteral("GIORNO")), QStringLiteral("Mercoledì"));
}

void TstOrari::editSlotFromList()
{
    const qint64 id = addSlot(45000, QStringLiteral("INDIA"), QStringLiteral("Fiera"), QStringLiteral("09:15"), QStringLiteral("12:00"));
    addSlot(7);
    TFoOrari l;
    l.show();
    const int r = rowOf(l, id);
    Answerer a;
    a.onDialog(QStringLiteral("TFoIMTurni"), [&](QWidget *w) {
        auto *e = static_cast<TFoIMTurni *>(w);
        QCOMPARE(e->id(), id);
        QCOMPARE(e->ComboBox1->currentText(), QStringLiteral("GIORNO"));
        QVERIFY(e->MaskEdit1->isVisible());
        QCOMPARE(e->MaskEdit1->text(), QStringLiteral("15/03/2023"));
        QCOMPARE(e->MaskEdit2->text(), QStringLiteral("09:15"));
        QCOMPARE(e->MaskEdit3->text(), QStringLiteral("12:00"));
        QCOMPARE(e->ComboBox2->currentText(), QStringLiteral("INDIA"));
        QCOMPARE(e->Edit1->text(), QStringLiteral("Fiera"));
        e->MaskEdit1->setText(QStringLiteral("01/04/2023"));
        e->Button1->click();
    });
    const QRect cell = l.DBGrid1->visualRect(l.DBGrid1->model()->index(r, 0));
    QTest::mouseClick(l.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(l.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoIMTurni")});
    QCOMPARE(slotText(id, QStringLiteral("GIORNO")), QStringLiteral("45017"));
    QCOMPARE(TestDb::count(QStringLiteral("OrariTurni")), 2);
    QCOMPARE(l.table()->text(rowOf(l, id), QStringLiteral("GIORNO")), QStringLiteral("01/04/2023"));

    // Back to a kind of day: the date box goes away and the list's code is stored.
    TFoIMTurni e;
    e.setId(id);
    e.show();
    e.ComboBox1->setEditText(QStringLiteral("Sabato"));
    QVERIFY(!e.MaskEdit1->isVisible());
    e.Button1->click();
    QCOMPARE(slotText(id, QStringLiteral("GIORNO")), QStringLiteral("7"));
    // ...and opened again it shows the kind of day.
    TFoIMTurni again;
    again.setId(id);
    again.show();
    QCOMPARE(again.ComboBox1->currentText(), QStringLiteral("Sabato"));
    QVERIFY(!again.MaskEdit1->isVisible());
}

void TstOrari::editorKindOfDay_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("weekday") << QStringLiteral("Giovedì") << 5;
    QTest::newRow("trimmed") << QStringLiteral("  Domenica ") << 1;
    QTest::newRow("part of a description") << QStringLiteral("Prefest") << 10;
    QTest::newRow("full name wins over a longer one") << QStringLiteral("Festivi") << 9;
    QTest::newRow("other case") << QStringLiteral("festivi") << 9;
    QTest::newRow("no such day") << QStringLiteral("Ferragosto") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("quote") << QStringLiteral("Lun'edì") << 0;
    QTest::newRow("wildcard") << QStringLiteral("%") << 0;
}

void TstOrari::editorKindOfDay()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    // Lists are kept by hand in the database: "Festivi" may well come after "Prefestivi".
    TestDb::exec(QStringLiteral("update Elenchi set ID=100000 where TIPO='G' and CODICE='9'"));
    TFoIMTurni e;
    e.show();
    Answerer a;
    fillEditor(&e, text, QString(), QStringLiteral("07:00"), QStringLiteral("13:00"), QStringLiteral("BRAVO"), QStringLiteral("x"));
    e.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::scalar(QStringLiteral("select GIORNO from OrariTurni")).toInt(), code);
}

void TstOrari::editorRejectsBadInput_data()
{
    QTest::addColumn<QString>("giorno");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("dalle");
    QTest::addColumn<QString>("alle");
    QTest::newRow("date that is no date") << QStringLiteral("GIORNO") << QStringLiteral("31/02/2023") << QStringLiteral("08:00") << QStringLiteral("12:00");
    QTest::newRow("empty date") << QStringLiteral("GIORNO") << QString() << QStringLiteral("08:00") << QStringLiteral("12:00");
    QTest::newRow("hour out of range") << QStringLiteral("Lunedì") << QString() << QStringLiteral("25:00") << QStringLiteral("12:00");
    QTest::newRow("empty end time") << QStringLiteral("Lunedì") << QString() << QStringLiteral("08:00") << QString();
}

void TstOrari::editorRejectsBadInput()
{
    QFETCH(QString, giorno);
    QFETCH(QString, data);
    QFETCH(QString, dalle);
    QFETCH(QString, alle);
    const qint64 id = addSlot(3, QStringLiteral("OSCAR"), QStringLiteral("Notte"), QStringLiteral("20:00"), QStringLiteral("23:00"));
    for (qint64 key : {qint64(0), id}) {
        TFoIMTurni e;
        e.setId(key);
        e.show();
        Answerer a;
        fillEditor(&e, giorno, data.isNull() ? QStringLiteral("") : data, dalle, alle, QStringLiteral("BRAVO"), QStringLiteral("Nuovo"));
        e.Button1->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
        QVERIFY(e.isVisible());
        QCOMPARE(e.result(), 0);
    }
    QCOMPARE(TestDb::count(QStringLiteral("OrariTurni")), 1);
    QCOMPARE(slotText(id, QStringLiteral("DESCRIZ")), QStringLiteral("Notte"));
    QCOMPARE(slotText(id, QStringLiteral("GIORNO")), QStringLiteral("3"));
}

void TstOrari::menuEntryOpensList()
{
    qputenv("USERNAME", "nessuno.qui");
    addSlot(2);
    TFormMain w;
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    Answerer a;
    int rows = -1;
    a.onDialog(QStringLiteral("TFoOrari"), [&](QWidget *d) {
        rows = static_cast<TFoOrari *>(d)->table()->rowCount();
        static_cast<QDialog *>(d)->reject();
    });
    w.findChild<QAction *>(QStringLiteral("Turni2"))->trigger();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoOrari")});
    QCOMPARE(rows, 1);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().first().toString(), QStringLiteral("TFoOrari"));
    QVERIFY(w.findChildren<TFoOrari *>().isEmpty());  // destroyed after it closed
}

QTEST_MAIN(TstOrari)
#include "tst_orari.moc"
