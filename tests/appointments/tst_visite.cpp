// The visits of the specialists: the list with its filters, counts and colours on its own
// connection, deleting a visit, the visit window (slots generated over the visit's times,
// booking and freeing slots, a slot booked meanwhile at another desk, copying a visit,
// saving on close) and the appointment sheet read back from its PDF.
#include "app/TFormMain.h"
#include "appointments/TFoAppunta.h"
#include "appointments/TFoEleApp.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "reports/TQR4.h"
#include "services/Controls.h"
#include "services/ServiceFixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::TestDb;

namespace {
qint64 addMedico(const QString &nome, const QString &stato = QStringLiteral("ATTIVO"))
{
    TestDb::exec(QStringLiteral("insert into Medici(Nome,Specializzazione,Stato) values(%1,'Cardiologia',%2)")
                     .arg(svc::sqlText(nome), svc::sqlText(stato)));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

qint64 addVisit(const QString &medico, int dayOffset, const QString &from = QStringLiteral("09:00"),
                const QString &to = QStringLiteral("10:00"), const QString &luogo = QStringLiteral("STANZA 1"), int durata = 15)
{
    TestDb::exec(QStringLiteral("insert into Visite(MEDICO,DATA,ORAINIZIO,ORAFINE,LUOGO,DESCRIZIONE,DURATA) "
                                "values(%1,curdate() + interval %2 day,%3,%4,%5,'digiuno',%6)")
                     .arg(svc::sqlText(medico)).arg(dayOffset)
                     .arg(svc::sqlText(from), svc::sqlText(to), svc::sqlText(luogo)).arg(durata));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

qint64 addSlot(qint64 visita, const QString &ora, const QString &nome = QStringLiteral(""), const QString &tel = QStringLiteral(""),
               const QString &note = QStringLiteral(""))
{
    TestDb::exec(QStringLiteral("insert into Appuntamenti(IDVISITA,ORA,NOME,TELEFONO,NOTE) values(%1,%2,%3,%4,%5)")
                     .arg(visita).arg(svc::sqlText(ora), svc::sqlText(nome), svc::sqlText(tel), svc::sqlText(note)));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// The stored slots of a visit as "time|name|phone|note", by time.
QStringList slotsOf(qint64 visita)
{
    QStringList out;
    const int n = TestDb::count(QStringLiteral("Appuntamenti"), QStringLiteral("IDVISITA=%1").arg(visita));
    for (int i = 0; i < n; ++i)
        out << TestDb::scalar(QStringLiteral("select concat_ws('|',ORA,NOME,TELEFONO,NOTE) from Appuntamenti "
                                             "where IDVISITA=%1 order by ORA,ID limit %2,1").arg(visita).arg(i)).toString();
    return out;
}

QStringList column(const vlm::GridTable *t, const QString &field)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) out << t->text(r, field);
    return out;
}

QString day(int offset) { return vlm::dateToStr(QDate::currentDate().addDays(offset)); }

// Types into a cell of the slot grid as a user does: start editing, replace the text, Enter.
void typeCell(TFoAppunta &f, int row, int col, const QString &text, bool enter = true)
{
    QAbstractItemModel *m = f.DBGrid1->model();
    const QModelIndex idx = m->index(row, col);
    QVERIFY(idx.isValid());
    f.DBGrid1->setCurrentIndex(idx);
    f.DBGrid1->edit(idx);
    auto *ed = qobject_cast<QLineEdit *>(f.DBGrid1->viewport()->focusWidget());
    if (!ed) {
        const auto eds = f.DBGrid1->viewport()->findChildren<QLineEdit *>();
        QVERIFY(!eds.isEmpty());
        ed = eds.last();
    }
    ed->selectAll();
    if (text.isEmpty()) QTest::keyClick(ed, Qt::Key_Delete);
    else QTest::keyClicks(ed, text);
    if (enter) QTest::keyClick(ed, Qt::Key_Return);
}

QString cell(TFoAppunta &f, int row, int col)
{
    QAbstractItemModel *m = f.DBGrid1->model();
    return m->data(m->index(row, col)).toString();
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void setBoxes(TFoAppunta &f, const QString &data, const QString &dalle, const QString &alle, const QString &ogni)
{
    f.MaskEdit1->setText(data);
    f.MaskEdit2->setText(dalle);
    f.MaskEdit3->setText(alle);
    f.Edit1->setText(ogni);
}
}  // namespace

class TstVisite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
        QVERIFY(m_pdfDir.isValid());
        qputenv("VLM_REPORT_DIR", m_pdfDir.path().toUtf8());
    }
    void init()
    {
        TestDb::reset();
        QFile::remove(m_pdfDir.filePath(QStringLiteral("TQR4.pdf")));
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    // visit list
    void listFilters_data();
    void listFilters();
    void countsAndColours();
    void ownConnectionAndSpecialists();
    void titleClickOrderStays();
    void deleteAsksFirst();
    void newVisitFromTheList();
    void menuEntries();

    // slots
    void slotTimes_data();
    void slotTimes();
    void generateRefusesBadBoxes_data();
    void generateRefusesBadBoxes();
    void saveRefusesBadBoxes_data();
    void saveRefusesBadBoxes();
    void bookAndFreeSlots();
    void slotBookedMeanwhile_data();
    void slotBookedMeanwhile();
    void generateOnStoredVisitAddsSlots();
    void closingSavesOnlyTypedChanges();
    void copyVisit();
    void appointmentSheet();
    void sheetOfUnsavedVisit();

private:
    QTemporaryDir m_pdfDir;
};

// ---------------------------------------------------------------- visit list

void TstVisite::listFilters_data()
{
    QTest::addColumn<int>("passati");  // Qt::CheckState
    QTest::addColumn<QString>("medico");
    QTest::addColumn<QStringList>("rows");  // "specialist day"
    const QString b = QStringLiteral("Dott. Bruni "), v = QStringLiteral("Dott.ssa Verdi ");
    QTest::newRow("coming, today included") << int(Qt::Unchecked) << QString()
        << QStringList{b + day(0), b + day(5), v + day(1)};
    QTest::newRow("coming, one specialist") << int(Qt::Unchecked) << QStringLiteral("Dott.ssa Verdi")
        << QStringList{v + day(1)};
    QTest::newRow("past, latest first") << int(Qt::Checked) << QString()
        << QStringList{b + day(-1), b + day(-30), v + day(-2)};
    QTest::newRow("past, one specialist typed with blanks") << int(Qt::Checked) << QStringLiteral(" Dott. Bruni ")
        << QStringList{b + day(-1), b + day(-30)};
    QTest::newRow("all, latest first") << int(Qt::PartiallyChecked) << QString()
        << QStringList{b + day(5), b + day(0), b + day(-1), b + day(-30), v + day(1), v + day(-2)};
    QTest::newRow("all, one specialist") << int(Qt::PartiallyChecked) << QStringLiteral("Dott.ssa Verdi")
        << QStringList{v + day(1), v + day(-2)};
    QTest::newRow("a renamed specialist finds nothing") << int(Qt::PartiallyChecked) << QStringLiteral("Dott. Bruno")
        << QStringList{};
}

void TstVisite::listFilters()
{
    QFETCH(int, passati);
    QFETCH(QString, medico);
    QFETCH(QStringList, rows);
    addMedico(QStringLiteral("Dott. Bruni"));
    addMedico(QStringLiteral("Dott.ssa Verdi"));
    addVisit(QStringLiteral("Dott. Bruni"), 5);
    addVisit(QStringLiteral("Dott.ssa Verdi"), -2);
    addVisit(QStringLiteral("Dott. Bruni"), 0);
    addVisit(QStringLiteral("Dott. Bruni"), -30);
    addVisit(QStringLiteral("Dott.ssa Verdi"), 1);
    addVisit(QStringLiteral("Dott. Bruni"), -1);

    TFoEleApp l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    // The box goes unchecked -> checked -> greyed on clicks, rebuilding each time.
    while (l.CheckBox1->checkState() != Qt::CheckState(passati)) l.CheckBox1->click();
    l.ComboBox1->setEditText(medico);
    QStringList got;
    for (int r = 0; r < l.table()->rowCount(); ++r)
        got << l.table()->text(r, QStringLiteral("MEDICO")) + QLatin1Char(' ') + l.table()->text(r, QStringLiteral("DATA"));
    QCOMPARE(got, rows);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
}

void TstVisite::countsAndColours()
{
    const QString lungo = QStringLiteral("Prof. Bartolomeo Della Valle Ricci");  // longer than the field
    const qint64 libera = addVisit(lungo, 1, QStringLiteral("08:30"), QStringLiteral("09:30"), QStringLiteral("STANZA 3 "));
    addSlot(libera, QStringLiteral("08:30"), QStringLiteral("Rossi"));
    addSlot(libera, QStringLiteral("08:45"));
    addSlot(libera, QStringLiteral("09:00"));
    const qint64 piena = addVisit(QStringLiteral("Dott. Bruni"), 2, QStringLiteral("14:00"));
    addSlot(piena, QStringLiteral("14:00"), QStringLiteral("Bianchi"));
    addSlot(piena, QStringLiteral("14:15"), QStringLiteral("Verdi"));
    addVisit(QStringLiteral("Dott. Conti"), 3, QStringLiteral("16:45"));  // no slots
    // Slots of another visit count only there.
    const qint64 altra = addVisit(QStringLiteral("Dott. Conti"), -3);
    addSlot(altra, QStringLiteral("09:00"));

    TFoEleApp l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    vlm::GridModel *m = l.model();
    QStringList titles;
    for (int c = 0; c < m->columnCount(); ++c) titles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"MEDICO", "STANZA", "DATA", "ORA", "POSTI", "LIBERI"}));
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) cells << m->data(m->index(r, c)).toString();
        rows << cells.join(QLatin1Char('|'));
    }
    QCOMPARE(rows, (QStringList{"Dott. Bruni|STANZA 1|" + day(2) + "|14:00|2|0",
                                "Dott. Conti|STANZA 1|" + day(3) + "|16:45|0|0",
                                lungo.left(30) + "|STANZA 3 |" + day(1) + "|08:30|3|2"}));

    const QColor weekday[] = {{}, QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 0, 128),
                              QColor(0, 0, 0), QColor(128, 0, 128), QColor(255, 0, 255)};
    for (int r = 0; r < m->rowCount(); ++r) {
        const QDate d = l.table()->value(r, QStringLiteral("DATA")).toDate();
        const bool free = l.table()->integer(r, QStringLiteral("LIBERI")) != 0;
        for (int c = 0; c < m->columnCount(); ++c) {
            const bool lime = free && c == 5;
            QCOMPARE(m->data(m->index(r, c), Qt::ForegroundRole).value<QColor>(), lime ? QColor(0, 0, 0) : weekday[vlm::dayOfWeek(d)]);
            QCOMPARE(m->data(m->index(r, c), Qt::BackgroundRole).value<QColor>(), lime ? QColor(0, 255, 0) : QColor());
        }
    }
    // Thursday is written in black.
    const QDate thu = QDate(2026, 12, 17);
    QCOMPARE(vlm::dayOfWeek(thu), 5);
    TestDb::exec(QStringLiteral("update Visite set DATA='2030-01-03' where ID=%1").arg(piena));  // a Thursday
    l.CarTabella();
    const int r = column(l.table(), QStringLiteral("MEDICO")).indexOf(QStringLiteral("Dott. Bruni"));
    QCOMPARE(m->data(m->index(r, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
}

void TstVisite::ownConnectionAndSpecialists()
{
    addMedico(QStringLiteral("Dott.ssa Verdi"));
    addMedico(QStringLiteral("Dott. Neri"), QStringLiteral("DISMESSO"));
    addMedico(QStringLiteral("Dott. Bruni"));
    addVisit(QStringLiteral("Dott. Bruni"), 1);
    vlm::disconnect(QStringLiteral("DB"));

    TFoEleApp l;
    QCOMPARE(l.windowTitle(), QStringLiteral("Elenco Appuntamenti"));
    QCOMPARE(svc::itemsOf(l.ComboBox1, false), (QStringList{"Dott.ssa Verdi", "Dott. Bruni"}));  // as returned
    QCOMPARE(l.ComboBox1->currentText(), QString());
    QCOMPARE(l.CheckBox1->text(), QStringLiteral("Passati"));
    QCOMPARE(l.CheckBox1->checkState(), Qt::Unchecked);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    QCOMPARE(l.table()->rowCount(), 1);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));  // the list does not touch the shared one
    // A database error while building is shown and the window goes on.
    TestDb::exec(QStringLiteral("rename table Appuntamenti to AppuntamentiX"));
    vlmtest::Answerer a;
    l.CheckBox1->click();
    TestDb::exec(QStringLiteral("rename table AppuntamentiX to Appuntamenti"));
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
    l.CheckBox1->click();
    l.CheckBox1->click();
    QCOMPARE(l.CheckBox1->checkState(), Qt::Unchecked);
    QCOMPARE(l.table()->rowCount(), 1);
}

