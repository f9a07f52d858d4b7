// The donor register: the list with its filters and row colours, the record of a donor
// with its save (and what a failed save leaves), the donations tab, deleting a donor,
// the list opening a record, and the check of the stored donors against a master-data
// file.
#include "donors/TFoDonatore.h"
#include "donors/TFoEleDon.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {
QString sql(const QString &s) { return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

// A donor; `extra` holds further "col=value" assignments in SQL.
qint64 addDonor(const QString &nome, const QString &stato = QStringLiteral("ATTIVO"),
                const QString &gruppo = QString(), const QString &sesso = QString(), const QString &extra = QString())
{
    TestDb::exec(QStringLiteral("insert into donatori set Nome=%1, stato=%2, GRUPPO=%3, Sesso=%4%5")
                     .arg(sql(nome), sql(stato), sql(gruppo), sql(sesso), extra.isEmpty() ? QString() : QStringLiteral(", ") + extra));
    return TestDb::scalar(QStringLiteral("select max(ID) from donatori")).toLongLong();
}

qint64 addDonation(qint64 donor, const QDate &data, const QString &tipo, int qta = 450)
{
    TestDb::exec(QStringLiteral("insert into donazioni(IDDONATORE,DATA,QUANTITA,TIPO) values(%1,'%2',%3,%4)")
                     .arg(donor).arg(data.toString(QStringLiteral("yyyy-MM-dd"))).arg(qta).arg(sql(tipo)));
    return TestDb::scalar(QStringLiteral("select max(ID) from donazioni")).toLongLong();
}

QString donor(qint64 id, const QString &cols)
{
    return TestDb::scalar(QStringLiteral("select concat_ws('|',%1) from donatori where ID=%2").arg(cols).arg(id)).toString();
}

void type(QWidget *w, const QString &text)
{
    if (auto *c = qobject_cast<QComboBox *>(w)) {
        c->setEditText(text);
        return;
    }
    if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
        m->setPlainText(text);
        return;
    }
    static_cast<QLineEdit *>(w)->setText(text);
}

QStringList names(const TFoEleDon &f)
{
    QStringList out;
    for (int r = 0; r < f.table()->rowCount(); ++r) out << f.table()->text(r, QStringLiteral("Nome"));
    return out;
}

int rowOf(const TFoEleDon &f, const QString &nome) { return names(f).indexOf(nome); }

QStringList items(const QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

// One line of the master-data file in its fixed columns.
QString fileLine(const QString &cognome, const QString &nome, const QString &yyyymmdd, const QString &cf,
                 const QString &agenda)
{
    QString l = QStringLiteral("00001") + cognome.leftJustified(35) + QLatin1Char(' ') + nome.leftJustified(35) +
                QStringLiteral("  ") + yyyymmdd.leftJustified(8) + cf.leftJustified(16);
    l += QString(80, QLatin1Char('x'));
    l += agenda.leftJustified(15);
    return l + QStringLiteral("   ");
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

struct Record {
    Record(qint64 id, int digit)
    {
        f.setCodice(id);
        f.setLivello(digit);
        f.show();
    }
    TFoDonatore f;
};
}  // namespace

class TstDonatori : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listFilters_data();
    void listFilters();
    void listDropDownsAndSort();
    void rowColours_data();
    void rowColours();
    void loadAndSaveStoredDonor();
    void newDonorSavedOnceThenUpdated();
    void statusOnlyAtDigitNine();
    void duplicateFiscalCode();
    void failedSaveStoresNothing_data();
    void failedSaveStoresNothing();
    void deleteKeepsDonations();
    void donationsTab();
    void listOpensRecordAndRebuilds();
    void importAnagrafiche();
    void importCancelStopsAtOnce();
};

