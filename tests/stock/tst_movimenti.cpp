// Lots of an article: loading (typed and from a scanned package code), unloading from the
// chosen lot and its limits, the history with its colours, the plain unloading window,
// what the expiry notice reads of the lots, and the entries that open these windows.
#include "app/TFoScCheck.h"
#include "app/TFormMain.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "stock/TFarmaci.h"
#include "stock/TFoFarMov.h"
#include "stock/TFoLotto.h"
#include "stock/TFoScarichi.h"
#include "support/Answerer.h"
#include "support/MailCapture.h"
#include "support/TestDb.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::MailCapture;
using vlmtest::TestDb;

namespace {

const QColor kYellow(255, 255, 0), kBlue(0, 0, 255), kRed(255, 0, 0), kGreen(0, 128, 0);

qint64 addArticle(const QString &nome, const QString &ean = QString(), const QString &codice = QString(),
                  const QString &descr = QString(), int quantita = 0)
{
    TestDb::exec(QStringLiteral("insert into Farmaci(CODICE,NOME,DESCRIZIONE,EAN,QUANTITA) values('%1','%2','%3','%4',%5)")
                     .arg(codice, nome, descr, ean)
                     .arg(quantita));
    return TestDb::scalar(QStringLiteral("select max(ID) from Farmaci")).toLongLong();
}

// A lot: loaded quantity, quantity used, expiry days from today, loaded `ago` minutes ago.
qint64 addLot(qint64 idf, int quantita, int usata, int giorni, const QString &rife, int ago = 60)
{
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,IDV,QUANTITA,Q_USATA,RIFE,SCADENZA,DATA) values(%1,0,%2,%3,'%4',"
                                "current_date + interval %5 day, now() - interval %6 minute)")
                     .arg(idf)
                     .arg(quantita)
                     .arg(usata)
                     .arg(rife)
                     .arg(giorni)
                     .arg(ago));
    return TestDb::scalar(QStringLiteral("select max(ID) from Movimenti")).toLongLong();
}

QString shown(int offset) { return QDate::currentDate().addDays(offset).toString(QStringLiteral("dd/MM/yyyy")); }

QVariant mov(const QString &col, const QString &where)
{
    return TestDb::scalar(QStringLiteral("select %1 from Movimenti where %2").arg(col, where));
}

qint64 stockOf(qint64 idf)
{
    return TestDb::scalar(QStringLiteral("select QUANTITA from Farmaci where ID=%1").arg(idf)).toLongLong();
}

QColor colour(vlm::GridModel *m, int row, int column, int role) { return m->index(row, column).data(role).value<QColor>(); }

void pressEnter(QComboBox *box) { QTest::keyClick(box->lineEdit(), Qt::Key_Return); }

// Fills the lot dialog and presses "Salva".
void fillLot(QWidget *w, const QString &scadenza, const QString &lotto, const QString &quantita)
{
    auto *d = static_cast<TFoLotto *>(w);
    if (!scadenza.isNull()) d->MaskEdit1->setText(scadenza);
    if (!lotto.isNull()) d->Edit2->setText(lotto);
    d->MaskEdit2->setText(quantita);
    d->Button2->click();
}

}  // namespace

class TstMovimenti : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void loadTypedLot();
    void loadZeroOrUnreadableAsks();
    void badExpiryWritesNothing_data();
    void badExpiryWritesNothing();
    void scannedCode_data();
    void scannedCode();
    void unloadFromChosenLot();
    void unloadRefusals_data();
    void unloadRefusals();
    void historyAndColours();
    void searchAndPick();
    void noArticle();
    void scarichiWindow();
    void scarichiRefusals();
    void expiryNoticeReadsLots();
    void entriesOpenTheWindows();
    void movimentazioneFromTheList();
};