void TstVisite::titleClickOrderStays()
{
    addVisit(QStringLiteral("Dott. Bruni"), 1, QStringLiteral("11:00"));
    addVisit(QStringLiteral("Dott. Conti"), 2, QStringLiteral("08:15"));
    addVisit(QStringLiteral("Dott. Alberti"), 3, QStringLiteral("15:30"));
    TFoEleApp l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    QCOMPARE(column(l.table(), QStringLiteral("MEDICO")), (QStringList{"Dott. Alberti", "Dott. Bruni", "Dott. Conti"}));
    l.DBGrid1->clickTitle(3);  // "ORA"
    QCOMPARE(column(l.table(), QStringLiteral("ORARIOP")), (QStringList{"08:15", "11:00", "15:30"}));
    l.DBGrid1->clickTitle(3);  // ascending again, no toggle
    QCOMPARE(column(l.table(), QStringLiteral("ORARIOP")), (QStringList{"08:15", "11:00", "15:30"}));
    l.CheckBox1->click();
    l.CheckBox1->click();
    l.CheckBox1->click();  // back to the coming visits, rebuilt
    QCOMPARE(column(l.table(), QStringLiteral("ORARIOP")), (QStringList{"08:15", "11:00", "15:30"}));
}

void TstVisite::deleteAsksFirst()
{
    const qint64 a1 = addVisit(QStringLiteral("Dott. Bruni"), 1);
    const qint64 a2 = addVisit(QStringLiteral("Dott. Conti"), 1);
    addSlot(a2, QStringLiteral("09:00"), QStringLiteral("Rossi"));
    TFoEleApp l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    l.DBGrid1->setCurrentRow(1);
    vlmtest::Answerer a;
    a.answer(QMessageBox::No);
    svc::button(&l, QStringLiteral(" - "))->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().caption, QStringLiteral("Cancellazione"));
    QCOMPARE(a.messages().first().text, QStringLiteral("Vuoi Cancellare l'appuntamento selezionato ?"));
    QCOMPARE(TestDb::count(QStringLiteral("Visite")), 2);

    a.answer(QMessageBox::Yes);
    svc::button(&l, QStringLiteral(" - "))->click();
    QCOMPARE(TestDb::count(QStringLiteral("Visite")), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select ID from Visite")).toLongLong(), a1);
    QCOMPARE(column(l.table(), QStringLiteral("MEDICO")), QStringList{"Dott. Bruni"});
    QCOMPARE(slotsOf(a2), QStringList{"09:00|Rossi||"});  // the slots stay behind
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
}