void TstDonatori::listFilters_data()
{
    QTest::addColumn<QString>("stato");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("gruppo");
    QTest::addColumn<QString>("sesso");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("clause");

    QTest::newRow("initial status") << "Attivo" << "" << "" << ""
                                    << QStringList{"D'Amico Pia", "Rossi Anna", "Rossi Mario"} << " where stato=:STA";
    QTest::newRow("no filter") << "" << "" << "" << ""
                               << QStringList{"Bianchi Luca", "D'Amico Pia", "Rossi Anna", "Rossi Mario"} << "";
    QTest::newRow("status name group") << "Attivo" << " rossi " << "0+" << ""
                                       << QStringList{"Rossi Mario"}
                                       << " where stato=:STA and  nome like :NME and  gruppo=:GRP";
    QTest::newRow("name first") << "" << "ross" << "" << "F" << QStringList{"Rossi Anna"}
                                << " where  nome like :NME and  Sesso=:SES";
    QTest::newRow("apostrophe") << "" << "D'Am" << "" << "" << QStringList{"D'Amico Pia"} << " where  nome like :NME";
    QTest::newRow("group only") << "" << "" << "0+" << "M" << QStringList{"Bianchi Luca", "Rossi Mario"}
                                << " where  gruppo=:GRP and  Sesso=:SES";
    QTest::newRow("nobody") << "DECEDUTO" << "" << "" << "" << QStringList{} << " where stato=:STA";
}

void TstDonatori::listFilters()
{
    QFETCH(QString, stato);
    QFETCH(QString, nome);
    QFETCH(QString, gruppo);
    QFETCH(QString, sesso);
    QFETCH(QStringList, expected);
    QFETCH(QString, clause);
    addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("ATTIVO"), QStringLiteral("0+"), QStringLiteral("M"));
    addDonor(QStringLiteral("Rossi Anna"), QStringLiteral("ATTIVO"), QStringLiteral("A+"), QStringLiteral("F"));
    addDonor(QStringLiteral("Bianchi Luca"), QStringLiteral("SOSPESO"), QStringLiteral("0+"), QStringLiteral("M"));
    addDonor(QStringLiteral("D'Amico Pia"), QStringLiteral("ATTIVO"), QStringLiteral("B-"), QStringLiteral("F"));

    Answerer a;
    TFoEleDon f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Elenco Donatori"));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Attivo"));
    type(f.ComboBox1, stato);
    type(f.Edit1, nome);
    type(f.ComboBox2, gruppo);
    f.ComboBox3->setCurrentText(sesso);
    QCOMPARE(names(f), expected);
    QCOMPARE(f.Label5->text(), QString::number(expected.size()));
    const QStringList lines = f.lastSql().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[4], clause);
    QCOMPARE(lines[5], QStringLiteral(" order by Nome "));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    if (!expected.isEmpty()) QCOMPARE(f.DBGrid1->currentRow(), 0);
}

void TstDonatori::listDropDownsAndSort()
{
    addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("ATTIVO"), QStringLiteral("0+"));
    addDonor(QStringLiteral("Verdi Ugo"), QStringLiteral("ATTIVO"), QStringLiteral("A+"));
    addDonor(QStringLiteral("Neri Ada"), QStringLiteral("ATTIVO"), QStringLiteral("  "));
    addDonor(QStringLiteral("Blu Ivo"), QStringLiteral("SOSPESO"), QStringLiteral("0+"));
    TFoEleDon f;
    f.show();
    f.FormActivate();
    QCOMPARE(items(f.ComboBox2), (QStringList{QStringLiteral("0+"), QStringLiteral("A+")}));
    QCOMPARE(items(f.ComboBox1), (QStringList{QStringLiteral("ATTIVO"), QStringLiteral("SOSPESO")}));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Attivo"));  // refilling keeps the filter
    QCOMPARE(items(f.ComboBox3), (QStringList{QString(), QStringLiteral("M"), QStringLiteral("F")}));
    QCOMPARE(names(f), (QStringList{"Neri Ada", "Rossi Mario", "Verdi Ugo"}));
    // A title click sorts by that column's field, and again ascending on a second click.
    f.DBGrid1->clickTitle(1);
    QCOMPARE(names(f), (QStringList{"Neri Ada", "Rossi Mario", "Verdi Ugo"}));
    f.DBGrid1->clickTitle(1);
    QCOMPARE(names(f).first(), QStringLiteral("Neri Ada"));
    QCOMPARE(names(f).last(), QStringLiteral("Verdi Ugo"));
    // The grid's font follows its height.
    f.resize(1000, 780);
    QCOMPARE(f.DBGrid1->font().pointSize(), f.DBGrid1->height() / 39);
}

