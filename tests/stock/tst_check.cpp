// The vehicle checklists: the lists of vehicles and article names, a vehicle's items,
// saving (insert, update, article found by name, items without expiry date), deleting,
// typing into the grid, the printed checklist read back from its PDF, and the expiry
// notice that reads the saved items.
#include "app/TFoScCheck.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "reports/TQR5.h"
#include "stock/TFoCheck.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

qint64 addArticle(const QString &nome, const QString &descr = QString())
{
    TestDb::exec(QStringLiteral("insert into Farmaci(NOME,DESCRIZIONE) values('%1','%2')").arg(nome, descr));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// An item of a vehicle's list; days: expiry from today, or no date when null.
qint64 addItem(qint64 idm, qint64 idf, int quantita, const QString &posizione, const QVariant &giorni = 30)
{
    const QString sca = giorni.isNull() ? QStringLiteral("NULL") : QStringLiteral("current_date + interval %1 day").arg(giorni.toInt());
    TestDb::exec(QStringLiteral("insert into checklist(IDM,IDV,QUANTITA,IDF,SCADENZA,POSIZIONE) values(%1,0,%2,%3,%4,'%5')")
                     .arg(idm)
                     .arg(quantita)
                     .arg(idf)
                     .arg(sca, posizione));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The grid's rows as "quantity|name|expiry|position|description".
QStringList rows(const TFoCheck &f)
{
    QStringList out;
    const vlm::GridTable *t = f.table();
    for (int r = 0; r < t->rowCount(); ++r)
        out << QStringList{t->text(r, "QUANTITA"), t->text(r, "CODICE"), t->text(r, "SCADENZA"), t->text(r, "POSIZIONE"),
                           t->text(r, "DESCRIZIONE")}
                   .join(QLatin1Char('|'));
    return out;
}

// The stored items of a vehicle as "quantity|article key|expiry yyyy-mm-dd|position", by key.
QStringList stored(qint64 idm)
{
    QStringList out;
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("select QUANTITA,IDF,SCADENZA,POSIZIONE from checklist where IDM=:IDM order by ID"));
    q.bindInt(QStringLiteral("IDM"), idm);
    for (q.open(); !q.eof(); q.next())
        out << QStringLiteral("%1|%2|%3|%4").arg(q.str("QUANTITA"), q.str("IDF"), q.date("SCADENZA").toString(Qt::ISODate), q.str("POSIZIONE"));
    return out;
}

QString fromToday(int days) { return QDate::currentDate().addDays(days).toString(QStringLiteral("dd/MM/yyyy")); }

// Types a text into a cell through its editor, as a user does.
void typeInto(TFoCheck &f, int row, int column, const QString &text)
{
    const QModelIndex i = f.model()->index(row, column);
    f.DBGrid1->setCurrentIndex(i);
    f.DBGrid1->edit(i);
    // Editors closed before are hidden until they are deleted.
    QWidget *ed = nullptr;
    for (QWidget *w : f.DBGrid1->findChildren<QWidget *>(QStringLiteral("Editor") + f.model()->columns()[column].field))
        if (w->isVisible()) ed = w;
    QVERIFY(ed);
    if (auto *s = qobject_cast<QSpinBox *>(ed)) s->setValue(text.toInt());
    else if (auto *c = qobject_cast<QComboBox *>(ed)) c->setEditText(text);
    else if (auto *m = qobject_cast<vlm::MaskEdit *>(ed)) {
        m->selectAll();
        m->del();
        m->home(false);
        QTest::keyClicks(m, text);
    } else if (auto *e = qobject_cast<QLineEdit *>(ed)) e->setText(text);
    f.postEdit();
}

}  // namespace