void TstVisite::newVisitFromTheList()
{
    addMedico(QStringLiteral("Dott. Bruni"));
    addMedico(QStringLiteral("Dott.ssa Verdi"));
    TFoEleApp l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    vlmtest::Answerer a;
    bool listHidden = false;
    QStringList medici, stanze;
    QString stanza, caption;
    svc::onShown(a, QStringLiteral("TFoAppunta"), [&](QWidget *w) {
        auto &f = *static_cast<TFoAppunta *>(w);
        listHidden = !l.isVisible();
        caption = f.windowTitle();
        medici = svc::itemsOf(f.ComboBox1, false);
        stanze = svc::itemsOf(f.ComboBox2, false);
        stanza = f.ComboBox2->currentText();
        QVERIFY(svc::pick(f.ComboBox1, QStringLiteral("Dott.ssa Verdi")));
        QVERIFY(svc::pick(f.ComboBox2, QStringLiteral("STANZA 3 ")));
        setBoxes(f, day(4), QStringLiteral("09:00"), QStringLiteral("10:00"), QStringLiteral("20"));
        f.Memo1->setPlainText(QStringLiteral("portare gli esami"));
        svc::button(&f, QStringLiteral("Genera"))->click();
        typeCell(f, 1, 1, QStringLiteral("Rossi Mario"));
        typeCell(f, 1, 2, QStringLiteral("0123 456789"));
        typeCell(f, 1, 3, QStringLiteral("prima visita"));
        svc::button(&f, QStringLiteral("Salva"))->click();  // saves and closes
    });
    svc::button(&l, QStringLiteral(" + "))->click();

    QVERIFY(listHidden);
    QVERIFY(l.isVisible());
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(caption, QStringLiteral("Appuntamenti"));
    QCOMPARE(medici, (QStringList{"Dott. Bruni", "Dott.ssa Verdi"}));
    QCOMPARE(stanze, (QStringList{"STANZA 1", "STANZA 2", "STANZA 3 ", "STANZA 4", "STANZA 5 "}));
    QCOMPARE(stanza, QStringLiteral("STANZA 1"));
    const qint64 id = TestDb::scalar(QStringLiteral("select max(ID) from Visite")).toLongLong();
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',MEDICO,DATA,ORAINIZIO,ORAFINE,LUOGO,DESCRIZIONE,DURATA) "
                                           "from Visite where ID=%1").arg(id)).toString(),
             QStringLiteral("Dott.ssa Verdi|%1|09:00:00|10:00:00|STANZA 3 |portare gli esami|20")
                 .arg(QDate::currentDate().addDays(4).toString(QStringLiteral("yyyy-MM-dd"))));
    QCOMPARE(slotsOf(id), (QStringList{"09:00|||", "09:20|Rossi Mario|0123 456789|prima visita", "09:40|||", "10:00|||"}));
    // Back in the list, rebuilt with the new visit's places.
    QCOMPARE(l.table()->rowCount(), 1);
    QCOMPARE(l.table()->integer(0, QStringLiteral("POSTI")), 4);
    QCOMPARE(l.table()->integer(0, QStringLiteral("LIBERI")), 3);
    QCOMPARE(l.table()->text(0, QStringLiteral("STANZA")), QStringLiteral("STANZA 3 "));
}