void TstDonatori::rowColours_data()
{
    QTest::addColumn<QList<int>>("daysAgo");  // donations, oldest first
    QTest::addColumn<QStringList>("tipi");
    QTest::addColumn<QString>("colour");      // "" none

    QTest::newRow("31 days") << QList<int>{31} << QStringList{"01"} << "";
    QTest::newRow("32 days") << QList<int>{32} << QStringList{"01"} << "yellow";
    QTest::newRow("120 days") << QList<int>{120} << QStringList{"02"} << "yellow";
    QTest::newRow("121 days") << QList<int>{121} << QStringList{"01"} << "red";
    QTest::newRow("never") << QList<int>{} << QStringList{} << "red";
    QTest::newRow("today") << QList<int>{0} << QStringList{"03"} << "";
    QTest::newRow("whole blood old") << QList<int>{300} << QStringList{"00"} << "cyan";
    QTest::newRow("whole blood recent") << QList<int>{5} << QStringList{"00"} << "cyan";
    QTest::newRow("last is not whole blood") << QList<int>{200, 10} << QStringList{"00", "01"} << "";
    QTest::newRow("last is whole blood") << QList<int>{200, 10} << QStringList{"01", "00"} << "cyan";
}

void TstDonatori::rowColours()
{
    QFETCH(QList<int>, daysAgo);
    QFETCH(QStringList, tipi);
    QFETCH(QString, colour);
    const qint64 id = addDonor(QStringLiteral("Rossi Mario"));
    for (int i = 0; i < daysAgo.size(); ++i) addDonation(id, QDate::currentDate().addDays(-daysAgo[i]), tipi[i]);
    TFoEleDon f;
    f.show();
    QCOMPARE(names(f), QStringList{QStringLiteral("Rossi Mario")});
    for (int c = 0; c < 4; ++c) {
        const QModelIndex ix = f.model()->index(0, c);
        const QVariant bg = f.model()->data(ix, Qt::BackgroundRole);
        if (colour.isEmpty()) {
            QVERIFY2(!bg.isValid(), qPrintable(bg.value<QColor>().name()));
        } else {
            QCOMPARE(bg.value<QColor>(), QColor(colour));
            QCOMPARE(f.model()->data(ix, Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        }
    }
}

void TstDonatori::loadAndSaveStoredDonor()
{
    const qint64 id = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("SOSPESO"), QStringLiteral("0+"), QStringLiteral("M"),
                               QStringLiteral("Cellulare='333', Cellulare2='334', Telefono='055', Indirizzo='Via Roma 1', "
                                              "CAP='50100', Citta='Firenze', Provincia='FI', Mail='m@x.it', Mail2='m2@x.it', "
                                              "Luogodinascita='Prato', Datadinascita='1980-03-07', "
                                              "Codicefiscale='RSSMRA80C07G999X', Note='riga1\nriga2', IDAGENDA='SIR1'"));
    Answerer a;
    Record r(id, 9);
    QCOMPARE(r.f.Codice->text(), QString::number(id));
    QCOMPARE(r.f.windowTitle(), QStringLiteral("FoDonatore"));
    QCOMPARE(r.f.Nome->text(), QStringLiteral("Rossi Mario"));
    QCOMPARE(r.f.ComboBox1->currentText(), QStringLiteral("SOSPESO"));
    QCOMPARE(r.f.MaskEdit1->text(), QStringLiteral("07/03/1980"));
    QCOMPARE(r.f.MaskEdit2->text(), QStringLiteral("RSSMRA80C07G999X"));
    QCOMPARE(r.f.Edit1->text(), QStringLiteral("50100"));
    QCOMPARE(r.f.ComboBox3->currentText(), QStringLiteral("FI"));
    QCOMPARE(r.f.Memo1->toPlainText(), QStringLiteral("riga1\nriga2"));
    QCOMPARE(r.f.Edit9->text(), QStringLiteral("SIR1"));
    QCOMPARE(r.f.ComboBox4->currentText(), QStringLiteral("0+"));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));

    type(r.f.Nome, QStringLiteral("D'Angelo Mario"));
    type(r.f.ComboBox1, QStringLiteral("ATTIVO"));
    type(r.f.Edit7, QStringLiteral("999"));
    type(r.f.Edit8, QStringLiteral("new@x.it"));
    type(r.f.ComboBox4, QStringLiteral("A-"));
    r.f.MaskEdit1->setText(QStringLiteral("29/02/1984"));
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(donor(id, QStringLiteral("Nome,stato,Cellulare2,Mail2,GRUPPO,Datadinascita,Codicefiscale,Note,IDAGENDA,Sesso")),
             QStringLiteral("D'Angelo Mario|ATTIVO|999|new@x.it|A-|1984-02-29|RSSMRA80C07G999X|riga1\nriga2|SIR1|M"));
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
    // An emptied date of birth is stored as no date.
    r.f.MaskEdit1->setText(QString());
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QVERIFY(TestDb::scalar(QStringLiteral("select Datadinascita from donatori where ID=%1").arg(id)).isNull());
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstDonatori::newDonorSavedOnceThenUpdated()
{
    Answerer a;
    Record r(0, 9);
    QCOMPARE(r.f.Codice->text(), QStringLiteral("0"));
    QCOMPARE(r.f.ComboBox1->currentText(), QStringLiteral("ATTIVO"));
    QCOMPARE(items(r.f.ComboBox2), (QStringList{QStringLiteral("M "), QStringLiteral("F")}));
    type(r.f.Nome, QStringLiteral("Verdi Anna"));
    r.f.ComboBox2->setCurrentIndex(1);
    r.f.MaskEdit1->setText(QStringLiteral("01/12/1990"));
    r.f.MaskEdit2->setText(QStringLiteral("vrdnna90t41d612a"));
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from donatori")).toLongLong();
    QCOMPARE(r.f.codice(), id);
    QCOMPARE(r.f.Codice->text(), QString::number(id));
    QCOMPARE(donor(id, QStringLiteral("Nome,stato,Sesso,Datadinascita,Codicefiscale")),
             QStringLiteral("Verdi Anna|ATTIVO|F|1990-12-01|VRDNNA90T41D612A"));
    // The second save updates the same row: the fiscal code is not its own duplicate.
    type(r.f.Edit4, QStringLiteral("0577 1234"));
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
    QCOMPARE(donor(id, QStringLiteral("Telefono")), QStringLiteral("0577 1234"));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstDonatori::statusOnlyAtDigitNine()
{
    for (int digit : {8, 9}) {
        Record r(0, digit);
        QCOMPARE(r.f.ComboBox1->isEnabled(), digit == 9);
        QCOMPARE(items(r.f.ComboBox1), (QStringList{"ATTIVO", "INATTIVO", "SOSPESO", "DECEDUTO", "MALATTIA"}));
    }
    Answerer a;
    Record r(0, 8);
    type(r.f.Nome, QStringLiteral("Gialli Rita"));
    r.f.Button1->click();
    QCOMPARE(donor(r.f.codice(), QStringLiteral("stato")), QStringLiteral("ATTIVO"));
}

void TstDonatori::duplicateFiscalCode()
{
    addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("ATTIVO"), QString(), QString(),
             QStringLiteral("Codicefiscale='RSSMRA80C07G999X'"));
    Answerer a;
    Record r(0, 9);
    type(r.f.Nome, QStringLiteral("Rossi Mario bis"));
    r.f.MaskEdit2->setText(QStringLiteral("RSSMRA80C07G999X"));
    r.f.Button1->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].caption, QStringLiteral("Rossi Mario"));
    QCOMPARE(a.messages()[0].text, QStringLiteral("Codice Fiscale duplicato. Donatore già inserito"));
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
    QCOMPARE(r.f.codice(), qint64(0));
    QCOMPARE(r.f.Nome->text(), QStringLiteral("Rossi Mario bis"));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));

    // Donors without a fiscal code are not duplicates of each other.
    a.clear();
    for (const QString &n : {QStringLiteral("Senza Codice Uno"), QStringLiteral("Senza Codice Due")}) {
        Record s(0, 9);
        type(s.f.Nome, n);
        s.f.Button1->click();
        QVERIFY(s.f.codice() > 0);
    }
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 3);
}

