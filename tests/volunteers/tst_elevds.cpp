// The volunteer list: its filters (values bound, never written into the statement), the
// date of each person's last activity and its colours, the qualification filter with the
// date of the last exam, the drop-downs, opening a record from the list and the main
// window's entry.
#include "app/TFormMain.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoEleVds.h"
#include "volunteers/TFoVolontario.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {
QString day(int daysAgo) { return QDate::currentDate().addDays(-daysAgo).toString(QStringLiteral("yyyy-MM-dd")); }

qint64 person(const QString &nome, const QString &stato = QStringLiteral("Attivo"), const QString &ruolo = QString(),
              const QString &extraCols = QString(), const QString &extraVals = QString())
{
    return TestDb::addPerson(nome, QStringLiteral("stato,LivelloA1") + (extraCols.isEmpty() ? QString() : QStringLiteral(",") + extraCols),
                             QStringLiteral("'%1','%2'").arg(stato, ruolo) + (extraVals.isEmpty() ? QString() : QStringLiteral(",") + extraVals));
}

// One activity of a person, of the kind named, the given number of days ago.
void activity(const QString &kind, qint64 id, int daysAgo)
{
    if (kind == QLatin1String("driver"))
        TestDb::exec(QStringLiteral("insert into servizi(dataservizio,IdAutista) values('%1 10:00:00',%2)").arg(day(daysAgo)).arg(id));
    else if (kind == QLatin1String("crew1"))
        TestDb::exec(QStringLiteral("insert into servizi(dataservizio,IdVolontario1) values('%1 10:00:00',%2)").arg(day(daysAgo)).arg(id));
    else if (kind == QLatin1String("crew2"))
        TestDb::exec(QStringLiteral("insert into servizi(dataservizio,IdVolontario2) values('%1 10:00:00',%2)").arg(day(daysAgo)).arg(id));
    else if (kind == QLatin1String("clock"))
        TestDb::exec(QStringLiteral("insert into cartellini(codice,entrata) values(%1,'%2 08:00:00')").arg(id).arg(day(daysAgo)));
    else if (kind == QLatin1String("shift"))
        TestDb::exec(QStringLiteral("insert into Turni(DATA,IDV) values('%1',%2)").arg(day(daysAgo)).arg(id));
    else if (kind == QLatin1String("event")) {
        TestDb::exec(QStringLiteral("insert into Eventi(DATA,DATAF) values('%1','%2')").arg(day(daysAgo + 2), day(daysAgo)));
        TestDb::exec(QStringLiteral("insert into Eve_Vol(ID_EV,ID_VOL) values(LAST_INSERT_ID(),%1)").arg(id));
    } else
        QFAIL("unknown activity");
}

void qualification(qint64 id, const QString &codice, const QString &esame)
{
    TestDb::exec(QStringLiteral("insert into Titoli(IDVOLONTARIO,CODICE,DATAESAME) values(%1,'%2',%3)")
                     .arg(id)
                     .arg(codice, esame.isEmpty() ? QStringLiteral("NULL") : QStringLiteral("'%1'").arg(esame)));
}

QStringList names(const TFoEleVds &f)
{
    QStringList out;
    for (int r = 0; r < f.table()->rowCount(); ++r) out << f.table()->text(r, QStringLiteral("Nome"));
    return out;
}
int rowOf(const TFoEleVds &f, const QString &nome) { return names(f).indexOf(nome); }
QStringList items(const QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}
QString filterLine(const TFoEleVds &f)
{
    const QStringList lines = f.lastSql().split(QLatin1Char('\n'));
    return lines.size() >= 2 ? lines[lines.size() - 2] : QString();
}
}  // namespace

class TstEleVds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init()
    {
        TestDb::reset();
        TestDb::exec(QStringLiteral("delete from volontari"));
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listFilters_data();
    void listFilters();
    void unknownInterestIsRefused();
    void dropDownsAndDateLimit();
    void lastActivity_data();
    void lastActivity();
    void lastActivitySort();
    void rowColours_data();
    void rowColours();
    void qualificationFilter();
    void qualificationNeedsValidDate();
    void opensRecordAndRebuilds();
    void emptyListOpensNewPerson();
    void mainWindowEntry();
};