void TstVisite::menuEntries()
{
    addVisit(QStringLiteral("Dott. Bruni"), 1);
    TFormMain w;
    for (const QString &entry : {QStringLiteral("BtnAppuntamenti"), QStringLiteral("AppuntamentiMenu1")}) {
        vlmtest::Answerer a;
        int rows = -1;
        a.onDialog(QStringLiteral("TFoEleApp"), [&](QWidget *d) {
            rows = static_cast<TFoEleApp *>(d)->table()->rowCount();
            static_cast<QDialog *>(d)->reject();
        });
        if (auto *b = w.findChild<QAbstractButton *>(entry)) b->click();
        else w.findChild<QAction *>(entry)->trigger();
        QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoEleApp")});  // no login asked
        QCOMPARE(rows, 1);
        QVERIFY(w.findChild<TFoEleApp *>() == nullptr);
        QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
    }
}

// ---------------------------------------------------------------- slots

void TstVisite::slotTimes_data()
{
    QTest::addColumn<QString>("dalle");
    QTest::addColumn<QString>("alle");
    QTest::addColumn<int>("ogni");
    QTest::addColumn<QStringList>("ore");
    QTest::newRow("end on a step") << "09:00" << "10:00" << 15 << QStringList{"09:00", "09:15", "09:30", "09:45", "10:00"};
    QTest::newRow("end between steps") << "09:00" << "09:50" << 15 << QStringList{"09:00", "09:15", "09:30", "09:45"};
    QTest::newRow("across the hour") << "11:40" << "12:30" << 25 << QStringList{"11:40", "12:05", "12:30"};
    QTest::newRow("start equals end") << "14:00" << "14:00" << 10 << QStringList{"14:00"};
    QTest::newRow("end before start") << "15:00" << "14:00" << 10 << QStringList{};
    QTest::newRow("up to the last minute") << "23:57" << "23:59" << 1 << QStringList{"23:57", "23:58", "23:59"};
    QTest::newRow("from midnight") << "00:00" << "00:59" << 59 << QStringList{"00:00", "00:59"};
}