void TstDonatori::failedSaveStoresNothing_data()
{
    QTest::addColumn<QString>("provincia");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<int>("boxes");  // a date that is no date is refused with the conversion error
    QTest::newRow("value the server refuses") << QString(30, QLatin1Char('X')) << "01/01/1980" << 0;
    QTest::newRow("birth date that is no date") << "FI" << "31/02/1980" << 1;
}

void TstDonatori::failedSaveStoresNothing()
{
    QFETCH(QString, provincia);
    QFETCH(QString, nascita);
    QFETCH(int, boxes);
    Answerer a;
    {
        Record r(0, 9);
        type(r.f.Nome, QStringLiteral("Neri Carla"));
        type(r.f.ComboBox3, provincia);
        r.f.MaskEdit1->setText(nascita);
        r.f.Button1->click();
        QVERIFY2(a.messages().size() == boxes, qPrintable(a.texts().join(QLatin1Char('|'))));
        if (boxes) QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
        a.clear();
        QCOMPARE(TestDb::count(QStringLiteral("donatori")), 0);
        QCOMPARE(r.f.codice(), qint64(0));
        QCOMPARE(r.f.Codice->text(), QStringLiteral("0"));
        QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
        QVERIFY(r.f.isVisible());
        QCOMPARE(r.f.Nome->text(), QStringLiteral("Neri Carla"));
        // Corrected, the same window stores the donor once.
        type(r.f.ComboBox3, QStringLiteral("SI"));
        r.f.MaskEdit1->setText(QStringLiteral("28/02/1980"));
        r.f.Button1->click();
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
        QVERIFY(r.f.codice() > 0);
    }
    // A stored donor keeps its row as it was.
    const qint64 id = addDonor(QStringLiteral("Blu Dario"), QStringLiteral("ATTIVO"), QString(), QString(),
                               QStringLiteral("Provincia='PO'"));
    Record r(id, 9);
    type(r.f.Nome, QStringLiteral("Blu Dario Renamed"));
    type(r.f.ComboBox3, provincia);
    r.f.MaskEdit1->setText(nascita);
    r.f.Button1->click();
    QCOMPARE(int(a.messages().size()), boxes);
    QCOMPARE(donor(id, QStringLiteral("Nome,Provincia")), QStringLiteral("Blu Dario|PO"));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstDonatori::deleteKeepsDonations()
{
    const qint64 id = addDonor(QStringLiteral("Rossi Mario"));
    const qint64 other = addDonor(QStringLiteral("Verdi Ugo"));
    addDonation(id, QDate(2024, 5, 2), QStringLiteral("00"));
    addDonation(id, QDate(2024, 9, 2), QStringLiteral("01"));
    Answerer a;
    Record r(id, 9);
    r.f.PageControl1->setCurrentWidget(r.f.TabSheet4);
    r.f.Button5->click();
    QVERIFY(!r.f.isVisible());
    QVERIFY(a.messages().isEmpty());  // no confirmation
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("donatori"), QStringLiteral("ID=%1").arg(other)), 1);
    QCOMPARE(TestDb::count(QStringLiteral("donazioni"), QStringLiteral("IDDONATORE=%1").arg(id)), 2);
    // A new donor's "Elimina" deletes nothing and closes.
    Record n(0, 9);
    n.f.Button5->click();
    QVERIFY(!n.f.isVisible());
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 1);
}