void TstEleVds::listFilters_data()
{
    QTest::addColumn<QString>("stato");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("ruolo");
    QTest::addColumn<QString>("interesse");
    QTest::addColumn<bool>("no");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("clause");

    QTest::newRow("initial state") << "Attivo" << "" << "" << "" << false
                                   << QStringList{"D'Amico Pia", "Rossi Anna", "Rossi Mario"} << " where stato=:STA";
    QTest::newRow("no filter") << "" << "" << "" << "" << false
                               << QStringList{"Bianchi Luca", "D'Amico Pia", "Rossi Anna", "Rossi Mario"} << "";
    QTest::newRow("state name role") << "Attivo" << " ros " << " TS " << "" << false << QStringList{"Rossi Mario"}
                                     << " where stato=:STA and  nome like :NME and  LivelloA1=:LIV";
    QTest::newRow("name first") << "" << "ross" << "" << "" << false << QStringList{"Rossi Anna", "Rossi Mario"}
                                << " where  nome like :NME";
    QTest::newRow("apostrophe") << "" << "D'Am" << "" << "" << false << QStringList{"D'Amico Pia"} << " where  nome like :NME";
    QTest::newRow("quote trick") << "x' or 'a'='a" << "" << "" << "" << false << QStringList{} << " where stato=:STA";
    QTest::newRow("interest trimmed") << "" << "" << "" << "Ordinarie " << false << QStringList{"Rossi Mario"}
                                      << " where  Ordinarie='SI'";
    QTest::newRow("interest negated") << "" << "" << "" << "Ordinarie " << true
                                      << QStringList{"Bianchi Luca", "D'Amico Pia", "Rossi Anna"} << " where  NOT Ordinarie='SI'";
    QTest::newRow("role and interest") << "" << "" << "TS" << "Emergenza" << false << QStringList{"Bianchi Luca"}
                                       << " where  LivelloA1=:LIV and  Emergenza='SI'";
    QTest::newRow("state and negated interest") << "Attivo" << "" << "TS" << "Ordinarie " << true << QStringList{"D'Amico Pia"}
                                                << " where stato=:STA and  LivelloA1=:LIV and  NOT Ordinarie='SI'";
    QTest::newRow("nobody") << "Deceduto" << "" << "" << "" << false << QStringList{} << " where stato=:STA";
}

void TstEleVds::listFilters()
{
    QFETCH(QString, stato);
    QFETCH(QString, nome);
    QFETCH(QString, ruolo);
    QFETCH(QString, interesse);
    QFETCH(bool, no);
    QFETCH(QStringList, expected);
    QFETCH(QString, clause);
    person(QStringLiteral("Rossi Mario"), QStringLiteral("Attivo"), QStringLiteral("TS"), QStringLiteral("Ordinarie"), QStringLiteral("'SI'"));
    person(QStringLiteral("Rossi Anna"), QStringLiteral("Attivo"), QStringLiteral("SA"));
    person(QStringLiteral("Bianchi Luca"), QStringLiteral("Sospeso"), QStringLiteral("TS"), QStringLiteral("Emergenza"), QStringLiteral("'SI'"));
    person(QStringLiteral("D'Amico Pia"), QStringLiteral("Attivo"), QStringLiteral("TS"));

    Answerer a;
    TFoEleVds f;
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Elenco Volontari"));
    QCOMPARE(f.cbStato->currentText(), QStringLiteral("Attivo"));
    f.cbStato->setEditText(stato);
    f.Edit1->setText(nome);
    f.CB1->setEditText(ruolo);
    f.ComboBox2->setEditText(interesse);
    if (no) f.CheckBox2->click();
    QCOMPARE(names(f), expected);
    QCOMPARE(f.Label6->text(), QString::number(expected.size()));
    QCOMPARE(f.filterClause(), clause);
    QCOMPARE(filterLine(f), clause);
    QVERIFY(f.lastSql().endsWith(QStringLiteral("\n order by Nome ")));
    QVERIFY(!f.lastSql().contains(QStringLiteral("dataesame")));
    QVERIFY(f.DBGrid1->isColumnHidden(5));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    if (!expected.isEmpty()) QCOMPARE(f.DBGrid1->currentRow(), 0);
}