void TstMovimenti::loadTypedLot()
{
    const qint64 user = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 a = addArticle(QStringLiteral("Aspirina 500"), QString(), QStringLiteral("F01"), QStringLiteral("Compresse"));
    TFoFarMov w;
    w.setUserId(user);
    w.setArticolo(a);
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Carico Scarico Farmaci"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Aspirina 500"));
    QCOMPARE(w.Label3->text(), QStringLiteral("Compresse"));
    QCOMPARE(w.Label5->text(), QStringLiteral("0"));
    QCOMPARE(w.lotti()->rowCount(), 0);

    Answerer ans;
    ans.answer(QMessageBox::No);
    ans.answer(QMessageBox::Yes);
    QString articolo, title;
    bool focusOnQuantity = false;
    bool openAfterNo = false;
    ans.onDialog(QStringLiteral("TFoLotto"), [&](QWidget *d) {
        auto *l = static_cast<TFoLotto *>(d);
        articolo = l->Edit1->text();
        title = l->windowTitle();
        focusOnQuantity = l->focusWidget() == l->MaskEdit2 && !l->Edit1->isEnabled();
        QTest::keyClicks(l->MaskEdit2, QStringLiteral("12"));
        l->MaskEdit1->setText(shown(200));
        l->Edit2->setText(QStringLiteral(" AB12 "));
        l->Button2->click();  // No: the dialog stays
        openAfterNo = l->isVisible();
        l->Button2->click();  // Yes
    });
    w.Button1->click();
    QCOMPARE(articolo, QStringLiteral("Aspirina 500"));
    QCOMPARE(title, QStringLiteral("Carico Materiale"));
    QVERIFY(focusOnQuantity);
    QVERIFY(openAfterNo);
    QCOMPARE(ans.messages().size(), 2);
    QCOMPARE(ans.messages()[0].caption, QStringLiteral("Carico"));
    QCOMPARE(ans.messages()[0].text, QStringLiteral("Sei sicuro di voler caricare questo lotto ?"));

    QCOMPARE(TestDb::count(QStringLiteral("Movimenti")), qint64(1));
    QCOMPARE(mov(QStringLiteral("IDF"), QStringLiteral("1")).toLongLong(), a);
    QCOMPARE(mov(QStringLiteral("IDV"), QStringLiteral("1")).toLongLong(), user);
    QCOMPARE(mov(QStringLiteral("QUANTITA"), QStringLiteral("1")).toInt(), 12);
    QCOMPARE(mov(QStringLiteral("Q_USATA"), QStringLiteral("1")).toInt(), 0);
    QCOMPARE(mov(QStringLiteral("RIFE"), QStringLiteral("1")).toString(), QStringLiteral(" AB12 "));  // as typed
    QCOMPARE(mov(QStringLiteral("SCADENZA"), QStringLiteral("1")).toDate(), QDate::currentDate().addDays(200));
    QVERIFY(mov(QStringLiteral("IDM"), QStringLiteral("1")).isNull());
    QCOMPARE(stockOf(a), qint64(12));

    // The window shows the new lot, the stock and the load in the history.
    QCOMPARE(w.lotti()->rowCount(), 1);
    QCOMPARE(w.lotti()->integer(0, QStringLiteral("QUANTITA")), 12);
    QCOMPARE(w.lotti()->text(0, QStringLiteral("LOTTO")), QStringLiteral(" AB12 "));
    QCOMPARE(w.lotti()->value(0, QStringLiteral("DATA")).toDate(), QDate::currentDate());
    QCOMPARE(w.Label5->text(), QStringLiteral("12"));
    QCOMPARE(w.storia()->rowCount(), 1);
    QCOMPARE(w.storia()->text(0, QStringLiteral("OPERATORE")), QStringLiteral("Rossi Mario"));

    // A positive quantity from a selected lot makes a new lot with the offered number and expiry.
    ans.answer(QMessageBox::Yes);
    QString offeredLot, offeredExpiry;
    ans.onDialog(QStringLiteral("TFoLotto"), [&](QWidget *d) {
        auto *l = static_cast<TFoLotto *>(d);
        offeredLot = l->Edit2->text();
        offeredExpiry = l->MaskEdit1->text();
        fillLot(d, QString(), QString(), QStringLiteral("3"));
    });
    w.DBGrid2->setCurrentRow(0);
    w.Button1->click();
    QCOMPARE(offeredLot, QStringLiteral(" AB12 "));
    QCOMPARE(offeredExpiry, shown(200));
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti"), QStringLiteral("QUANTITA=3 and IDM is null and RIFE=' AB12 '")), qint64(1));
    QCOMPARE(w.lotti()->rowCount(), 2);
    QCOMPARE(w.Label5->text(), QStringLiteral("15"));
    QCOMPARE(stockOf(a), qint64(15));
}

void TstMovimenti::loadZeroOrUnreadableAsks()
{
    const qint64 a = addArticle(QStringLiteral("Cerotti"));
    TFoFarMov w;
    w.setArticolo(a);
    w.show();
    Answerer ans;
    ans.answer(QMessageBox::Yes);
    ans.answer(QMessageBox::Yes);
    ans.onDialog(QStringLiteral("TFoLotto"), [](QWidget *d) { fillLot(d, shown(30), QStringLiteral("Z0"), QString()); });
    w.Button1->click();
    ans.onDialog(QStringLiteral("TFoLotto"), [](QWidget *d) { fillLot(d, shown(30), QStringLiteral("Z1"), QStringLiteral("1-2")); });
    w.Button1->click();
    QCOMPARE(ans.texts(), QStringList(2, QStringLiteral("Sei sicuro di voler caricare questo lotto ?")));
    // Two empty lots, shown by no lot list and by no stock.
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti"), QStringLiteral("QUANTITA=0")), qint64(2));
    QCOMPARE(w.lotti()->rowCount(), 0);
    QCOMPARE(w.Label5->text(), QStringLiteral("0"));
    QCOMPARE(w.storia()->rowCount(), 2);
    QCOMPARE(stockOf(a), qint64(0));
}

void TstMovimenti::badExpiryWritesNothing_data()
{
    QTest::addColumn<QString>("scadenza");
    QTest::addColumn<QString>("quantita");
    QTest::newRow("empty date, load") << QString() << QStringLiteral("5");
    QTest::newRow("no such day, load") << QStringLiteral("31/02/2027") << QStringLiteral("5");
    QTest::newRow("empty date, unload") << QString() << QStringLiteral("-1");
}