void TstVisite::slotTimes()
{
    QFETCH(QString, dalle);
    QFETCH(QString, alle);
    QFETCH(int, ogni);
    QFETCH(QStringList, ore);
    QCOMPARE(TFoAppunta::slotTimes(TFoAppunta::strToTime(dalle), TFoAppunta::strToTime(alle), ogni), ore);

    // The same through the window's boxes and "Genera".
    TFoAppunta f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    setBoxes(f, day(1), dalle, alle, QString::number(ogni));
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Genera"))->click();
    QCOMPARE(a.texts(), QStringList());
    QCOMPARE(column(f.table(), QStringLiteral("ORA")), ore);
    QCOMPARE(f.DBGrid1->model()->rowCount(), ore.size());
    QVERIFY(!f.edited());  // generating changes no row
    for (int r = 0; r < f.table()->rowCount(); ++r) {
        QCOMPARE(f.table()->integer(r, QStringLiteral("ID")), 0);
        QCOMPARE(f.table()->text(r, QStringLiteral("NOME")), QString());
    }
}

void TstVisite::generateRefusesBadBoxes_data()
{
    QTest::addColumn<QString>("dalle");
    QTest::addColumn<QString>("alle");
    QTest::addColumn<QString>("ogni");
    QTest::newRow("sixty minutes") << "09:00" << "10:00" << "60";
    QTest::newRow("zero minutes") << "09:00" << "10:00" << "0";
    QTest::newRow("no length") << "09:00" << "10:00" << "";
    QTest::newRow("length not a number") << "09:00" << "10:00" << "1a";
    QTest::newRow("no start") << "" << "10:00" << "15";
    QTest::newRow("end not a time") << "09:00" << "25:00" << "15";
    QTest::newRow("minutes out of range") << "09:75" << "10:00" << "15";
}

void TstVisite::generateRefusesBadBoxes()
{
    QFETCH(QString, dalle);
    QFETCH(QString, alle);
    QFETCH(QString, ogni);
    const qint64 id = addVisit(QStringLiteral("Dott. Bruni"), 1);
    addSlot(id, QStringLiteral("09:00"), QStringLiteral("Rossi"));
    addSlot(id, QStringLiteral("09:15"));
    TFoAppunta f;
    f.setVisitId(id);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.MaskEdit2->setText(dalle);
    f.MaskEdit3->setText(alle);
    f.Edit1->setText(ogni);
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Genera"))->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    QCOMPARE(column(f.table(), QStringLiteral("NOME")), (QStringList{"Rossi", ""}));  // the grid keeps its rows
}

void TstVisite::saveRefusesBadBoxes_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("dalle");
    QTest::addColumn<QString>("ogni");
    QTest::newRow("empty date") << "" << "09:00" << "15";
    QTest::newRow("impossible date") << "31/02/2027" << "09:00" << "15";
    QTest::newRow("empty start") << day(1) << "" << "15";
    QTest::newRow("length not a number") << day(1) << "09:00" << "ab";
    QTest::newRow("zero length") << day(1) << "09:00" << "0";
}

