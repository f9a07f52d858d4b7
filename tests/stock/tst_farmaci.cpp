// The article list: stock values, minimum stock and first expiry, the row colours, the
// three filters, search by typing and by a scanned package code; the article record with
// its save and delete; the main-window entry.
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "stock/TFarmaci.h"
#include "stock/TFoFarma.h"
#include "support/Answerer.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::MailCapture;
using vlmtest::TestDb;

namespace {

qint64 addArticle(const QString &nome, int scorta, const QString &ean = QString(), const QString &codice = QString(),
                  const QString &descr = QString(), const QString &produttore = QString())
{
    TestDb::exec(QStringLiteral("insert into Farmaci(CODICE,NOME,DESCRIZIONE,PRODUTTORE,EAN,SCORTA) values('%1','%2','%3','%4','%5',%6)")
                     .arg(codice, nome, descr, produttore, ean)
                     .arg(scorta));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// A lot of an article: loaded quantity, quantity already taken, expiry days from today.
qint64 addLot(qint64 idf, int quantita, int usata, int giorni)
{
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,IDV,QUANTITA,Q_USATA,RIFE,SCADENZA) values(%1,1,%2,%3,'L%1',current_date + interval %4 day)")
                     .arg(idf)
                     .arg(quantita)
                     .arg(usata)
                     .arg(giorni));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

void addUnload(qint64 idf, qint64 lot, int quantita)
{
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,IDV,QUANTITA,RIFE,IDM) values(%1,1,%2,'uso',%3)").arg(idf).arg(-quantita).arg(lot));
}

QStringList names(const TFarmaci &l)
{
    QStringList out;
    for (int r = 0; r < l.table()->rowCount(); ++r) out << l.table()->text(r, QStringLiteral("ARTICOLO"));
    return out;
}

int rowOf(const TFarmaci &l, const QString &nome) { return names(l).indexOf(nome); }

QColor colour(const TFarmaci &l, int row, int column, int role)
{
    return l.model()->index(row, column).data(role).value<QColor>();
}

QString farmaco(qint64 id, const QString &col)
{
    return TestDb::scalar(QStringLiteral("select %1 from Farmaci where ID=%2").arg(col).arg(id)).toString();
}

void doubleClickRow(TFarmaci &l, int row)
{
    l.DBGrid1->setCurrentRow(row);
    const QRect rect = l.DBGrid1->visualRect(l.model()->index(row, 1));
    QTest::mouseClick(l.DBGrid1->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(l.DBGrid1->viewport(), Qt::LeftButton, {}, rect.center());
}

// Six articles covering the stock rules; see stockValuesAndColours.
void addStore()
{
    const qint64 a = addArticle(QStringLiteral("Aspirina 500"), 5, QStringLiteral("8001234567890"), QStringLiteral("F01"),
                                QStringLiteral("Compresse"), QStringLiteral("Bayer"));
    addLot(a, 10, 2, 100);
    addLot(a, 4, 0, 10);
    const qint64 b = addArticle(QStringLiteral("Bende elastiche"), 10, QString(), QStringLiteral("M02"));
    addLot(b, 10, 0, 300);
    const qint64 c = addArticle(QStringLiteral("Cerotti"), 10, QString(), QStringLiteral("M03"));
    addLot(c, 6, 0, 60);
    addArticle(QStringLiteral("Disinfettante"), 0, QString(), QStringLiteral("M04"));
    const qint64 e = addArticle(QStringLiteral("Garze sterili"), 3, QString(), QStringLiteral("M05"));
    const qint64 used = addLot(e, 5, 5, -10);  // used up, and past its expiry
    addUnload(e, used, 5);
    addLot(e, 2, 3, 20);  // over-unloaded
    const qint64 f = addArticle(QStringLiteral("Fisiologica 10 ml"), 1, QStringLiteral("8009876543210"), QStringLiteral("F06"));
    addLot(f, 3, 0, -5);
    addLot(f, 2, 0, 30);
}

}  // namespace