void TstDonatori::donationsTab()
{
    const qint64 id = addDonor(QStringLiteral("Rossi Mario"));
    const qint64 other = addDonor(QStringLiteral("Verdi Ugo"));
    addDonation(id, QDate(2024, 5, 2), QStringLiteral("00"), 450);
    const qint64 newest = addDonation(id, QDate(2024, 9, 2), QStringLiteral("01"), 600);
    addDonation(other, QDate(2024, 10, 1), QStringLiteral("00"));
    Answerer a;
    Record r(id, 9);
    QVERIFY(!r.f.Panel1->isVisible());
    r.f.PageControl1->setCurrentWidget(r.f.TabSheet3);
    QVERIFY(!r.f.Panel1->isVisible());
    auto rows = [&r] {
        QStringList out;
        for (int i = 0; i < r.f.donazioni()->rowCount(); ++i)
            out << r.f.donazioni()->text(i, QStringLiteral("data")) + QLatin1Char(' ') +
                       r.f.donazioni()->text(i, QStringLiteral("quantita")) + QLatin1Char(' ') +
                       r.f.donazioni()->text(i, QStringLiteral("tipo"));
        return out;
    };
    QCOMPARE(rows(), (QStringList{"02/09/2024 600 Plasmaferesi", "02/05/2024 450 Sangue Intero"}));

    // Double click: the panel prefilled with the donation, its type as a code.
    r.f.DBGrid1->setCurrentRow(0);
    r.f.DBGrid1DblClick();
    QVERIFY(r.f.Panel1->isVisible());
    QCOMPARE(r.f.MaskEdit3->text(), QStringLiteral("02/09/2024"));
    QCOMPARE(r.f.ComboBox5->currentText(), QStringLiteral("01"));
    QCOMPARE(r.f.Edit10->text(), QStringLiteral("600"));
    // The panel's "Salva" always adds.
    r.f.MaskEdit3->setText(QStringLiteral("15/01/2025"));
    r.f.ComboBox5->setCurrentText(QStringLiteral("02"));
    r.f.Button4->click();
    QVERIFY(a.messages().isEmpty());
    QVERIFY(!r.f.Panel1->isVisible());
    QCOMPARE(rows(), (QStringList{"15/01/2025 600 Piastrinoaferesi", "02/09/2024 600 Plasmaferesi",
                                  "02/05/2024 450 Sangue Intero"}));
    QCOMPARE(TestDb::count(QStringLiteral("donazioni"), QStringLiteral("IDDONATORE=%1").arg(id)), 3);

    // A quantity that is no number: the conversion error, nothing stored, grid empty.
    r.f.Button2->click();
    QVERIFY(r.f.Panel1->isVisible());
    r.f.MaskEdit3->setText(QStringLiteral("16/01/2025"));
    type(r.f.Edit10, QStringLiteral("molto"));
    r.f.Button4->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(TestDb::count(QStringLiteral("donazioni"), QStringLiteral("IDDONATORE=%1").arg(id)), 3);
    QCOMPARE(r.f.donazioni()->rowCount(), 0);
    // Likewise a date that is no date.
    a.clear();
    type(r.f.Edit10, QStringLiteral("450"));
    r.f.MaskEdit3->setText(QStringLiteral("32/01/2025"));
    r.f.Button4->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(TestDb::count(QStringLiteral("donazioni")), 4);
    a.clear();

    // Tab hidden and shown again: read afresh; hiding closes the connection.
    r.f.PageControl1->setCurrentWidget(r.f.TabSheet1);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QCOMPARE(r.f.donazioni()->rowCount(), 0);
    r.f.PageControl1->setCurrentWidget(r.f.TabSheet3);
    QCOMPARE(rows().size(), 3);

    // " - " removes the selected donation, no question asked.
    r.f.DBGrid1->setCurrentRow(1);
    r.f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("donazioni"), QStringLiteral("ID=%1").arg(newest)), 0);
    QCOMPARE(rows(), (QStringList{"15/01/2025 600 Piastrinoaferesi", "02/05/2024 450 Sangue Intero"}));
    QCOMPARE(TestDb::count(QStringLiteral("donazioni"), QStringLiteral("IDDONATORE=%1").arg(other)), 1);

    // A donor not saved yet takes no donations.
    Record n(0, 9);
    n.f.PageControl1->setCurrentWidget(n.f.TabSheet3);
    QCOMPARE(n.f.donazioni()->rowCount(), 0);
    QVERIFY(!n.f.Button2->isEnabled());
    QVERIFY(!n.f.Button4->isEnabled());
}