void TstVisite::saveRefusesBadBoxes()
{
    QFETCH(QString, data);
    QFETCH(QString, dalle);
    QFETCH(QString, ogni);
    TFoAppunta f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.ComboBox1->setEditText(QStringLiteral("Dott. Bruni"));
    setBoxes(f, day(1), QStringLiteral("09:00"), QStringLiteral("09:30"), QStringLiteral("15"));
    svc::button(&f, QStringLiteral("Genera"))->click();
    typeCell(f, 0, 1, QStringLiteral("Rossi"));
    setBoxes(f, data, dalle, QStringLiteral("09:30"), ogni);
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Salva"))->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    QVERIFY(f.isVisible());
    QCOMPARE(TestDb::count(QStringLiteral("Visite")), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Appuntamenti")), 0);
    // Closing tries the save again and stays open while it fails; a good date lets it go.
    f.close();
    QCOMPARE(a.messages().size(), 2);
    QVERIFY(f.isVisible());
    setBoxes(f, day(1), QStringLiteral("09:00"), QStringLiteral("09:30"), QStringLiteral("15"));
    f.close();
    QVERIFY(!f.isVisible());
    QCOMPARE(TestDb::count(QStringLiteral("Visite")), 1);
    QCOMPARE(slotsOf(f.visitId()), (QStringList{"09:00|Rossi||", "09:15|||", "09:30|||"}));
}

void TstVisite::bookAndFreeSlots()
{
    const qint64 id = addVisit(QStringLiteral("Dott. Bruni"), 3, QStringLiteral("08:30"), QStringLiteral("09:15"),
                               QStringLiteral("STANZA 2"), 15);
    addSlot(id, QStringLiteral("09:00"), QStringLiteral("Verdi Anna"), QStringLiteral("333"), QStringLiteral("controllo"));
    addSlot(id, QStringLiteral("08:30"));
    addSlot(id, QStringLiteral("08:45"), QStringLiteral("Neri Luca"));
    addSlot(id, QStringLiteral("09:15"));

    TFoEleApp l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    vlmtest::Answerer a;
    QStringList boxes, ore, medici;
    svc::onShown(a, QStringLiteral("TFoAppunta"), [&](QWidget *w) {
        auto &f = *static_cast<TFoAppunta *>(w);
        boxes = {f.ComboBox1->currentText(), f.ComboBox2->currentText(), f.MaskEdit1->text(), f.MaskEdit2->text(),
                 f.MaskEdit3->text(), f.Edit1->text(), f.Memo1->toPlainText()};
        medici = svc::itemsOf(f.ComboBox1, false);
        for (int r = 0; r < f.DBGrid1->model()->rowCount(); ++r) ore << cell(f, r, 0) + "|" + cell(f, r, 1);
        QVERIFY(!f.edited());
        typeCell(f, 0, 1, QStringLiteral("Gallo Pia"));    // book a free slot
        typeCell(f, 0, 2, QStringLiteral("347 1234567"));
        typeCell(f, 1, 1, QString());                     // free a slot still stored as it was
        QVERIFY(f.edited());
        f.close();  // closing saves
    });
    l.DBGrid1DblClick();

    QCOMPARE(boxes, (QStringList{"Dott. Bruni", "STANZA 2", day(3), "08:30", "09:15", "15", "digiuno"}));
    QVERIFY(medici.isEmpty());
    QCOMPARE(ore, (QStringList{"08:30|", "08:45|Neri Luca", "09:00|Verdi Anna", "09:15|"}));
    QVERIFY(a.messages().isEmpty());  // nothing to ask
    QCOMPARE(slotsOf(id), (QStringList{"08:30|Gallo Pia|347 1234567|", "08:45|||", "09:00|Verdi Anna|333|controllo",
                                       "09:15|||"}));
    QCOMPARE(TestDb::count(QStringLiteral("Appuntamenti")), 4);
    QCOMPARE(l.table()->integer(0, QStringLiteral("POSTI")), 4);
    QCOMPARE(l.table()->integer(0, QStringLiteral("LIBERI")), 2);
}

void TstVisite::slotBookedMeanwhile_data()
{
    QTest::addColumn<QString>("typed");   // what this desk types into the slot
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("no keeps the other booking and stops")
        << "Gallo Pia" << int(QMessageBox::No) << QStringList{"09:00|Rossi Ugo||", "09:15|||"};
    QTest::newRow("yes overwrites it")
        << "Gallo Pia" << int(QMessageBox::Yes) << QStringList{"09:00|Gallo Pia||", "09:15|||x"};
    QTest::newRow("clearing a name booked meanwhile asks too")
        << "" << int(QMessageBox::No) << QStringList{"09:00|Rossi Ugo||", "09:15|||"};
}

void TstVisite::slotBookedMeanwhile()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QStringList, after);
    const qint64 id = addVisit(QStringLiteral("Dott. Bruni"), 1);
    const qint64 s1 = addSlot(id, QStringLiteral("09:00"), typed.isEmpty() ? QStringLiteral("Bianchi") : QStringLiteral(""));
    addSlot(id, QStringLiteral("09:15"));
    TFoAppunta f;
    f.setVisitId(id);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    typeCell(f, 0, 1, typed);
    typeCell(f, 1, 3, QStringLiteral("x"));
    f.MaskEdit3->setText(QStringLiteral("11:00"));
    // Another desk books the slot in the meantime.
    TestDb::exec(QStringLiteral("update Appuntamenti set NOME=' Rossi Ugo' where ID=%1").arg(s1));
    vlmtest::Answerer a;
    a.answer(QMessageBox::StandardButton(answer));
    svc::button(&f, QStringLiteral("Salva"))->click();
    QCOMPARE(a.texts(), QStringList{QStringLiteral("Appuntamento già prenotato a  Rossi Ugo Vuoi modificarlo ?")});
    QCOMPARE(a.messages().first().caption, QStringLiteral("Errore"));
    // The visit row is written before the slots in every case.
    QCOMPARE(TestDb::scalar(QStringLiteral("select ORAFINE from Visite where ID=%1").arg(id)).toString(), QStringLiteral("11:00:00"));
    QStringList got = slotsOf(id);
    for (QString &s : got) s.replace(QStringLiteral("| Rossi"), QStringLiteral("|Rossi"));
    QCOMPARE(got, after);
    if (answer == QMessageBox::No) {
        QVERIFY(f.isVisible());  // stopped: the stored slots are shown again
        QCOMPARE(column(f.table(), QStringLiteral("NOME")), (QStringList{" Rossi Ugo", ""}));
        QVERIFY(!f.edited());
        f.close();
        QVERIFY(!f.isVisible());
    } else {
        QVERIFY(!f.isVisible());  // saved and closed
    }
    // The same name typed again is no conflict, whatever the blanks around it.
    TFoAppunta g;
    g.setVisitId(id);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    TestDb::exec(QStringLiteral("update Appuntamenti set NOME='Bianchi' where ID=%1").arg(s1));
    typeCell(g, 0, 1, QStringLiteral("Bianchi "));
    a.clear();
    svc::button(&g, QStringLiteral("Salva"))->click();
    QVERIFY(a.messages().isEmpty());
    QVERIFY(!g.isVisible());
}