void TstEleVds::unknownInterestIsRefused()
{
    person(QStringLiteral("Rossi Mario"));
    Answerer a;
    TFoEleVds f;
    f.show();
    QCOMPARE(names(f), QStringList{QStringLiteral("Rossi Mario")});
    // A typed text that is no preference column never reaches the statement.
    f.ComboBox2->setEditText(QStringLiteral("Nome='x' or 1"));
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    QVERIFY(!f.lastSql().contains(QStringLiteral("or 1")));
    // Case and blanks do not matter for a known one.
    f.ComboBox2->setEditText(QStringLiteral(" emergenza "));
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(filterLine(f), QStringLiteral(" where stato=:STA and  Emergenza='SI'"));
    QVERIFY(names(f).isEmpty());
}

void TstEleVds::dropDownsAndDateLimit()
{
    const qint64 a = person(QStringLiteral("Rossi Mario"), QStringLiteral("Attivo"), QStringLiteral("TS"));
    person(QStringLiteral("Verdi Ugo"), QStringLiteral("Sospeso"), QStringLiteral("  "));
    person(QStringLiteral("Neri Ada"), QStringLiteral("Attivo"), QStringLiteral("Tirocinio TS"));
    TestDb::exec(QStringLiteral("insert into Elenchi(CODICE,DESCRIZIONE,TIPO) values('Q1','BLSD','A'),('Q2','Guida','A')"));
    qualification(a, QStringLiteral("Q1"), day(400));
    qualification(a, QStringLiteral("Q2"), day(10));
    TFoEleVds f;
    f.show();
    QCOMPARE(items(f.CB1), (QStringList{QStringLiteral("Tirocinio TS"), QStringLiteral("TS")}));
    QCOMPARE(items(f.ComboBox1), (QStringList{QStringLiteral("BLSD"), QStringLiteral("Guida")}));
    QCOMPARE(items(f.cbStato), (QStringList{QStringLiteral("Attivo"), QStringLiteral("Sospeso")}));
    QCOMPARE(f.cbStato->currentText(), QStringLiteral("Attivo"));
    QCOMPARE(f.MaskEdit1->text(), QDate::currentDate().addDays(-365).toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(items(f.ComboBox2), (QStringList{"Area1", "Area2", "Area3", "Area4", "Area5", "Area6", "Ordinarie ",
                                              "Emergenza", "NoAmbulanza", "Opem", "OpemN", "SerCivile"}));
    QCOMPARE(f.CheckBox2->text(), QStringLiteral("No"));
    QCOMPARE(f.Button1->text(), QStringLiteral("Nuovo"));
    QCOMPARE(f.Button3->text(), QStringLiteral("Export (Google)"));
    // A new state appears on the next activation; the typed text stays.
    person(QStringLiteral("Blu Ivo"), QStringLiteral("Riserva"));
    f.cbStato->setEditText(QStringLiteral("Sosp"));
    f.FormActivate();
    QCOMPARE(items(f.cbStato), (QStringList{QStringLiteral("Attivo"), QStringLiteral("Riserva"), QStringLiteral("Sospeso")}));
    QCOMPARE(f.cbStato->currentText(), QStringLiteral("Sosp"));
    // The grid's font follows its height.
    f.resize(1000, 780);
    QCOMPARE(f.DBGrid1->font().pointSize(), f.DBGrid1->height() / 39);
}

void TstEleVds::lastActivity_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QList<int>>("daysAgo");
    QTest::addColumn<int>("expectedDaysAgo");  // -1: the zero date

    QTest::newRow("nothing") << QStringList{} << QList<int>{} << -1;
    QTest::newRow("driver") << QStringList{"driver"} << QList<int>{5} << 5;
    QTest::newRow("first crew") << QStringList{"crew1"} << QList<int>{6} << 6;
    QTest::newRow("second crew does not count") << QStringList{"crew2"} << QList<int>{3} << -1;
    QTest::newRow("clock") << QStringList{"clock"} << QList<int>{7} << 7;
    QTest::newRow("event end") << QStringList{"event"} << QList<int>{8} << 8;
    QTest::newRow("shift") << QStringList{"shift"} << QList<int>{9} << 9;
    QTest::newRow("latest of all") << QStringList{"driver", "clock", "event", "shift"} << QList<int>{50, 40, 2, 30} << 2;
    QTest::newRow("latest service") << QStringList{"driver", "crew1", "shift"} << QList<int>{300, 20, 200} << 20;
}