class TstFarmaci : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void stockValuesAndColours();
    void filters_data();
    void filters();
    void searchByTyping();
    void searchByScannedCode();
    void editExistingArticle();
    void newArticleSavedTwiceIsOneArticle();
    void saveRejectsBadMinimum_data();
    void saveRejectsBadMinimum();
    void deleteAsksFirst();
    void doubleClickOnEmptyListOpensNewRecord();
    void mainWindowEntryHandsUserId();
};

void TstFarmaci::stockValuesAndColours()
{
    addStore();
    const qint64 lungo = addArticle(QStringLiteral("Zeta ") + QString(40, QLatin1Char('n')), 0, QString(30, QLatin1Char('9')),
                                    QStringLiteral("Z"), QString(60, QLatin1Char('d')));
    addLot(lungo, 1, 0, 5);

    TFarmaci l;
    l.show();
    QCOMPARE(l.windowTitle(), QStringLiteral("Farmaci"));
    QCOMPARE(names(l), (QStringList{"Aspirina 500", "Bende elastiche", "Cerotti", "Disinfettante", "Fisiologica 10 ml",
                                    "Garze sterili", "Zeta nnnnnnnnnnnnnnnnnnnnnnnnn"}));
    // Stock: what is left in the open lots; unload rows and used-up lots do not count.
    const QList<int> stock = {12, 10, 6, 0, 5, 0, 1};
    for (int r = 0; r < stock.size(); ++r) QCOMPARE(l.table()->integer(r, QStringLiteral("QUANTITA")), stock[r]);
    QCOMPARE(l.table()->integer(0, QStringLiteral("SC_MINIMA")), 5);
    QCOMPARE(l.table()->text(0, QStringLiteral("CODICE")), QStringLiteral("F01"));
    QCOMPARE(l.table()->text(0, QStringLiteral("EAN")), QStringLiteral("8001234567890"));
    QCOMPARE(l.table()->text(6, QStringLiteral("DESCRIZIONE")), QString(50, QLatin1Char('d')));
    QCOMPARE(l.table()->text(6, QStringLiteral("EAN")), QString(25, QLatin1Char('9')));

    QCOMPARE(l.model()->columnCount(), 5);
    QStringList titles;
    for (int c = 0; c < 5; ++c) titles << l.model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"CODICE", "ARTICOLO", "DESCRIZIONE", "EAN", "QUANTITA"}));
    QCOMPARE(l.model()->index(0, 4).data().toString(), QStringLiteral("12"));

    // Colours: under the minimum blue on yellow, no stock yellow on red, every cell of the row.
    const QColor yellow(255, 255, 0), blue(0, 0, 255), red(255, 0, 0);
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(colour(l, 2, c, Qt::BackgroundRole), yellow);  // Cerotti 6 < 10
        QCOMPARE(colour(l, 2, c, Qt::ForegroundRole), blue);
        QCOMPARE(colour(l, 3, c, Qt::BackgroundRole), red);     // Disinfettante, no lot, minimum 0
        QCOMPARE(colour(l, 3, c, Qt::ForegroundRole), yellow);
        QCOMPARE(colour(l, 5, c, Qt::BackgroundRole), red);     // Garze 0 < 3: red wins
        QCOMPARE(colour(l, 5, c, Qt::ForegroundRole), yellow);
    }
    for (int r : {0, 1, 4, 6}) {  // above or equal to the minimum: drawn normally
        QVERIFY(!l.model()->index(r, 1).data(Qt::BackgroundRole).value<QColor>().isValid());
        QVERIFY(!l.model()->index(r, 1).data(Qt::ForegroundRole).value<QColor>().isValid());
    }

    // The first row is current, the search box has the focus; titles sort ascending.
    QCOMPARE(l.DBGrid1->currentRow(), 0);
    QCOMPARE(l.focusWidget(), static_cast<QWidget *>(l.Edit1));
    l.DBGrid1->clickTitle(4);
    QCOMPARE(l.table()->integer(0, QStringLiteral("QUANTITA")), 0);
    QCOMPARE(l.table()->integer(6, QStringLiteral("QUANTITA")), 12);

    // The grid's font follows its height.
    l.resize(960, 720);
    QCOMPARE(l.DBGrid1->font().pointSize(), l.DBGrid1->height() / 50);
}