void TstMovimenti::badExpiryWritesNothing()
{
    QFETCH(QString, scadenza);
    QFETCH(QString, quantita);
    const qint64 a = addArticle(QStringLiteral("Garze"), QString(), QString(), QString(), 4);
    addLot(a, 4, 0, 100, QStringLiteral("G1"));
    TFoFarMov w;
    w.setArticolo(a);
    w.show();
    Answerer ans;
    bool stillOpen = false;
    ans.onDialog(QStringLiteral("TFoLotto"), [&](QWidget *d) {
        auto *l = static_cast<TFoLotto *>(d);
        l->MaskEdit1->setText(QString());
        fillLot(d, scadenza, QString(), quantita);
        stillOpen = l->isVisible();
        l->Button1->click();  // "Annulla"
    });
    w.DBGrid2->setCurrentRow(0);
    w.Button1->click();
    QVERIFY(stillOpen);
    QCOMPARE(ans.messages().size(), 1);  // the error box, no question before it
    QCOMPARE(ans.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti")), qint64(1));
    QCOMPARE(mov(QStringLiteral("Q_USATA"), QStringLiteral("1")).toInt(), 0);
    QCOMPARE(stockOf(a), qint64(4));
}

void TstMovimenti::scannedCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expiry");  // offered in the dialog; empty: no dialog
    QTest::addColumn<QString>("lot");
    QTest::newRow("expiry 17") << QStringLiteral("01080345678901271727053110l123") << QStringLiteral("31/05/2027") << QStringLiteral("L123");
    QTest::newRow("expiry day 00") << QStringLiteral("0108034567890127172706001099X") << QStringLiteral("28/06/2027") << QStringLiteral("99X");
    QTest::newRow("production 11") << QStringLiteral("01080345678901271123011510AB") << QStringLiteral("15/01/2123") << QStringLiteral("AB");
}