class TstCheck : public QObject {
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
        TestDb::exec(QStringLiteral("delete from checklist"));
        TestDb::exec(QStringLiteral("delete from Farmaci"));
        TestDb::exec(QStringLiteral("delete from mezzi"));
        TestDb::exec(QStringLiteral("alter table checklist drop constraint if exists quantita_limite"));
        QFile::remove(m_pdfDir.filePath(QStringLiteral("TQR5.pdf")));
    }
    void cleanup() { vlm::disconnectAll(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listsAndVehicleItems();
    void unknownVehicleGivesEmptyListAndSavesWithKeyZero();
    void saveUpdatesInsertsAndFindsArticleByName();
    void saveWithoutArticleOrDate();
    void longArticleNameKeepsItsArticle();
    void failedSaveKeepsWrittenRowsWithoutDuplicates();
    void deleteDropsUnsavedChanges();
    void typingIntoTheGrid();
    void wrongDateKeepsTheCell();
    void titleClickSorts();
    void printedChecklist();
    void itemWithoutDateInMedicinesNotice();

private:
    QTemporaryDir m_pdfDir;
};

void TstCheck::listsAndVehicleItems()
{
    const qint64 m2 = TestDb::addVehicle(QStringLiteral("AMB 02"));
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 garze = addArticle(QStringLiteral("Garze"), QStringLiteral("Garze sterili 10x10"));
    const qint64 ossigeno = addArticle(QStringLiteral("Bombola O2"), QStringLiteral("Ossigeno 2 litri"));
    addItem(m1, garze, 10, QStringLiteral("Cassetto 1"), 100);
    addItem(m1, ossigeno, 2, QStringLiteral("Vano laterale"), 5);
    addItem(m2, garze, 4, QStringLiteral("Zaino"));

    TFoCheck f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), QString());
    QStringList mezzi;
    for (int i = 0; i < f.ComboBox1->count(); ++i) mezzi << f.ComboBox1->itemText(i);
    QCOMPARE(mezzi, (QStringList{"AMB 01", "AMB 02"}));
    QCOMPARE(f.articleNames(), (QStringList{"Bombola O2", "Garze"}));
    QCOMPARE(f.table()->rowCount(), 0);

    // Chosen from the list, and typed with blanks around it.
    f.ComboBox1->setCurrentIndex(0);
    QCOMPARE(f.vehicleKey(), m1);
    QStringList got = rows(f);
    got.sort();
    QCOMPARE(got, (QStringList{"10|Garze|" + fromToday(100) + "|Cassetto 1|Garze sterili 10x10",
                               "2|Bombola O2|" + fromToday(5) + "|Vano laterale|Ossigeno 2 litri"}));
    f.ComboBox1->setEditText(QStringLiteral(" AMB 02 "));
    QCOMPARE(f.vehicleKey(), m2);
    QCOMPARE(rows(f), QStringList{"4|Garze|" + fromToday(30) + "|Zaino|Garze sterili 10x10"});

    // A vehicle added elsewhere is offered when the window is activated again; the box
    // keeps its text and the grid its rows.
    TestDb::addVehicle(QStringLiteral("AMB 00"));
    f.FormActivate();
    QCOMPARE(f.ComboBox1->itemText(0), QStringLiteral("AMB 00"));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral(" AMB 02 "));
    QCOMPARE(f.table()->rowCount(), 1);
}

void TstCheck::unknownVehicleGivesEmptyListAndSavesWithKeyZero()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 garze = addArticle(QStringLiteral("Garze"));
    addItem(m1, garze, 10, QStringLiteral("Cassetto 1"));
    addItem(0, garze, 7, QStringLiteral("Orfano"));
    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    QCOMPARE(f.table()->rowCount(), 1);
    f.ComboBox1->setEditText(QStringLiteral("AMB 9"));
    QCOMPARE(f.vehicleKey(), qint64(0));
    // Key 0 finds the items stored without a vehicle.
    QCOMPARE(rows(f), QStringList{"7|Garze|" + fromToday(30) + "|Orfano|"});
    f.appendRow();
    f.setCell(1, "QUANTITA", 3);
    f.setCell(1, "CODICE", QStringLiteral("Garze"));
    f.Button1Click();
    QCOMPARE(TestDb::count(QStringLiteral("checklist"), QStringLiteral("IDM=0")), qint64(2));
    QCOMPARE(stored(m1).size(), 1);
}