void TstFarmaci::filters_data()
{
    QTest::addColumn<bool>("sotto");
    QTest::addColumn<bool>("zero");
    QTest::addColumn<bool>("scaduti");
    QTest::addColumn<QStringList>("expected");
    const QStringList all = {"Aspirina 500", "Bende elastiche", "Cerotti", "Disinfettante", "Fisiologica 10 ml", "Garze sterili"};
    QTest::newRow("none") << false << false << false << all;
    QTest::newRow("Sottoscorta: equal counts") << true << false << false
                                               << QStringList{"Bende elastiche", "Cerotti", "Disinfettante", "Garze sterili"};
    QTest::newRow("Giacenza zero: no lot or used up") << false << true << false << QStringList{"Disinfettante", "Garze sterili"};
    QTest::newRow("Con Scaduti: an open expired lot") << false << false << true << QStringList{"Fisiologica 10 ml"};
    QTest::newRow("Sottoscorta and Giacenza zero") << true << true << false << QStringList{"Disinfettante", "Garze sterili"};
    QTest::newRow("Giacenza zero and Con Scaduti") << false << true << true << QStringList();
}

void TstFarmaci::filters()
{
    QFETCH(bool, sotto);
    QFETCH(bool, zero);
    QFETCH(bool, scaduti);
    QFETCH(QStringList, expected);
    addStore();
    TFarmaci l;
    l.show();
    QCOMPARE(l.table()->rowCount(), 6);
    // Each click reloads the list.
    if (sotto) l.CheckBox1->click();
    if (zero) l.CheckBox2->click();
    if (scaduti) l.CheckBox3->click();
    QCOMPARE(names(l), expected);
}

void TstFarmaci::searchByTyping()
{
    addStore();
    TFarmaci l;
    l.show();
    Answerer a;
    QTest::keyClicks(l.Edit1, QStringLiteral("c"));
    // Code, name, description, EAN and producer are searched, capitals or not.
    const QStringList withC = {"Aspirina 500", "Bende elastiche", "Cerotti", "Fisiologica 10 ml"};
    QCOMPARE(names(l), withC);
    QTest::keyClicks(l.Edit1, QStringLiteral("e"));
    QCOMPARE(names(l), QStringList{"Cerotti"});
    QTest::keyClick(l.Edit1, Qt::Key_Backspace);
    QCOMPARE(names(l), withC);
    l.Edit1->clear();
    QTest::keyClicks(l.Edit1, QStringLiteral("BAYER"));
    QCOMPARE(names(l), QStringList{"Aspirina 500"});
    l.Edit1->clear();
    QTest::keyClicks(l.Edit1, QStringLiteral("m0"));
    QCOMPARE(names(l), (QStringList{"Bende elastiche", "Cerotti", "Disinfettante", "Garze sterili"}));

    // Enter on a short text empties the box and keeps the filter until the next key.
    QTest::keyClick(l.Edit1, Qt::Key_Return);
    QCOMPARE(l.Edit1->text(), QString());
    QCOMPARE(l.searchText(), QStringLiteral("m0"));
    QCOMPARE(names(l).size(), 4);
    QTest::keyClicks(l.Edit1, QStringLiteral("f"));
    QCOMPARE(names(l), (QStringList{"Aspirina 500", "Disinfettante", "Fisiologica 10 ml"}));

    // A quote or a percent sign is searched for, it does not break the statement.
    l.Edit1->clear();
    QTest::keyClicks(l.Edit1, QStringLiteral("o'%"));
    QVERIFY(names(l).isEmpty());
    QVERIFY(a.messages().isEmpty());
    QVERIFY(a.dialogsSeen().isEmpty());  // Enter opened nothing
}