void TstVisite::generateOnStoredVisitAddsSlots()
{
    const qint64 id = addVisit(QStringLiteral("Dott. Bruni"), 1);
    addSlot(id, QStringLiteral("09:00"), QStringLiteral("Rossi"));
    addSlot(id, QStringLiteral("09:30"));
    TFoAppunta f;
    f.setVisitId(id);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.MaskEdit3->setText(QStringLiteral("09:40"));
    f.Edit1->setText(QStringLiteral("20"));
    svc::button(&f, QStringLiteral("Genera"))->click();
    QCOMPARE(column(f.table(), QStringLiteral("ORA")), (QStringList{"09:00", "09:20", "09:40"}));
    svc::button(&f, QStringLiteral("Salva"))->click();
    QVERIFY(!f.isVisible());
    QCOMPARE(slotsOf(id), (QStringList{"09:00|Rossi||", "09:00|||", "09:20|||", "09:30|||", "09:40|||"}));
    QCOMPARE(TestDb::scalar(QStringLiteral("select DURATA from Visite where ID=%1").arg(id)).toInt(), 20);
}

void TstVisite::closingSavesOnlyTypedChanges()
{
    // Only "Genera": closing stores nothing.
    {
        TFoAppunta f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        setBoxes(f, day(1), QStringLiteral("09:00"), QStringLiteral("09:30"), QStringLiteral("15"));
        svc::button(&f, QStringLiteral("Genera"))->click();
        vlmtest::Answerer a;
        f.close();
        QVERIFY(!f.isVisible());
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(TestDb::count(QStringLiteral("Visite")), 0);
        QCOMPARE(TestDb::count(QStringLiteral("Appuntamenti")), 0);
    }
    // A booking still being typed (no Enter yet) is saved by closing.
    const qint64 id = addVisit(QStringLiteral("Dott. Bruni"), 1);
    addSlot(id, QStringLiteral("09:00"));
    TFoAppunta f;
    f.setVisitId(id);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    typeCell(f, 0, 1, QStringLiteral("Moretti Ada"), false);
    f.close();
    QVERIFY(!f.isVisible());
    QCOMPARE(slotsOf(id), QStringList{"09:00|Moretti Ada||"});
    QCOMPARE(TestDb::count(QStringLiteral("Visite")), 1);
}

void TstVisite::copyVisit()
{
    const qint64 id = addVisit(QStringLiteral("Dott. Bruni"), 1, QStringLiteral("09:00"), QStringLiteral("09:30"),
                               QStringLiteral("STANZA 4"), 15);
    addSlot(id, QStringLiteral("09:00"), QStringLiteral("Rossi"));
    {
        TFoAppunta f;
        f.setVisitId(id);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        typeCell(f, 0, 1, QStringLiteral("non salvato"));
        svc::button(&f, QStringLiteral("Copia"))->click();
        QCOMPARE(f.visitId(), 0);
        QVERIFY(f.MaskEdit1->isMaskEmpty());
        QCOMPARE(f.DBGrid1->model()->rowCount(), 0);
        QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Dott. Bruni"));
        QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("STANZA 4"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("15"));
        f.MaskEdit1->setText(day(8));
        svc::button(&f, QStringLiteral("Genera"))->click();
        typeCell(f, 2, 1, QStringLiteral("Ferri"));
        svc::button(&f, QStringLiteral("Salva"))->click();
        QVERIFY(!f.isVisible());
        QVERIFY(f.visitId() != id);
        QCOMPARE(slotsOf(f.visitId()), (QStringList{"09:00|||", "09:15|||", "09:30|Ferri||"}));
        QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',MEDICO,DATA,LUOGO,DESCRIZIONE) from Visite where ID=%1")
                                    .arg(f.visitId())).toString(),
                 QStringLiteral("Dott. Bruni|%1|STANZA 4|digiuno").arg(QDate::currentDate().addDays(8).toString("yyyy-MM-dd")));
    }
    QCOMPARE(slotsOf(id), QStringList{"09:00|Rossi||"});  // the original is untouched
    // "Copia" and "Salva" without "Genera": a new visit without slots.
    TFoAppunta g;
    g.setVisitId(id);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    svc::button(&g, QStringLiteral("Copia"))->click();
    g.MaskEdit1->setText(day(15));
    svc::button(&g, QStringLiteral("Salva"))->click();
    QVERIFY(!g.isVisible());
    QCOMPARE(TestDb::count(QStringLiteral("Visite")), 3);
    QCOMPARE(slotsOf(g.visitId()), QStringList{});
    QCOMPARE(TestDb::count(QStringLiteral("Appuntamenti")), 4);
}