void TstCheck::saveUpdatesInsertsAndFindsArticleByName()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 garze = addArticle(QStringLiteral("Garze"), QStringLiteral("Sterili"));
    const qint64 guanti = addArticle(QStringLiteral("Guanti M"));
    addArticle(QStringLiteral("Guanti M"));  // a second article of the same name
    const qint64 item = addItem(m1, garze, 10, QStringLiteral("Cassetto 1"), 100);

    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    f.setCell(0, "QUANTITA", 12);
    f.setCell(0, "POSIZIONE", QStringLiteral("Cassetto 2"));
    f.appendRow();
    QCOMPARE(f.table()->rowCount(), 2);
    f.appendRow();  // one new row at a time
    QCOMPARE(f.table()->rowCount(), 2);
    f.setCell(1, "QUANTITA", 4);
    f.setCell(1, "CODICE", QStringLiteral("  Guanti M  "));
    f.setCell(1, "SCADENZA", QDate(2031, 5, 6));
    f.setCell(1, "POSIZIONE", QStringLiteral("Zaino"));
    f.Button1Click();

    QCOMPARE(stored(m1), (QStringList{"12|" + QString::number(garze) + "|" + QDate::currentDate().addDays(100).toString(Qt::ISODate) + "|Cassetto 2",
                                      "4|" + QString::number(guanti) + "|2031-05-06|Zaino"}));
    QCOMPARE(TestDb::scalar(QStringLiteral("select ID from checklist where POSIZIONE='Cassetto 2'")).toLongLong(), item);
    QCOMPARE(TestDb::count(QStringLiteral("checklist"), QStringLiteral("IDV<>0")), qint64(0));
    // The list is read again: the new row has its key, and a second save changes nothing.
    QCOMPARE(f.table()->rowCount(), 2);
    QVERIFY(f.table()->integer(1, "ID") > 0 && f.table()->integer(0, "ID") > 0);
    f.Button1Click();
    QCOMPARE(TestDb::count(QStringLiteral("checklist")), qint64(2));
}

void TstCheck::saveWithoutArticleOrDate()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    addArticle(QStringLiteral("Garze"));
    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    f.appendRow();
    f.setCell(0, "QUANTITA", 1);
    f.setCell(0, "CODICE", QStringLiteral("Articolo che non esiste"));
    f.setCell(0, "SCADENZA", QVariant(QMetaType(QMetaType::QDate)));
    f.setCell(0, "POSIZIONE", QStringLiteral("Vano"));
    f.Button1Click();
    // Without expiry date the item is stored with day 0; an unknown name with article 0,
    // shown with empty name and description.
    QCOMPARE(stored(m1), QStringList{"1|0|1899-12-30|Vano"});
    QCOMPARE(rows(f), QStringList{"1||30/12/1899|Vano|"});
}

void TstCheck::longArticleNameKeepsItsArticle()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const QString lungo = QStringLiteral("Soluzione fisiologica sodio cloruro 0,9% flacone 500 ml");
    const qint64 sol = addArticle(lungo, QStringLiteral("Flebo"));
    const qint64 garze = addArticle(QStringLiteral("Garze"));
    addItem(m1, sol, 2, QStringLiteral("Pensile"), 10);

    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    QCOMPARE(f.table()->text(0, "CODICE"), lungo.left(40));
    // Saving the list again keeps the article, and so does picking the long name anew.
    f.Button1Click();
    f.appendRow();
    f.setCell(1, "CODICE", lungo);
    QCOMPARE(f.table()->text(1, "DESCRIZIONE"), QStringLiteral("Flebo"));
    f.Button1Click();
    QCOMPARE(TestDb::count(QStringLiteral("checklist"), QStringLiteral("IDF=%1").arg(sol)), qint64(2));
    // Another name typed over it takes that article.
    f.setCell(0, "CODICE", QStringLiteral("Garze"));
    f.Button1Click();
    QCOMPARE(TestDb::count(QStringLiteral("checklist"), QStringLiteral("IDF=%1").arg(garze)), qint64(1));
}

void TstCheck::failedSaveKeepsWrittenRowsWithoutDuplicates()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    addArticle(QStringLiteral("Garze"));
    TestDb::exec(QStringLiteral("alter table checklist add constraint quantita_limite check (QUANTITA < 1000)"));
    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    f.appendRow();
    f.setCell(0, "QUANTITA", 5);
    f.setCell(0, "CODICE", QStringLiteral("Garze"));
    f.appendRow();
    f.setCell(1, "QUANTITA", 5000);
    f.setCell(1, "CODICE", QStringLiteral("Garze"));
    {
        Answerer a;
        f.Button1->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    }
    // The row before the failure is written; the grid keeps what was typed.
    QCOMPARE(stored(m1).size(), 1);
    QCOMPARE(f.table()->rowCount(), 2);
    f.setCell(1, "QUANTITA", 50);
    f.Button1Click();
    QCOMPARE(stored(m1), (QStringList{"5|" + TestDb::scalar("select ID from Farmaci").toString() + "|1899-12-30|",
                                      "50|" + TestDb::scalar("select ID from Farmaci").toString() + "|1899-12-30|"}));
}