void TstFarmaci::searchByScannedCode()
{
    addStore();
    // An article stored with the 14-digit trade item number is found by the EAN inside it.
    addArticle(QStringLiteral("Ghiaccio istantaneo"), 0, QStringLiteral("08034567890127"));
    TFarmaci l;
    l.show();
    Answerer a;

    QTest::keyClicks(l.Edit1, QStringLiteral("01080012345678901725053110L123"));
    QTest::keyClick(l.Edit1, Qt::Key_Return);
    QCOMPARE(l.searchText(), QStringLiteral("8001234567890"));
    QCOMPARE(l.Edit1->text(), QString());
    QCOMPARE(names(l), QStringList{"Aspirina 500"});

    // Production date instead of expiry, lot first: the EAN is still found.
    QTest::keyClicks(l.Edit1, QStringLiteral("010803456789012710L99-A1123011"));
    QTest::keyClick(l.Edit1, Qt::Key_Enter);
    QCOMPARE(names(l), QStringList{"Ghiaccio istantaneo"});

    // A long text that is no package code clears the search: every article is listed.
    QTest::keyClicks(l.Edit1, QStringLiteral("]C101080012345678901725053110"));
    QTest::keyClick(l.Edit1, Qt::Key_Return);
    QCOMPARE(l.searchText(), QString());
    QCOMPARE(names(l).size(), 7);

    // An EAN that no article carries leaves the list empty.
    QTest::keyClicks(l.Edit1, QStringLiteral("01099999999999991725053110X"));
    QTest::keyClick(l.Edit1, Qt::Key_Return);
    QVERIFY(names(l).isEmpty());
    QVERIFY(a.messages().isEmpty());
    QVERIFY(a.dialogsSeen().isEmpty());
}

void TstFarmaci::editExistingArticle()
{
    addStore();
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from Farmaci where NOME='Aspirina 500'")).toLongLong();
    TFarmaci l;
    l.show();
    Answerer a;
    bool listHidden = false, stayedOpen = false;
    a.onDialog(QStringLiteral("TFoFarma"), [&](QWidget *w) {
        auto *e = static_cast<TFoFarma *>(w);
        listHidden = !l.isVisible();
        QCOMPARE(e->windowTitle(), QStringLiteral("Scheda Materiale"));
        QCOMPARE(e->id(), id);
        QCOMPARE(e->Edit1->text(), QStringLiteral("F01"));
        QCOMPARE(e->Edit2->text(), QStringLiteral("Aspirina 500"));
        QCOMPARE(e->Edit3->text(), QStringLiteral("Compresse"));
        QCOMPARE(e->Edit4->text(), QStringLiteral("Bayer"));
        QCOMPARE(e->Edit5->text(), QStringLiteral("5"));
        QCOMPARE(e->Edit6->text(), QStringLiteral("8001234567890"));
        QCOMPARE(e->LabelValore->text(), QStringLiteral("12"));
        e->Edit2->setText(QStringLiteral("Aspirina 'C' 400 "));
        e->Edit5->setText(QStringLiteral(" 20"));
        e->Edit6->setText(QStringLiteral("8001234567891"));
        e->Button1->click();
        stayedOpen = e->isVisible();
        static_cast<QDialog *>(w)->reject();
    });
    doubleClickRow(l, 0);
    QCOMPARE(a.dialogsSeen(), QStringList{"TFoFarma"});
    QVERIFY(listHidden);
    QVERIFY(stayedOpen);
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Farmaci")), 6);
    QCOMPARE(farmaco(id, QStringLiteral("NOME")), QStringLiteral("Aspirina 'C' 400 "));
    QCOMPARE(farmaco(id, QStringLiteral("SCORTA")), QStringLiteral("20"));
    QCOMPARE(farmaco(id, QStringLiteral("EAN")), QStringLiteral("8001234567891"));
    QCOMPARE(farmaco(id, QStringLiteral("CODICE")), QStringLiteral("F01"));
    // Back in the list, reloaded: 12 is now under the minimum of 20.
    QVERIFY(l.isVisible());
    const int r = rowOf(l, QStringLiteral("Aspirina 'C' 400 "));
    QVERIFY(r >= 0);
    QCOMPARE(colour(l, r, 0, Qt::BackgroundRole), QColor(255, 255, 0));
}