void TstVisite::appointmentSheet()
{
    const qint64 id = addVisit(QStringLiteral("Dott.ssa Verdi"), 2);
    addSlot(id, QStringLiteral("09:30"), QStringLiteral("Rossi Mario"), QStringLiteral("0123 456789"), QStringLiteral("portare la ricetta"));
    addSlot(id, QStringLiteral("09:00"));
    addSlot(id, QStringLiteral("09:15"), QStringLiteral("Bianchi Eva"), QStringLiteral("347 000111"));
    addSlot(addVisit(QStringLiteral("Dott. Altri"), 2), QStringLiteral("09:00"), QStringLiteral("Estraneo Tizio"));
    TFoAppunta f;
    f.setVisitId(id);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    typeCell(f, 0, 1, QStringLiteral("Non Salvato"));  // the sheet comes from the server
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("QPrintPreviewDialog"), [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    svc::button(&f, QStringLiteral("Stampa"))->click();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")});
    QVERIFY(f.isVisible());
    QVERIFY(f.findChild<TQR4 *>() == nullptr);
    // What was typed before printing is still there to be saved.
    QCOMPARE(cell(f, 0, 1), QStringLiteral("Non Salvato"));
    QVERIFY(f.edited());

    const QString text = pdfText(m_pdfDir.filePath(QStringLiteral("TQR4.pdf")));
    QVERIFY2(!text.isEmpty(), "no sheet written");
    QStringList lines;
    for (const QString &l : text.split(QLatin1Char('\n'))) {
        const QString s = l.simplified();
        if (!s.isEmpty()) lines << s;
    }
    // Title, subtitle and heads, then one block per slot of this visit in the server's order.
    QCOMPARE(lines.mid(0, 3), (QStringList{"Dott.ssa Verdi", "Appuntamenti del " + day(2), "Ora Nome Telefono"}));
    const QStringList blocks = lines.mid(3);
    QCOMPARE(blocks.size(), 4);
    const int rossi = blocks.indexOf(QStringLiteral("09:30 Rossi Mario 0123 456789"));
    QVERIFY(rossi >= 0 && rossi < 3);
    QCOMPARE(blocks.at(rossi + 1), QStringLiteral("portare la ricetta"));  // the note below its slot
    QVERIFY(blocks.contains(QStringLiteral("09:00")));                      // a free slot too
    QVERIFY(blocks.contains(QStringLiteral("09:15 Bianchi Eva 347 000111")));
    f.MaskEdit1->setText(day(2));
    f.close();
    QCOMPARE(TestDb::scalar(QStringLiteral("select NOME from Appuntamenti where IDVISITA=%1 and ORA='09:00'").arg(id)).toString(),
             QStringLiteral("Non Salvato"));
}

void TstVisite::sheetOfUnsavedVisit()
{
    addSlot(addVisit(QStringLiteral("Dott. Bruni"), 1), QStringLiteral("09:00"), QStringLiteral("Altra visita"));
    TFoAppunta f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.ComboBox1->setEditText(QStringLiteral("Dott. Bruni"));
    setBoxes(f, QStringLiteral("12/03/2027"), QStringLiteral("09:00"), QStringLiteral("09:30"), QStringLiteral("15"));
    svc::button(&f, QStringLiteral("Genera"))->click();
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("QPrintPreviewDialog"), [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    svc::button(&f, QStringLiteral("Stampa"))->click();
    QStringList lines;
    for (const QString &l : pdfText(m_pdfDir.filePath(QStringLiteral("TQR4.pdf"))).split(QLatin1Char('\n'))) {
        const QString s = l.simplified();
        if (!s.isEmpty()) lines << s;
    }
    QCOMPARE(lines, (QStringList{"Dott. Bruni", "Appuntamenti del 12/03/2027", "Ora Nome Telefono"}));
    QCOMPARE(a.messages().size(), 0);
    QCOMPARE(f.table()->rowCount(), 3);  // the generated rows stay
}

QTEST_MAIN(TstVisite)
#include "tst_visite.moc"