void TstCheck::deleteDropsUnsavedChanges()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 garze = addArticle(QStringLiteral("Garze"));
    addItem(m1, garze, 10, QStringLiteral("A"));
    addItem(m1, garze, 20, QStringLiteral("B"));
    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    f.table()->sortBy("POSIZIONE");
    f.model()->refresh();
    f.setCell(1, "QUANTITA", 99);
    f.appendRow();
    f.setCell(2, "CODICE", QStringLiteral("Garze"));
    // Deleting a new row deletes nothing, and drops the changes of the others.
    f.DBGrid1->setCurrentIndex(f.model()->index(2, 0));
    f.Button2->click();
    QCOMPARE(TestDb::count(QStringLiteral("checklist")), qint64(2));
    QStringList qta;
    for (int r = 0; r < f.table()->rowCount(); ++r) qta << f.table()->text(r, "QUANTITA");
    qta.sort();
    QCOMPARE(qta, (QStringList{"10", "20"}));

    f.table()->sortBy("POSIZIONE");
    f.model()->refresh();
    f.setCell(1, "QUANTITA", 99);
    f.DBGrid1->setCurrentIndex(f.model()->index(0, 1));
    f.Button2->click();
    QCOMPARE(stored(m1), QStringList{"20|" + QString::number(garze) + "|" + QDate::currentDate().addDays(30).toString(Qt::ISODate) + "|B"});
    QCOMPARE(rows(f).size(), 1);
    QVERIFY(rows(f)[0].startsWith("20|"));
}

void TstCheck::typingIntoTheGrid()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 guanti = addArticle(QStringLiteral("Guanti L"), QStringLiteral("Nitrile"));
    TFoCheck f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    // Typing into the empty list starts its first row; Down past the last row adds one.
    f.DBGrid1->setFocus();
    QTest::keyClick(f.DBGrid1, Qt::Key_3);
    f.postEdit();
    QCOMPARE(f.table()->rowCount(), 1);
    QCOMPARE(f.table()->text(0, "QUANTITA"), QStringLiteral("3"));
    typeInto(f, 0, 1, QStringLiteral("Guanti L"));
    QCOMPARE(f.table()->text(0, "DESCRIZIONE"), QStringLiteral("Nitrile"));
    typeInto(f, 0, 2, QStringLiteral("01022030"));
    typeInto(f, 0, 3, QStringLiteral("Cassetto con un nome troppo lungo da tenere"));
    QCOMPARE(f.table()->text(0, "POSIZIONE").size(), 25);
    // The description is not typed into.
    QVERIFY(!(f.model()->flags(f.model()->index(0, 4)) & Qt::ItemIsEditable));
    f.DBGrid1->setCurrentIndex(f.model()->index(0, 0));
    QTest::keyClick(f.DBGrid1, Qt::Key_Down);
    QCOMPARE(f.table()->rowCount(), 2);
    // The second row left empty is no item.
    f.Button1->click();
    QCOMPARE(stored(m1), QStringList{"3|" + QString::number(guanti) + "|2030-02-01|Cassetto con un nome trop"});
}

void TstCheck::wrongDateKeepsTheCell()
{
    TestDb::addVehicle(QStringLiteral("AMB 01"));
    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    f.appendRow();
    typeInto(f, 0, 2, QStringLiteral("12032030"));
    QCOMPARE(f.table()->value(0, "SCADENZA").toDate(), QDate(2030, 3, 12));
    Answerer a;
    typeInto(f, 0, 2, QStringLiteral("31022030"));
    QTRY_COMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(f.table()->value(0, "SCADENZA").toDate(), QDate(2030, 3, 12));
    // An emptied date box leaves the item without date.
    typeInto(f, 0, 2, QString());
    QVERIFY(f.table()->value(0, "SCADENZA").isNull());
}