void TstFarmaci::newArticleSavedTwiceIsOneArticle()
{
    TFarmaci l;
    l.show();
    QVERIFY(l.table()->rowCount() == 0);
    Answerer a;
    qint64 key = -1;
    a.onDialog(QStringLiteral("TFoFarma"), [&](QWidget *w) {
        auto *e = static_cast<TFoFarma *>(w);
        QCOMPARE(e->id(), 0);
        QCOMPARE(e->LabelValore->text(), QStringLiteral("Q.ta"));
        for (QLineEdit *b : {e->Edit1, e->Edit2, e->Edit3, e->Edit4, e->Edit5, e->Edit6}) QVERIFY(b->text().isEmpty());
        e->Edit1->setText(QStringLiteral("M10"));
        e->Edit2->setText(QStringLiteral("Guanti nitrile"));
        e->Edit5->setText(QStringLiteral("50"));
        e->Button1->click();
        key = e->id();
        e->Edit2->setText(QStringLiteral("Guanti nitrile M"));
        e->Button1->click();
        static_cast<QDialog *>(w)->reject();
    });
    l.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Farmaci")), 1);
    QCOMPARE(key, TestDb::scalar(QStringLiteral("select ID from Farmaci")).toLongLong());
    QCOMPARE(farmaco(key, QStringLiteral("NOME")), QStringLiteral("Guanti nitrile M"));
    QCOMPARE(farmaco(key, QStringLiteral("EAN")), QString());
    QCOMPARE(farmaco(key, QStringLiteral("SCORTA")), QStringLiteral("50"));
    QCOMPARE(names(l), QStringList{"Guanti nitrile M"});
}

void TstFarmaci::saveRejectsBadMinimum_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("scorta");
    QTest::newRow("new, empty") << false << QString();
    QTest::newRow("new, letters") << false << QStringLiteral("dieci");
    QTest::newRow("existing, decimal") << true << QStringLiteral("2,5");
}

void TstFarmaci::saveRejectsBadMinimum()
{
    QFETCH(bool, existing);
    QFETCH(QString, scorta);
    const qint64 id = existing ? addArticle(QStringLiteral("Cerotti"), 4) : 0;
    TFarmaci l;
    l.show();
    Answerer a;
    bool stayedOpen = false;
    a.onDialog(QStringLiteral("TFoFarma"), [&](QWidget *w) {
        auto *e = static_cast<TFoFarma *>(w);
        e->Edit2->setText(QStringLiteral("Altro nome"));
        e->Edit5->setText(scorta);
        e->Button1->click();
        stayedOpen = e->isVisible();
        static_cast<QDialog *>(w)->reject();
    });
    if (existing) doubleClickRow(l, 0);
    else l.Button1->click();
    QVERIFY(stayedOpen);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    QVERIFY(a.messages().first().text.contains(scorta));
    // Nothing written.
    QCOMPARE(TestDb::count(QStringLiteral("Farmaci")), existing ? 1 : 0);
    if (existing) {
        QCOMPARE(farmaco(id, QStringLiteral("NOME")), QStringLiteral("Cerotti"));
        QCOMPARE(farmaco(id, QStringLiteral("SCORTA")), QStringLiteral("4"));
    }
}