void TstDonatori::listOpensRecordAndRebuilds()
{
    const qint64 id = addDonor(QStringLiteral("Rossi Mario"), QStringLiteral("ATTIVO"), QStringLiteral("0+"));
    addDonor(QStringLiteral("Verdi Ugo"), QStringLiteral("ATTIVO"), QStringLiteral("B+"));
    Answerer a;
    TFoEleDon f;
    f.setLivello(9);
    f.show();
    f.FormActivate();
    QString caption;
    QStringList gruppi;
    int digit = -1;
    bool listHidden = false;
    a.onDialog(QStringLiteral("TFoDonatore"), [&](QWidget *w) {
        auto *d = static_cast<TFoDonatore *>(w);
        caption = d->windowTitle();
        gruppi = items(d->ComboBox4);
        digit = d->livello();
        listHidden = !f.isVisible();
        QCOMPARE(d->Nome->text(), QStringLiteral("Rossi Mario"));
        type(d->Nome, QStringLiteral("Rossi Mario Luigi"));
        type(d->ComboBox1, QStringLiteral("SOSPESO"));
        d->Button1->click();
        d->close();
    });
    f.DBGrid1->setCurrentRow(rowOf(f, QStringLiteral("Rossi Mario")));
    f.DBGrid1DblClick();
    QCOMPARE(caption, QStringLiteral("Rossi Mario"));
    QCOMPARE(gruppi, (QStringList{QStringLiteral("0+"), QStringLiteral("B+")}));
    QCOMPARE(digit, 9);
    QVERIFY(listHidden);
    QVERIFY(f.isVisible());
    QCOMPARE(donor(id, QStringLiteral("Nome,stato")), QStringLiteral("Rossi Mario Luigi|SOSPESO"));
    QCOMPARE(names(f), QStringList{QStringLiteral("Verdi Ugo")});  // rebuilt: the donor is no longer active
    QCOMPARE(items(f.ComboBox1), (QStringList{QStringLiteral("ATTIVO"), QStringLiteral("SOSPESO")}));

    // "Nuovo": a record with key 0 and the caption it was made with.
    a.onDialog(QStringLiteral("TFoDonatore"), [&](QWidget *w) {
        auto *d = static_cast<TFoDonatore *>(w);
        caption = d->windowTitle();
        QCOMPARE(d->codice(), qint64(0));
        type(d->Nome, QStringLiteral("Bianchi Sara"));
        d->Button1->click();
        d->close();
    });
    f.Button1->click();
    QCOMPARE(caption, QStringLiteral("FoDonatore"));
    QCOMPARE(names(f), (QStringList{QStringLiteral("Bianchi Sara"), QStringLiteral("Verdi Ugo")}));
    QVERIFY(a.messages().isEmpty());
}