void TstMovimenti::scannedCode()
{
    QFETCH(QString, code);
    QFETCH(QString, expiry);
    QFETCH(QString, lot);
    const qint64 user = TestDb::addPerson(QStringLiteral("Verdi Ada"));
    addArticle(QStringLiteral("Altro"), QStringLiteral("8000000000001"));
    const qint64 a = addArticle(QStringLiteral("Fisiologica"), QStringLiteral("8034567890127"));
    TFoFarMov w;
    w.setUserId(user);
    w.show();
    Answerer ans;
    ans.answer(QMessageBox::Yes);
    QString offeredExpiry, offeredLot, articolo;
    qint64 dialogArticle = -1, dialogUser = -1, dialogLot = -1;
    ans.onDialog(QStringLiteral("TFoLotto"), [&](QWidget *d) {
        auto *l = static_cast<TFoLotto *>(d);
        offeredExpiry = l->MaskEdit1->text();
        offeredLot = l->Edit2->text();
        articolo = l->Edit1->text();
        dialogArticle = l->articolo();
        dialogUser = l->operatore();
        dialogLot = l->lotto();
        fillLot(d, QString(), QString(), QStringLiteral("20"));
    });
    w.ComboBox1->hidePopup();
    w.ComboBox1->setEditText(code);
    pressEnter(w.ComboBox1);
    QCOMPARE(w.ComboBox1->currentText(), QString());  // emptied for the next code
    QCOMPARE(w.articolo(), a);
    QCOMPARE(offeredExpiry, expiry);
    QCOMPARE(offeredLot, lot);
    QCOMPARE(articolo, QStringLiteral("Fisiologica"));
    QCOMPARE(dialogArticle, a);
    QCOMPARE(dialogUser, user);
    QCOMPARE(dialogLot, qint64(0));
    QCOMPARE(mov(QStringLiteral("SCADENZA"), QStringLiteral("IDF=%1").arg(a)).toDate(),
             QDate::fromString(expiry, QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(mov(QStringLiteral("RIFE"), QStringLiteral("IDF=%1").arg(a)).toString(), lot);
    QCOMPARE(w.lotti()->rowCount(), 1);
    QCOMPARE(w.Label5->text(), QStringLiteral("20"));
}

void TstMovimenti::unloadFromChosenLot()
{
    const qint64 user = TestDb::addPerson(QStringLiteral("Bianchi Ugo"));
    const qint64 a = addArticle(QStringLiteral("Bende"), QString(), QString(), QString(), 15);
    const qint64 far = addLot(a, 5, 0, 300, QStringLiteral("LONTANO"), 120);
    const qint64 lot = addLot(a, 10, 0, 20, QStringLiteral("VICINO"), 60);
    TFoFarMov w;
    w.setUserId(user);
    w.setArticolo(a);
    w.show();
    QCOMPARE(w.Label5->text(), QStringLiteral("15"));
    const int row = w.lotti()->integer(0, QStringLiteral("ID")) == lot ? 0 : 1;

    Answerer ans;
    ans.onDialog(QStringLiteral("TFoLotto"), [](QWidget *d) { fillLot(d, QString(), QStringLiteral(" nota "), QStringLiteral("-4")); });
    w.DBGrid2->setCurrentRow(row);
    w.Button1->click();
    QVERIFY(ans.messages().isEmpty());  // an unload asks nothing
    const QString unload = QStringLiteral("QUANTITA<0");
    QCOMPARE(mov(QStringLiteral("QUANTITA"), unload).toInt(), -4);
    QCOMPARE(mov(QStringLiteral("IDM"), unload).toLongLong(), lot);
    QCOMPARE(mov(QStringLiteral("IDF"), unload).toLongLong(), a);
    QCOMPARE(mov(QStringLiteral("IDV"), unload).toLongLong(), user);
    QCOMPARE(mov(QStringLiteral("RIFE"), unload).toString(), QStringLiteral("nota"));
    QCOMPARE(mov(QStringLiteral("SCADENZA"), unload).toDate(), QDate::currentDate().addDays(20));
    QCOMPARE(mov(QStringLiteral("Q_USATA"), QStringLiteral("ID=%1").arg(lot)).toInt(), 4);
    QCOMPARE(mov(QStringLiteral("Q_USATA"), QStringLiteral("ID=%1").arg(far)).toInt(), 0);
    QCOMPARE(stockOf(a), qint64(11));
    QCOMPARE(w.Label5->text(), QStringLiteral("11"));

    // The rest of the lot: the lot leaves the grid, the stock is as before its load.
    const int row2 = w.lotti()->integer(0, QStringLiteral("ID")) == lot ? 0 : 1;
    QCOMPARE(w.lotti()->integer(row2, QStringLiteral("QUANTITA")), 6);
    ans.onDialog(QStringLiteral("TFoLotto"), [](QWidget *d) { fillLot(d, QString(), QString(), QStringLiteral("-6")); });
    w.DBGrid2->setCurrentRow(row2);
    w.Button1->click();
    QCOMPARE(w.lotti()->rowCount(), 1);
    QCOMPARE(w.lotti()->integer(0, QStringLiteral("ID")), far);
    QCOMPARE(w.Label5->text(), QStringLiteral("5"));
    QCOMPARE(stockOf(a), qint64(5));
    QCOMPARE(mov(QStringLiteral("Q_USATA"), QStringLiteral("ID=%1").arg(lot)).toInt(), 10);
    QCOMPARE(w.storia()->rowCount(), 4);
}

void TstMovimenti::unloadRefusals_data()
{
    QTest::addColumn<QString>("quantita");
    QTest::addColumn<bool>("selectLot");
    QTest::addColumn<QString>("message");
    QTest::newRow("more than is left") << QStringLiteral("-7") << true
                                       << QStringLiteral("Quantità superiore alla rimanenza del lotto (6)");
    QTest::newRow("no lot chosen") << QStringLiteral("-1") << false << QStringLiteral("Nessun lotto selezionato");
}

void TstMovimenti::unloadRefusals()
{
    QFETCH(QString, quantita);
    QFETCH(bool, selectLot);
    QFETCH(QString, message);
    const qint64 a = addArticle(QStringLiteral("Bende"), QString(), QString(), QString(), 6);
    addLot(a, 10, 4, 20, QStringLiteral("L"));
    TFoFarMov w;
    w.setArticolo(a);
    w.show();
    if (!selectLot) {
        TestDb::exec(QStringLiteral("update Movimenti set Q_USATA=10"));
        w.FormActivate();
        QCOMPARE(w.lotti()->rowCount(), 0);
    }
    Answerer ans;
    bool stillOpen = false;
    ans.onDialog(QStringLiteral("TFoLotto"), [&](QWidget *d) {
        fillLot(d, shown(20), QString(), quantita);
        stillOpen = d->isVisible();
        static_cast<TFoLotto *>(d)->Button1->click();
    });
    w.Button1->click();
    QVERIFY(stillOpen);
    QCOMPARE(ans.texts(), QStringList{message});
    QCOMPARE(ans.messages()[0].caption, QStringLiteral("Errore"));
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti")), qint64(1));
    QCOMPARE(stockOf(a), qint64(6));
}

void TstMovimenti::historyAndColours()
{
    const qint64 op = TestDb::addPerson(QStringLiteral("Neri Luca"));
    const qint64 a = addArticle(QStringLiteral("Ghiaccio istantaneo"));
    const qint64 scaduto = addLot(a, 3, 0, -5, QStringLiteral("SCAD"), 400);
    addLot(a, 4, 1, 44, QStringLiteral("VICINO"), 300);
    addLot(a, 5, 0, 45, QStringLiteral("LIMITE"), 200);
    addLot(a, 2, 2, -30, QStringLiteral("FINITO"), 150);  // used up
    TestDb::exec(QStringLiteral("update Movimenti set IDV=%1").arg(op));
    TestDb::exec(QStringLiteral("insert into Movimenti(IDF,IDV,QUANTITA,RIFE,SCADENZA,IDM,DATA) values(%1,%2,-1,'uso',"
                                "current_date - interval 5 day,%3,now() - interval 10 minute)")
                     .arg(a)
                     .arg(op)
                     .arg(scaduto));
    TestDb::exec(QStringLiteral("update Movimenti set Q_USATA=1 where ID=%1").arg(scaduto));

    TFoFarMov w;
    w.setArticolo(a);
    w.show();
    // Lots: the open ones with what is left; expired yellow on red, within 45 days blue on yellow.
    QCOMPARE(w.lotti()->rowCount(), 3);
    QHash<QString, int> lotRow;
    for (int r = 0; r < 3; ++r) lotRow.insert(w.lotti()->text(r, QStringLiteral("LOTTO")), r);
    QCOMPARE(w.lotti()->integer(lotRow[QStringLiteral("SCAD")], QStringLiteral("QUANTITA")), 2);
    QCOMPARE(w.lotti()->integer(lotRow[QStringLiteral("VICINO")], QStringLiteral("QUANTITA")), 3);
    QCOMPARE(w.lotti()->text(lotRow[QStringLiteral("VICINO")], QStringLiteral("SCADENZA")), shown(44));
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(colour(w.lottiModel(), lotRow[QStringLiteral("SCAD")], c, Qt::BackgroundRole), kRed);
        QCOMPARE(colour(w.lottiModel(), lotRow[QStringLiteral("SCAD")], c, Qt::ForegroundRole), kYellow);
        QCOMPARE(colour(w.lottiModel(), lotRow[QStringLiteral("VICINO")], c, Qt::BackgroundRole), kYellow);
        QCOMPARE(colour(w.lottiModel(), lotRow[QStringLiteral("VICINO")], c, Qt::ForegroundRole), kBlue);
        QVERIFY(!colour(w.lottiModel(), lotRow[QStringLiteral("LIMITE")], c, Qt::BackgroundRole).isValid());
    }
    QCOMPARE(w.Label5->text(), QStringLiteral("10"));

    // History: every movement, newest first, loads green and unloads red.
    QStringList rife;
    for (int r = 0; r < w.storia()->rowCount(); ++r) rife << w.storia()->text(r, QStringLiteral("RIFE"));
    QCOMPARE(rife, (QStringList{"uso", "FINITO", "LIMITE", "VICINO", "SCAD"}));
    QCOMPARE(w.storia()->text(0, QStringLiteral("ARTICOLO")), QStringLiteral("Ghiaccio istantaneo"));
    QCOMPARE(w.storia()->integer(0, QStringLiteral("QUANTITA")), -1);
    QCOMPARE(w.storia()->text(0, QStringLiteral("OPERATORE")), QStringLiteral("Neri Luca"));
    const QDateTime when = QDateTime::fromString(w.storia()->text(0, QStringLiteral("DATA")), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    QVERIFY(when.isValid());
    QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTime()) - 600) < 120);
    QCOMPARE(w.storia()->text(4, QStringLiteral("SCADENZA")), shown(-5));
    QCOMPARE(w.storiaModel()->columnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(colour(w.storiaModel(), 0, c, Qt::ForegroundRole), kRed);  // the unload: red text, no background
        QVERIFY(!colour(w.storiaModel(), 0, c, Qt::BackgroundRole).isValid());
        QCOMPARE(colour(w.storiaModel(), 1, c, Qt::BackgroundRole), kRed);  // a load keeps its lot's colour, used up or not
        QCOMPARE(colour(w.storiaModel(), 1, c, Qt::ForegroundRole), kGreen);
        QVERIFY(!colour(w.storiaModel(), 2, c, Qt::BackgroundRole).isValid());
        QCOMPARE(colour(w.storiaModel(), 2, c, Qt::ForegroundRole), kGreen);
        QCOMPARE(colour(w.storiaModel(), 3, c, Qt::BackgroundRole), kYellow);
        QCOMPARE(colour(w.storiaModel(), 3, c, Qt::ForegroundRole), kGreen);
        QCOMPARE(colour(w.storiaModel(), 4, c, Qt::BackgroundRole), kRed);
    }
}