void TstFarmaci::deleteAsksFirst()
{
    addStore();
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from Farmaci where NOME='Cerotti'")).toLongLong();
    const qint64 movimenti = TestDb::count(QStringLiteral("Movimenti"));
    TFarmaci l;
    l.show();
    Answerer a;
    bool openAfterNo = false, closedAfterYes = false;
    a.onDialog(QStringLiteral("TFoFarma"), [&](QWidget *w) {
        auto *e = static_cast<TFoFarma *>(w);
        a.answer(QMessageBox::No);
        e->Button2->click();
        openAfterNo = e->isVisible() && TestDb::count(QStringLiteral("Farmaci"), QStringLiteral("ID=%1").arg(id)) == 1;
        a.answer(QMessageBox::Yes);
        e->Button2->click();
        closedAfterYes = !e->isVisible();
    });
    doubleClickRow(l, rowOf(l, QStringLiteral("Cerotti")));
    QVERIFY(openAfterNo);
    QVERIFY(closedAfterYes);
    QCOMPARE(a.messages().size(), 2);
    QCOMPARE(a.messages()[0].caption, QStringLiteral("Cancellazione"));
    QCOMPARE(a.messages()[0].text, QStringLiteral("Sei sicuro di voler cancellare l'articolo"));
    QCOMPARE(TestDb::count(QStringLiteral("Farmaci"), QStringLiteral("ID=%1").arg(id)), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Farmaci")), 5);
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti")), movimenti);  // its lots stay
    QCOMPARE(rowOf(l, QStringLiteral("Cerotti")), -1);
    QCOMPARE(l.table()->rowCount(), 5);
}

void TstFarmaci::doubleClickOnEmptyListOpensNewRecord()
{
    addArticle(QStringLiteral("Cerotti"), 4);
    TFarmaci l;
    l.show();
    QTest::keyClicks(l.Edit1, QStringLiteral("nessuno"));
    QCOMPARE(l.table()->rowCount(), 0);
    Answerer a;
    a.onDialog(QStringLiteral("TFoFarma"), [&](QWidget *w) {
        auto *e = static_cast<TFoFarma *>(w);
        QCOMPARE(e->id(), 0);
        QVERIFY(e->Edit2->text().isEmpty());
        e->Edit2->setText(QStringLiteral("Nessuno"));
        e->Edit5->setText(QStringLiteral("0"));
        e->Button1->click();
        static_cast<QDialog *>(w)->reject();
    });
    QTest::mouseDClick(l.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(a.dialogsSeen(), QStringList{"TFoFarma"});
    QCOMPARE(TestDb::count(QStringLiteral("Farmaci")), 2);
    QCOMPARE(names(l), QStringList{"Nessuno"});  // the search "nessuno" still holds
}

void TstFarmaci::mainWindowEntryHandsUserId()
{
    const qint64 user = TestDb::addPerson(QStringLiteral("Bianchi Ugo"), QStringLiteral("Utente,Password,LivelloF"),
                                          QStringLiteral("'ugo','x',7"));
    qputenv("USERNAME", "ugo");
    MailCapture mail;
    Answerer a;
    TFormMain w;  // nothing in store yet: the start-up notice has nothing to say
    QCOMPARE(w.userId(), user);
    addStore();
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    qint64 handed = 0;
    int rows = 0;
    bool backAfterRecord = false;
    a.onDialog(QStringLiteral("TFarmaci"), [&](QWidget *d) {
        auto *l = static_cast<TFarmaci *>(d);
        handed = l->userId();
        rows = l->table()->rowCount();
        // The list steps aside for a record and is still open when it comes back.
        a.onDialog(QStringLiteral("TFoFarma"), [](QWidget *e) { static_cast<QDialog *>(e)->reject(); });
        l->Button1->click();
        // Still the open modal window a moment later (the timer dies with the window).
        QTimer::singleShot(100, l, [&, l] {
            backAfterRecord = l->isVisible() && QApplication::activeModalWidget() == l;
            l->reject();
        });
    });
    w.BtnFarmaci->click();
    QCOMPARE(a.dialogsSeen(), (QStringList{"TFarmaci", "TFoFarma"}));
    QVERIFY(backAfterRecord);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().toString(), QStringLiteral("TFarmaci"));
    QCOMPARE(handed, user);
    QCOMPARE(rows, 6);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY(w.findChild<TFarmaci *>() == nullptr);  // destroyed after it closed
}

QTEST_MAIN(TstFarmaci)
#include "tst_farmaci.moc"