void TstEleVds::lastActivity()
{
    QFETCH(QStringList, kinds);
    QFETCH(QList<int>, daysAgo);
    QFETCH(int, expectedDaysAgo);
    const qint64 id = person(QStringLiteral("Rossi Mario"));
    person(QStringLiteral("Verdi Ugo"));
    for (int i = 0; i < kinds.size(); ++i) activity(kinds[i], id, daysAgo[i]);
    TFoEleVds f;
    f.show();
    const int r = rowOf(f, QStringLiteral("Rossi Mario"));
    QVERIFY(r >= 0);
    const QDate expected = expectedDaysAgo < 0 ? QDate(1899, 12, 30) : QDate::currentDate().addDays(-expectedDaysAgo);
    QCOMPARE(f.table()->value(r, QStringLiteral("LastData")).toDate(), expected);
    QCOMPARE(f.model()->data(f.model()->index(r, 3)).toString(), expected.toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(f.model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("LastData"));
    QCOMPARE(f.table()->integer(r, QStringLiteral("RecNo")), id);
    // Another person's activity never counts.
    QCOMPARE(f.table()->value(rowOf(f, QStringLiteral("Verdi Ugo")), QStringLiteral("LastData")).toDate(), QDate(1899, 12, 30));
}

void TstEleVds::lastActivitySort()
{
    // The last event is the one with the latest start, even when another ends later.
    const qint64 a = person(QStringLiteral("Anna"));
    const qint64 b = person(QStringLiteral("Bruno"));
    person(QStringLiteral("Carla"));
    const qint64 d = person(QStringLiteral("Dario"));
    activity(QStringLiteral("shift"), a, 3);
    activity(QStringLiteral("clock"), b, 40);
    TestDb::exec(QStringLiteral("insert into Eventi(DATA,DATAF) values('%1','%2')").arg(day(100), day(10)));
    TestDb::exec(QStringLiteral("insert into Eve_Vol(ID_EV,ID_VOL) values(LAST_INSERT_ID(),%1)").arg(d));
    TestDb::exec(QStringLiteral("insert into Eventi(DATA,DATAF) values('%1','%2')").arg(day(60), day(60)));
    TestDb::exec(QStringLiteral("insert into Eve_Vol(ID_EV,ID_VOL) values(LAST_INSERT_ID(),%1)").arg(d));
    TFoEleVds f;
    f.show();
    QCOMPARE(names(f), (QStringList{"Anna", "Bruno", "Carla", "Dario"}));
    QCOMPARE(f.table()->value(3, QStringLiteral("LastData")).toDate(), QDate::currentDate().addDays(-60));
    f.DBGrid1->clickTitle(3);  // "LastData": oldest first, never active at the top
    QCOMPARE(names(f), (QStringList{"Carla", "Dario", "Bruno", "Anna"}));
    f.DBGrid1->clickTitle(0);
    QCOMPARE(names(f), (QStringList{"Anna", "Bruno", "Carla", "Dario"}));
}

void TstEleVds::rowColours_data()
{
    QTest::addColumn<int>("daysAgo");  // -1: never active
    QTest::addColumn<QString>("colour");
    QTest::newRow("today") << 0 << "";
    QTest::newRow("31 days") << 31 << "";
    QTest::newRow("32 days") << 32 << "yellow";
    QTest::newRow("120 days") << 120 << "yellow";
    QTest::newRow("121 days") << 121 << "red";
    QTest::newRow("never") << -1 << "red";
}

void TstEleVds::rowColours()
{
    QFETCH(int, daysAgo);
    QFETCH(QString, colour);
    const qint64 id = person(QStringLiteral("Rossi Mario"));
    if (daysAgo >= 0) activity(QStringLiteral("shift"), id, daysAgo);
    TFoEleVds f;
    f.show();
    QCOMPARE(names(f), QStringList{QStringLiteral("Rossi Mario")});
    for (int c = 0; c < f.model()->columnCount(); ++c) {
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

void TstEleVds::qualificationFilter()
{
    TestDb::exec(QStringLiteral("insert into Elenchi(CODICE,DESCRIZIONE,TIPO) values('Q1','Corso dell''anno','A'),('Q2','Guida','A')"));
    const qint64 rossi = person(QStringLiteral("Rossi Mario"));
    const qint64 verdi = person(QStringLiteral("Verdi Ugo"));
    const qint64 neri = person(QStringLiteral("Neri Ada"));
    const qint64 blu = person(QStringLiteral("Blu Ivo"));
    person(QStringLiteral("Bianchi Luca"));  // never took it
    qualification(rossi, QStringLiteral("Q1"), day(800));
    qualification(rossi, QStringLiteral("Q1"), day(400));  // the last exam counts
    qualification(verdi, QStringLiteral("Q1"), day(100));
    qualification(neri, QStringLiteral("Q1"), day(365));   // exactly on the limit
    qualification(blu, QStringLiteral("Q2"), day(900));    // another qualification only

    Answerer a;
    TFoEleVds f;
    f.show();
    QCOMPARE(names(f).size(), 5);
    f.ComboBox1->setEditText(QStringLiteral("Corso dell'anno"));
    QCOMPARE(names(f), (QStringList{"Neri Ada", "Rossi Mario"}));
    QVERIFY(!f.DBGrid1->isColumnHidden(5));
    QCOMPARE(f.model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("DatatTitolo"));
    QCOMPARE(f.table()->value(rowOf(f, QStringLiteral("Rossi Mario")), QStringLiteral("DatatTitolo")).toDate(),
             QDate::currentDate().addDays(-400));
    QCOMPARE(f.filterClause(), QStringLiteral(" where stato=:STA and  (select count(*) from Titolic where descrizione=:TIT and "
                                              "Titolic.IDVOLONTARIO=volontari.ID) > 0"));
    QVERIFY(f.lastSql().contains(QStringLiteral("Titolic.DESCRIZIONE=:TDE) dataesame")));
    QCOMPARE(f.Label6->text(), QStringLiteral("2"));
    // A later limit: changing the date alone does not refresh; the next change does.
    f.MaskEdit1->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(names(f).size(), 2);
    f.Edit1->setText(QStringLiteral(" "));
    f.Edit1->setText(QString());
    QCOMPARE(names(f), (QStringList{"Neri Ada", "Rossi Mario", "Verdi Ugo"}));
    f.ComboBox1->setEditText(QStringLiteral("Guida"));
    QCOMPARE(names(f), QStringList{QStringLiteral("Blu Ivo")});
    f.ComboBox1->setEditText(QString());
    QVERIFY(f.DBGrid1->isColumnHidden(5));
    QCOMPARE(names(f).size(), 5);
    QVERIFY(f.table()->value(0, QStringLiteral("DatatTitolo")).isNull());
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
}

void TstEleVds::qualificationNeedsValidDate()
{
    TestDb::exec(QStringLiteral("insert into Elenchi(CODICE,DESCRIZIONE,TIPO) values('Q1','BLSD','A')"));
    qualification(person(QStringLiteral("Rossi Mario")), QStringLiteral("Q1"), day(900));
    Answerer a;
    TFoEleVds f;
    f.show();
    f.MaskEdit1->setText(QString());
    QCOMPARE(f.MaskEdit1->text(), QStringLiteral("  /  /    "));
    f.ComboBox1->setEditText(QStringLiteral("BLSD"));
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
    QVERIFY(names(f).isEmpty());
    // Without a qualification the date box is not read.
    f.ComboBox1->setEditText(QString());
    QCOMPARE(names(f), QStringList{QStringLiteral("Rossi Mario")});
    QCOMPARE(a.messages().size(), 1);
}

void TstEleVds::opensRecordAndRebuilds()
{
    const qint64 id = person(QStringLiteral("Rossi Mario"), QStringLiteral("Attivo"), QStringLiteral("TS"));
    person(QStringLiteral("Verdi Ugo"));
    Answerer a;
    TFoEleVds f;
    f.setLivello(9);
    f.show();
    QString caption;
    qint64 codice = -1;
    int digit = -1;
    bool listHidden = false;
    a.onDialog(QStringLiteral("TFoVolontario"), [&](QWidget *w) {
        auto *d = static_cast<TFoVolontario *>(w);
        caption = d->windowTitle();
        codice = d->codice();
        digit = d->livello();
        listHidden = !f.isVisible();
        // Saved meanwhile (here or from another desk): the list shows it when it is back.
        TestDb::exec(QStringLiteral("update volontari set stato='Sospeso' where ID=%1").arg(id));
        d->close();
    });
    f.DBGrid1->setCurrentRow(rowOf(f, QStringLiteral("Rossi Mario")));
    const QPoint at = f.DBGrid1->visualRect(f.model()->index(f.DBGrid1->currentRow(), 0)).center();
    QTest::mouseClick(f.DBGrid1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(f.DBGrid1->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(codice, id);
    QCOMPARE(caption, QStringLiteral("Rossi Mario"));
    QCOMPARE(digit, 9);
    QVERIFY(listHidden);
    QVERIFY(f.isVisible());
    QCOMPARE(names(f), QStringList{QStringLiteral("Verdi Ugo")});
    QCOMPARE(items(f.cbStato), (QStringList{QStringLiteral("Attivo"), QStringLiteral("Sospeso")}));

    // "Nuovo": key 0 and the record's own caption.
    a.onDialog(QStringLiteral("TFoVolontario"), [&](QWidget *w) {
        auto *d = static_cast<TFoVolontario *>(w);
        caption = d->windowTitle();
        codice = d->codice();
        digit = d->livello();
        d->close();
    });
    f.Button1->click();
    QCOMPARE(codice, qint64(0));
    QCOMPARE(caption, QStringLiteral("FoVolontario"));
    QCOMPARE(digit, 9);
    QVERIFY(f.isVisible());
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
}

void TstEleVds::emptyListOpensNewPerson()
{
    person(QStringLiteral("Rossi Mario"), QStringLiteral("Sospeso"));
    Answerer a;
    TFoEleVds f;
    f.setLivello(8);
    f.show();
    QVERIFY(names(f).isEmpty());
    QCOMPARE(f.Label6->text(), QStringLiteral("0"));
    qint64 codice = -1;
    a.onDialog(QStringLiteral("TFoVolontario"), [&](QWidget *w) {
        codice = static_cast<TFoVolontario *>(w)->codice();
        w->close();
    });
    QTest::mouseDClick(f.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(codice, qint64(0));
    QVERIFY(f.isVisible());
}

void TstEleVds::mainWindowEntry()
{
    TestDb::addPerson(QStringLiteral("Capo Ufficio"), QStringLiteral("Utente,Password,LivelloV,stato"),
                      QStringLiteral("'capo','x',9,'Attivo'"));
    person(QStringLiteral("Rossi Mario"));
    qputenv("USERNAME", "capo");
    TFormMain w;
    QVERIFY(w.userId() > 0);
    Answerer a;
    int digit = -1;
    QStringList listed;
    a.onDialog(QStringLiteral("TFoEleVds"), [&](QWidget *d) {
        auto *f = static_cast<TFoEleVds *>(d);
        digit = f->livello();
        listed = names(*f);
        f->reject();
    });
    w.findChild<QAction *>(QStringLiteral("Gestione1"))->trigger();
    QCOMPARE(digit, 9);
    QCOMPARE(listed, (QStringList{QStringLiteral("Capo Ufficio"), QStringLiteral("Rossi Mario")}));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY(a.messages().isEmpty());
}

QTEST_MAIN(TstEleVds)
#include "tst_elevds.moc"