void TstMovimenti::searchAndPick()
{
    const qint64 a = addArticle(QStringLiteral("Aspirina 500"), QStringLiteral("8001"), QStringLiteral("F01"), QStringLiteral("Compresse"));
    const qint64 b = addArticle(QStringLiteral("Aspirina C"), QString(), QStringLiteral("F02"), QStringLiteral("Effervescente"));
    const qint64 c = addArticle(QStringLiteral("Tachi"), QString(), QStringLiteral("F03"));
    addLot(b, 7, 0, 100, QStringLiteral("B1"));
    TFoFarMov w;
    w.setArticolo(b);
    w.show();
    QCOMPARE(w.ComboBox1->count(), 3);
    QCOMPARE(w.ComboBox1->itemText(0), QStringLiteral("Aspirina 500"));

    struct Case {
        QString typed;
        qint64 key;
    };
    // Case and blanks do not matter; a text matching two articles finds none.
    const QList<Case> cases = {{QStringLiteral("  compresse "), a}, {QStringLiteral("aspirina"), 0}, {QStringLiteral("f03"), c},
                               {QStringLiteral("effervescente"), b}, {QStringLiteral("nulla"), 0}};
    for (const Case &k : cases) {
        w.ComboBox1->setEditText(k.typed);
        pressEnter(w.ComboBox1);
        w.ComboBox1->hidePopup();
        QCOMPARE(w.articolo(), k.key);
        QCOMPARE(w.ComboBox1->currentText(), QString());
        if (k.key == 0) {
            QCOMPARE(w.Label2->text(), QString());
            QCOMPARE(w.Label5->text(), QString());
            QCOMPARE(w.lotti()->rowCount(), 0);
            QCOMPARE(w.storia()->rowCount(), 0);
        }
    }
    QCOMPARE(w.Label2->text(), QString());

    // Picking from the opened list searches at once a name of seven characters or more.
    const auto pick = [&w](int item) {
        w.ComboBox1->showPopup();
        w.ComboBox1->view()->setCurrentIndex(w.ComboBox1->model()->index(item, 0));
        QTest::keyClick(w.ComboBox1->view(), Qt::Key_Return);
        w.ComboBox1->hidePopup();
    };
    pick(1);  // "Aspirina C"
    QCOMPARE(w.articolo(), b);
    QCOMPARE(w.Label2->text(), QStringLiteral("Aspirina C"));
    QCOMPARE(w.lotti()->rowCount(), 1);
    // A shorter name waits for Enter.
    pick(2);  // "Tachi"
    QCOMPARE(w.articolo(), b);
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Tachi"));
    pressEnter(w.ComboBox1);
    w.ComboBox1->hidePopup();
    QCOMPARE(w.articolo(), c);
    // Typing, also with the list open, searches nothing until Enter.
    w.ComboBox1->showPopup();
    w.ComboBox1->setEditText(QStringLiteral("Aspirina 500"));
    w.ComboBox1->hidePopup();
    QCOMPARE(w.articolo(), c);
}