void TstCheck::titleClickSorts()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    addItem(m1, addArticle(QStringLiteral("Bende")), 1, QStringLiteral("Z"));
    addItem(m1, addArticle(QStringLiteral("Aghi")), 2, QStringLiteral("Y"));
    addItem(m1, addArticle(QStringLiteral("Cerotti")), 3, QStringLiteral("X"));
    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    const QStringList titles = {"QUANTITA", "CODICE", "SCADENZA", "POSIZIONE", "DESCRIZIONE"};
    for (int c = 0; c < titles.size(); ++c) QCOMPARE(f.model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    f.DBGrid1->clickTitle(1);
    QCOMPARE(f.table()->text(0, "CODICE"), QStringLiteral("Aghi"));
    f.DBGrid1->clickTitle(3);
    QCOMPARE(f.table()->text(0, "POSIZIONE"), QStringLiteral("X"));
    f.DBGrid1->clickTitle(3);
    QCOMPARE(f.table()->text(0, "POSIZIONE"), QStringLiteral("X"));
}

void TstCheck::printedChecklist()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    const qint64 garze = addArticle(QStringLiteral("Garze"), QStringLiteral("Descrizione non stampata"));
    const qint64 aghi = addArticle(QStringLiteral("Aghi"));
    const qint64 bende = addArticle(QStringLiteral("Bende"));
    addItem(m1, garze, 10, QStringLiteral("Zaino"), 40);
    addItem(m1, bende, 3, QStringLiteral("Cassetto"), 50);
    addItem(m1, aghi, 125, QStringLiteral("Zaino"), 60);
    addItem(m1, garze, 2, QStringLiteral("Cassetto"), QVariant());

    TFoCheck f;
    f.show();
    f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
    f.DBGrid1->clickTitle(0);  // the window's order does not matter
    Answerer a;
    int pagine = 0;
    a.onDialog(QStringLiteral("QPrintPreviewDialog"), [&](QWidget *w) {
        if (auto *sheet = f.findChild<TQR5 *>()) pagine = sheet->pageCount();
        static_cast<QDialog *>(w)->reject();
    });
    f.Button3->click();
    QCOMPARE(pagine, 1);
    QVERIFY(!f.findChild<TQR5 *>());  // destroyed when the preview closes
    const QString pdf = m_pdfDir.filePath(QStringLiteral("TQR5.pdf"));
    QVERIFY(QFile::exists(pdf));
    QStringList lines;
    for (const QString &l : pdfText(pdf).split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) lines << l.simplified();
    QCOMPARE(lines.value(0), QStringLiteral("Check List AMB 01 Del ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(lines.value(1), QStringLiteral("Q.ta Articolo Posizione Scadenza Verificato"));
    QCOMPARE(lines.mid(2, 4), (QStringList{"3 Bende Cassetto " + fromToday(50),
                                           "2 Garze Cassetto",
                                           "125 Aghi Zaino " + fromToday(60),
                                           "10 Garze Zaino " + fromToday(40)}));
    QVERIFY(!pdfText(pdf).contains(QStringLiteral("Descrizione non stampata")));
}

void TstCheck::itemWithoutDateInMedicinesNotice()
{
    const qint64 m1 = TestDb::addVehicle(QStringLiteral("AMB 01"));
    addArticle(QStringLiteral("Garze"));
    {
        TFoCheck f;
        f.show();
        f.ComboBox1->setEditText(QStringLiteral("AMB 01"));
        f.appendRow();
        f.setCell(0, "QUANTITA", 2);
        f.setCell(0, "CODICE", QStringLiteral("Garze"));
        f.setCell(0, "POSIZIONE", QStringLiteral("Vano"));
        f.appendRow();
        f.setCell(1, "QUANTITA", 1);
        f.setCell(1, "CODICE", QStringLiteral("Garze"));
        f.setCell(1, "SCADENZA", QDate::currentDate().addYears(2));
        f.setCell(1, "POSIZIONE", QStringLiteral("Zaino"));
        f.Button1Click();
    }
    QCOMPARE(stored(m1).size(), 2);
    vlm::disconnect(QStringLiteral("DB"));
    Answerer a;
    QString text;
    a.onDialog(QStringLiteral("TFoScCheck"), [&](QWidget *w) {
        text = static_cast<TFoScCheck *>(w)->Memo1->toPlainText();
        static_cast<QDialog *>(w)->reject();
    });
    vlm::medicinesNotice(nullptr, false);
    QCOMPARE(text, QStringLiteral("AMB 01 30/12/1899 2 Garze Vano"));
}

QTEST_MAIN(TstCheck)
#include "tst_check.moc"