void TstDonatori::importAnagrafiche()
{
    // Found by fiscal code, same name: asked about the agenda code and the birth date.
    const qint64 rossi = addDonor(QStringLiteral("ROSSI MARIO"), QStringLiteral("ATTIVO"), QString(), QString(),
                                  QStringLiteral("Codicefiscale='RSSMRA80A01H501U', IDAGENDA='S1', Datadinascita='1980-01-01'"));
    // Found by fiscal code under another name: asked about the name only.
    const qint64 damico = addDonor(QStringLiteral("DAMICO PIA"), QStringLiteral("ATTIVO"), QString(), QString(),
                                   QStringLiteral("Codicefiscale='DMCPIA75B41D612Z', IDAGENDA='S2', Datadinascita='1975-02-01'"));
    // Found by name: asked about the fiscal code, the agenda code and the date.
    const qint64 verdi = addDonor(QStringLiteral("VERDI LUCA"));
    // A line too short: matched by name, its blank fiscal code and agenda code offered.
    const qint64 bianchi = addDonor(QStringLiteral("BIANCHI ANNA"), QStringLiteral("ATTIVO"), QString(), QString(),
                                    QStringLiteral("Codicefiscale='BNCNNA70A41D612K', IDAGENDA='S9', Datadinascita='1970-01-01'"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anagrafiche.txt"));
    QStringList lines;
    lines << fileLine(QStringLiteral("ROSSI"), QStringLiteral("MARIO"), QStringLiteral("19800102"),
                      QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("S1B"));
    lines << fileLine(QStringLiteral("D'AMICO"), QStringLiteral("PIA"), QStringLiteral("19750201"),
                      QStringLiteral("DMCPIA75B41D612Z"), QStringLiteral("S2"));
    lines << fileLine(QStringLiteral("NUOVO"), QStringLiteral("DONATORE"), QStringLiteral("19900101"),
                      QStringLiteral("NVODNT90A01D612X"), QStringLiteral("S7"));  // nobody: skipped
    lines << fileLine(QStringLiteral("VERDI"), QStringLiteral("LUCA"), QStringLiteral("19851231"),
                      QStringLiteral("VRDLCU85T31D612P"), QStringLiteral("S5"));
    lines << fileLine(QStringLiteral("BIANCHI"), QStringLiteral("ANNA"), QStringLiteral("19700101"), QString(), QString())
                 .left(86);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }

    Answerer a;
    TFoEleDon w;
    w.show();
    // A cancelled file dialog does nothing.
    pickFile(a, QString());
    w.Button2->click();
    QVERIFY(a.messages().isEmpty());

    a.answer(QMessageBox::Yes);  // ROSSI: agenda code
    a.answer(QMessageBox::No);   // ROSSI: date
    a.answer(QMessageBox::Yes);  // D'AMICO: name
    a.answer(QMessageBox::Yes);  // VERDI: fiscal code
    a.answer(QMessageBox::No);   // VERDI: agenda code
    a.answer(QMessageBox::Yes);  // VERDI: date
    a.answer(QMessageBox::No);   // BIANCHI: fiscal code
    a.answer(QMessageBox::Yes);  // BIANCHI: agenda code
    pickFile(a, path);
    w.Button2->click();

    QStringList seen;
    for (const auto &m : a.messages()) seen << m.caption + QStringLiteral(" | ") + m.text;
    const QStringList expected = {
        QStringLiteral("ROSSI MARIO | L' ID Sirevo S1 Diventa %1 aggiorno ?").arg(QStringLiteral("S1B"), -15),
        QStringLiteral("ROSSI MARIO | La Data di Nascita 01/01/1980 Diventa 02/01/1980 aggiorno ?"),
        QStringLiteral("DMCPIA75B41D612Z | Il nome DAMICO PIA Diventa D'AMICO PIA aggiorno ?"),
        QStringLiteral("VERDI LUCA | Il codice fiscale  Diventa VRDLCU85T31D612P aggiorno ?"),
        QStringLiteral("VERDI LUCA | L' ID Sirevo  Diventa %1 aggiorno ?").arg(QStringLiteral("S5"), -15),
        QStringLiteral("VERDI LUCA | La Data di Nascita  Diventa 31/12/1985 aggiorno ?"),
        QStringLiteral("BIANCHI ANNA | Il codice fiscale BNCNNA70A41D612K Diventa  aggiorno ?"),
        QStringLiteral("BIANCHI ANNA | L' ID Sirevo S9 Diventa  aggiorno ?"),
    };
    QCOMPARE(seen, expected);
    const QString cols = QStringLiteral("Nome,Codicefiscale,IDAGENDA,ifnull(Datadinascita,'-')");
    // The agenda code is written with its columns as they stand.
    QCOMPARE(donor(rossi, cols), QStringLiteral("ROSSI MARIO|RSSMRA80A01H501U|%1|1980-01-01").arg(QStringLiteral("S1B"), -15));
    QCOMPARE(donor(damico, cols), QStringLiteral("D'AMICO PIA|DMCPIA75B41D612Z|S2|1975-02-01"));
    QCOMPARE(donor(verdi, cols), QStringLiteral("VERDI LUCA|VRDLCU85T31D612P||1985-12-31"));
    QCOMPARE(TestDb::count(QStringLiteral("donatori"), QStringLiteral("IDAGENDA='S1B'")), 1);
    QCOMPARE(donor(bianchi, cols), QStringLiteral("BIANCHI ANNA|BNCNNA70A41D612K||1970-01-01"));
    QCOMPARE(TestDb::count(QStringLiteral("donatori")), 4);  // the import creates nobody
    // The list is not rebuilt: it still shows the names it had.
    QCOMPARE(names(w), (QStringList{"BIANCHI ANNA", "DAMICO PIA", "ROSSI MARIO", "VERDI LUCA"}));
}

void TstDonatori::importCancelStopsAtOnce()
{
    const qint64 rossi = addDonor(QStringLiteral("ROSSI MARIO"), QStringLiteral("ATTIVO"), QString(), QString(),
                                  QStringLiteral("Codicefiscale='RSSMRA80A01H501U', IDAGENDA='S1'"));
    const qint64 verdi = addDonor(QStringLiteral("VERDI LUCA"));
    TFoEleDon w;
    Answerer a;
    a.answer(QMessageBox::Cancel);
    w.importAnagrafiche({fileLine(QStringLiteral("ROSSI"), QStringLiteral("MARIO G"), QStringLiteral("19800101"),
                                  QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("S1")),
                         fileLine(QStringLiteral("VERDI"), QStringLiteral("LUCA"), QStringLiteral("19851231"),
                                  QStringLiteral("VRDLCU85T31D612P"), QStringLiteral("S5"))});
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].caption, QStringLiteral("RSSMRA80A01H501U"));
    QCOMPARE(a.messages()[0].text, QStringLiteral("Il nome ROSSI MARIO Diventa ROSSI MARIO G aggiorno ?"));
    QCOMPARE(donor(rossi, QStringLiteral("Nome,IDAGENDA,ifnull(Datadinascita,'-')")), QStringLiteral("ROSSI MARIO|S1|-"));
    QCOMPARE(donor(verdi, QStringLiteral("Codicefiscale,IDAGENDA")), QStringLiteral("|"));
}

QTEST_MAIN(TstDonatori)
#include "tst_donatori.moc"