void TstMovimenti::noArticle()
{
    addArticle(QStringLiteral("Cerotti"));
    TFoFarMov w;  // "Movimentazione" on an empty list
    w.show();
    QCOMPARE(w.Label2->text(), QString());
    QVERIFY(w.focusWidget() == w.ComboBox1 || w.focusWidget() == w.ComboBox1->lineEdit());
    w.ComboBox1->hidePopup();
    Answerer ans;
    ans.onDialog(QStringLiteral("TFoLotto"), [](QWidget *d) {
        fillLot(d, shown(10), QStringLiteral("X"), QStringLiteral("5"));
        static_cast<TFoLotto *>(d)->Button1->click();
    });
    w.Button1->click();
    QCOMPARE(ans.texts(), QStringList{QStringLiteral("Nessun articolo selezionato")});
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti")), qint64(0));

    // A scanned code of an unknown package finds nothing and offers no lot.
    ans.clear();
    w.ComboBox1->setEditText(QStringLiteral("01099999999999991727053110L1"));
    pressEnter(w.ComboBox1);
    w.ComboBox1->hidePopup();
    QCOMPARE(w.articolo(), qint64(0));
    QVERIFY(ans.dialogsSeen().isEmpty());

    // An EAN that begins with five zeros is searched as the whole text: no lot is offered.
    const qint64 z = addArticle(QStringLiteral("Zeri"), QStringLiteral("0000012345678"), QStringLiteral("01000001234567817270531"));
    w.ComboBox1->setEditText(QStringLiteral("01000001234567817270531"));
    pressEnter(w.ComboBox1);
    w.ComboBox1->hidePopup();
    QCOMPARE(w.articolo(), z);
    QVERIFY(ans.dialogsSeen().isEmpty());
}

void TstMovimenti::scarichiWindow()
{
    const qint64 user = TestDb::addPerson(QStringLiteral("Gialli Eva"));
    const qint64 a = addArticle(QStringLiteral("Garze sterili"), QStringLiteral("8034567890127"), QStringLiteral("M1"),
                                QStringLiteral("Garze 10x10"), 13);
    const qint64 b = addArticle(QStringLiteral("Garze piccole"), QString(), QStringLiteral("M2"), QStringLiteral("Garze 5x5"), 2);
    const qint64 la = addLot(a, 10, 2, 10, QStringLiteral("A1"));
    addLot(a, 5, 0, -1, QStringLiteral("A2"));
    addLot(b, 2, 0, 300, QStringLiteral("B1"));
    TFoScarichi w;
    w.setUserId(user);
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Scarico Magazzino"));
    QCOMPARE(w.CB1->count(), 2);

    // The first article that matches, even when several do, with its open lots.
    QTest::keyClicks(w.CB1->lineEdit(), QStringLiteral("garze"));
    QVERIFY(w.articolo() == a || w.articolo() == b);
    QCOMPARE(w.Label3->text(), w.articolo() == a ? QStringLiteral("Garze 10x10") : QStringLiteral("Garze 5x5"));
    QCOMPARE(w.lotti()->rowCount(), w.articolo() == a ? 2 : 1);
    w.CB1->lineEdit()->clear();
    QTest::keyClicks(w.CB1->lineEdit(), QStringLiteral("sterili"));
    QCOMPARE(w.articolo(), a);
    QCOMPARE(w.lotti()->rowCount(), 2);
    QCOMPARE(w.lottiModel()->columnCount(), 4);
    const int r = w.lotti()->integer(0, QStringLiteral("ID")) == la ? 0 : 1;
    QCOMPARE(w.lotti()->integer(r, QStringLiteral("QUANTITA")), 8);
    QCOMPARE(colour(w.lottiModel(), r, 0, Qt::BackgroundRole), kYellow);
    QCOMPARE(colour(w.lottiModel(), 1 - r, 3, Qt::BackgroundRole), kRed);
    QCOMPARE(colour(w.lottiModel(), 1 - r, 3, Qt::ForegroundRole), kYellow);
    // A text nothing matches leaves the description as it was and no lot.
    QTest::keyClicks(w.CB1->lineEdit(), QStringLiteral("zz"));
    QCOMPARE(w.articolo(), qint64(0));
    QCOMPARE(w.lotti()->rowCount(), 0);
    QCOMPARE(w.Label3->text(), QStringLiteral("Garze 10x10"));
    w.CB1->lineEdit()->clear();
    QTest::keyClicks(w.CB1->lineEdit(), QStringLiteral("5x5"));
    QCOMPARE(w.articolo(), b);

    // A scanned code is searched by its EAN and the box is emptied; the article stays.
    w.CB1->lineEdit()->clear();
    w.CB1->lineEdit()->setText(QStringLiteral("01080345678901271727053110L9"));
    pressEnter(w.CB1);
    QCOMPARE(w.CB1->currentText(), QString());
    QCOMPARE(w.articolo(), a);
    QCOMPARE(w.lotti()->rowCount(), 2);

    Answerer ans;
    w.DBGrid1->setCurrentRow(r);
    w.Edit1->setText(QStringLiteral(" 3 "));
    w.Edit2->setText(QStringLiteral("  ambulanza 2 "));
    w.Button1->click();
    QVERIFY(ans.messages().isEmpty());
    const QString unload = QStringLiteral("QUANTITA<0");
    QCOMPARE(mov(QStringLiteral("QUANTITA"), unload).toInt(), -3);
    QCOMPARE(mov(QStringLiteral("IDM"), unload).toLongLong(), la);
    QCOMPARE(mov(QStringLiteral("IDF"), unload).toLongLong(), a);
    QCOMPARE(mov(QStringLiteral("IDV"), unload).toLongLong(), user);
    QCOMPARE(mov(QStringLiteral("RIFE"), unload).toString(), QStringLiteral("ambulanza 2"));
    QCOMPARE(mov(QStringLiteral("SCADENZA"), unload).toDate(), QDate::currentDate().addDays(10));
    QCOMPARE(mov(QStringLiteral("Q_USATA"), QStringLiteral("ID=%1").arg(la)).toInt(), 5);
    QCOMPARE(stockOf(a), qint64(10));
    // The same article stays with its lots reloaded; the quantity box is emptied.
    QCOMPARE(w.Edit1->text(), QString());
    QCOMPARE(w.articolo(), a);
    const int r2 = w.lotti()->integer(0, QStringLiteral("ID")) == la ? 0 : 1;
    QCOMPARE(w.lotti()->integer(r2, QStringLiteral("QUANTITA")), 5);

    // The whole rest takes the lot out of the list.
    w.DBGrid1->setCurrentRow(r2);
    w.Edit1->setText(QStringLiteral("5"));
    w.Button1->click();
    QCOMPARE(w.lotti()->rowCount(), 1);
    QCOMPARE(stockOf(a), qint64(5));

    // An unreadable quantity unloads nothing, yet the unload is recorded.
    w.DBGrid1->setCurrentRow(0);
    w.Edit1->setText(QStringLiteral("tre"));
    w.Button1->click();
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti"), QStringLiteral("QUANTITA=0 and IDM is not null")), qint64(1));
    QVERIFY(ans.messages().isEmpty());
}

void TstMovimenti::scarichiRefusals()
{
    const qint64 a = addArticle(QStringLiteral("Lacci"), QString(), QString(), QString(), 4);
    addLot(a, 4, 0, 100, QStringLiteral("L"));
    TFoScarichi w;
    w.show();
    Answerer ans;
    struct Case {
        QString quantita;
        bool select;
        QString message;
    };
    QTest::keyClicks(w.CB1->lineEdit(), QStringLiteral("lac"));
    QCOMPARE(w.articolo(), a);
    const QList<Case> cases = {{QStringLiteral("5"), true, QStringLiteral("Quantità superiore alla rimanenza del lotto (4)")},
                               {QStringLiteral("-2"), true, QStringLiteral("Quantità non valida")},
                               {QStringLiteral("1"), false, QStringLiteral("Nessun lotto selezionato")}};
    for (const Case &c : cases) {
        ans.clear();
        w.DBGrid1->setCurrentRow(c.select ? 0 : -1);
        w.DBGrid1->clearSelection();
        if (c.select) w.DBGrid1->setCurrentRow(0);
        else w.DBGrid1->setCurrentIndex(QModelIndex());
        w.Edit1->setText(c.quantita);
        w.Button1->click();
        QCOMPARE(ans.texts(), QStringList{c.message});
    }
    // No article found: nothing to charge.
    ans.clear();
    w.CB1->lineEdit()->setText(QStringLiteral("nessuno"));
    QCOMPARE(w.articolo(), qint64(0));
    w.Edit1->setText(QStringLiteral("1"));
    w.Button1->click();
    QCOMPARE(ans.texts(), QStringList{QStringLiteral("Nessun articolo selezionato")});
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti")), qint64(1));
    QCOMPARE(stockOf(a), qint64(4));
}

// The notice lists the lots that still hold something and expire within two days, with
// the quantity loaded; an unload copies its lot's expiry but is never listed itself.
void TstMovimenti::expiryNoticeReadsLots()
{
    qputenv("USERNAME", "nessuno");
    const qint64 a = addArticle(QStringLiteral("Adrenalina"), QString(), QString(), QString(), 0);
    TFoFarMov w;
    w.setArticolo(a);
    w.show();
    Answerer ans;
    ans.answer(QMessageBox::Yes);
    ans.answer(QMessageBox::Yes);
    ans.answer(QMessageBox::Yes);
    for (const auto &lot : {std::pair{shown(2), QStringLiteral("8")}, std::pair{shown(3), QStringLiteral("6")},
                            std::pair{shown(-1), QStringLiteral("4")}}) {
        ans.onDialog(QStringLiteral("TFoLotto"), [lot](QWidget *d) { fillLot(d, lot.first, QStringLiteral("N"), lot.second); });
        w.Button1->click();
    }
    QCOMPARE(w.lotti()->rowCount(), 3);
    // Part of the lot of 8 and the whole lot of 4 are unloaded.
    for (const auto &u : {std::pair{8, QStringLiteral("-5")}, std::pair{4, QStringLiteral("-4")}}) {
        int row = -1;
        for (int r = 0; r < w.lotti()->rowCount(); ++r)
            if (w.lotti()->integer(r, QStringLiteral("QUANTITA")) == u.first) row = r;
        QVERIFY(row >= 0);
        const QString q = u.second;
        ans.onDialog(QStringLiteral("TFoLotto"), [q](QWidget *d) { fillLot(d, QString(), QString(), q); });
        w.DBGrid2->setCurrentRow(row);
        w.Button1->click();
    }
    QCOMPARE(w.lotti()->rowCount(), 2);
    QCOMPARE(TestDb::count(QStringLiteral("Movimenti"), QStringLiteral("QUANTITA<0")), qint64(2));
    w.close();

    MailCapture mail;
    TFormMain main;
    QStringList texts;
    ans.onDialog(QStringLiteral("TFoScCheck"), [&](QWidget *d) {
        texts << static_cast<TFoScCheck *>(d)->Memo1->toPlainText();
        d->close();
    });
    main.ScadenzeFarmaci1->trigger();
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0], QStringLiteral("Farmaci in Magazzino\n%1 8 Adrenalina ").arg(shown(2)));
}

void TstMovimenti::entriesOpenTheWindows()
{
    const qint64 user = TestDb::addPerson(QStringLiteral("Blu Sara"), QStringLiteral("Utente,Password,LivelloF"), QStringLiteral("'sara','x',5"));
    const qint64 a = addArticle(QStringLiteral("Aspirina"));
    addLot(a, 3, 0, 100, QStringLiteral("A"));
    qputenv("USERNAME", "sara");
    {
    Answerer ans;
    TFormMain w;
    QCOMPARE(w.userId(), user);
    QSignalSpy opened(&w, &TFormMain::entryOpened);
    qint64 handed = -1;
    ans.onDialog(QStringLiteral("TFoScarichi"), [&](QWidget *d) {
        handed = static_cast<TFoScarichi *>(d)->userId();
        static_cast<QDialog *>(d)->reject();
    });
    w.BtnFarmaci->click();
    QCOMPARE(handed, user);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().toString(), QStringLiteral("TFoScarichi"));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY(w.findChild<TFoScarichi *>() == nullptr);
    }

}

void TstMovimenti::movimentazioneFromTheList()
{
    addArticle(QStringLiteral("Bende"));
    const qint64 a = addArticle(QStringLiteral("Cerotti"));
    addLot(a, 4, 0, 100, QStringLiteral("C1"));
    TFarmaci list;
    list.setUserId(7);
    list.show();
    QTRY_VERIFY(list.table()->rowCount() >= 2);
    int row = -1;
    for (int r = 0; r < list.table()->rowCount(); ++r)
        if (list.table()->integer(r, QStringLiteral("ID")) == a) row = r;
    QVERIFY(row >= 0);
    list.DBGrid1->setCurrentRow(row);
    Answerer ans;
    qint64 articolo = -1, utente = -1;
    bool listHidden = false;
    ans.onDialog(QStringLiteral("TFoFarMov"), [&](QWidget *d) {
        auto *f = static_cast<TFoFarMov *>(d);
        articolo = f->articolo();
        utente = f->userId();
        listHidden = !list.isVisible();
        f->reject();
    });
    list.Button2->click();
    QCOMPARE(articolo, a);
    QCOMPARE(utente, qint64(7));
    QVERIFY(listHidden);      // the list steps aside while the movements are open
    QVERIFY(list.isVisible());  // and comes back
}

QTEST_MAIN(TstMovimenti)
#include "tst_movimenti.moc"
