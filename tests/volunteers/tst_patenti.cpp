// The licence list: its filters (person state, licence state, name, expiry within 45 days),
// row colours, the ordering chosen by a title click and what "Stampa" prints (read back from
// the PDF), the licence dialog with its save and its date errors, and "Scheda".
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoPatente.h"
#include "volunteers/TFoPatenti.h"
#include "volunteers/TFoVolontario.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString sqlDate(const QVariant &days)
{
    return days.isNull() ? QStringLiteral("NULL") : QStringLiteral("date_add(current_date, interval %1 day)").arg(days.toInt());
}

// A person with a licence expiring `days` from today (NULL: no expiry date).
qint64 person(const QString &nome, const QVariant &days, const QString &statoPat = QStringLiteral("Valida"),
              const QString &stato = QStringLiteral("Attivo"), const QString &cat = QStringLiteral("B"))
{
    return TestDb::addPerson(nome, QStringLiteral("stato,STATOPATVLM,SCADPATVLM,ESAMEPATVLM,PATVLM,PATVLMN"),
                             QStringLiteral("'%1',%2,%3,'2015-03-20','%4','VLM-%5'")
                                 .arg(stato, statoPat.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + statoPat + QLatin1Char('\''),
                                      sqlDate(days), cat, QString::number(nome.size())));
}

QStringList names(const TFoPatenti &f)
{
    QStringList l;
    for (int r = 0; r < f.table()->rowCount(); ++r) l << f.table()->text(r, QStringLiteral("NOME"));
    return l;
}

int rowOf(const TFoPatenti &f, const QString &nome)
{
    for (int r = 0; r < f.table()->rowCount(); ++r)
        if (f.table()->text(r, QStringLiteral("NOME")) == nome) return r;
    return -1;
}

QVariant col(qint64 id, const char *c)
{
    return TestDb::scalar(QStringLiteral("select %1 from volontari where ID=%2").arg(QLatin1String(c)).arg(id));
}

// Clicks "In scadenza" until it is in the wanted state (it starts undetermined).
void setScadenza(TFoPatenti &f, Qt::CheckState s)
{
    for (int i = 0; i < 3 && f.CheckBox3->checkState() != s; ++i) f.CheckBox3->click();
}

// Positions of the names in the text, in the order given; -1 for a missing one.
QList<int> positions(const QString &text, const QStringList &l)
{
    QList<int> p;
    for (const QString &n : l) p << text.indexOf(n);
    return p;
}

}  // namespace

class TstPatenti : public QObject {
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
        QFile::remove(pdfPath());
    }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void openingShowsActiveValidByName();
    void expiryFilter_data();
    void expiryFilter();
    void stateAndNameFilters();
    void rowColours();
    void licenceDialogSaves();
    void zeroDatesAndEmptyState();
    void invalidDatesWriteNothing_data();
    void invalidDatesWriteNothing();
    void titleClickOrdersGridAndPrint();
    void printedList();
    void schedaOpensTheRecord();
    void databaseErrorKeepsTheWindow();

private:
    QString pdfPath() const { return m_pdfDir.filePath(QStringLiteral("TQR2.pdf")); }
    // "Stampa" with the preview closed by the user; returns the PDF's text.
    QString stampa(TFoPatenti &f)
    {
        QFile::remove(pdfPath());
        Answerer a;
        a.onDialog(QStringLiteral("QPrintPreviewDialog"), [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
        f.Button2->click();
        [&] { QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("QPrintPreviewDialog")}); }();
        [&] { QVERIFY(a.messages().isEmpty()); }();
        return pdfText(pdfPath());
    }
    QTemporaryDir m_pdfDir;
};

void TstPatenti::openingShowsActiveValidByName()
{
    person(QStringLiteral("Verdi Carla"), 400);
    person(QStringLiteral("Bianchi Ugo"), -30);
    person(QStringLiteral("Conti Lia"), QVariant());
    person(QStringLiteral("Amato Rita"), 400, QStringLiteral("Ritirata"));
    person(QStringLiteral("Neri Elio"), 400, QStringLiteral("Valida"), QStringLiteral("Dimesso"));
    person(QStringLiteral("Gallo Pio"), 400, QString());  // no licence state

    TFoPatenti f(7);
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("FoPatenti"));
    QVERIFY(f.width() >= 654 && f.height() >= 375);
    QCOMPARE(f.livello(), 7);
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Attivo"));
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("Valida"));
    QCOMPARE(f.CheckBox3->checkState(), Qt::PartiallyChecked);
    QCOMPARE(f.CheckBox3->text(), QStringLiteral("In scadenza"));
    QCOMPARE(f.Button1->text(), QStringLiteral("Scheda"));
    QCOMPARE(f.Button2->text(), QStringLiteral("Stampa"));

    // The drop-downs hold the stored states; people without a licence state add no item.
    QStringList s1, s2;
    for (int i = 0; i < f.ComboBox1->count(); ++i) s1 << f.ComboBox1->itemText(i);
    for (int i = 0; i < f.ComboBox2->count(); ++i) s2 << f.ComboBox2->itemText(i);
    QCOMPARE(s1, (QStringList{"Attivo", "Dimesso"}));
    QCOMPARE(s2, (QStringList{"Ritirata", "Valida"}));

    QStringList titles;
    for (int c = 0; c < f.model()->columnCount(); ++c) titles << f.model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"NOME", "TIPO", "DATA ESAME", "DATA SCADENZA", "ANNO"}));

    QCOMPARE(names(f), (QStringList{"Bianchi Ugo", "Conti Lia", "Verdi Carla"}));
    const int r = rowOf(f, QStringLiteral("Verdi Carla"));
    QCOMPARE(f.table()->text(r, QStringLiteral("TIPO")), QStringLiteral("B"));
    QCOMPARE(f.table()->text(r, QStringLiteral("NUMERO")), QStringLiteral("VLM-11"));
    QCOMPARE(f.table()->value(r, QStringLiteral("SCADPATVLM")).toDate(), QDate::currentDate().addDays(400));
    QCOMPARE(f.table()->integer(r, QStringLiteral("ANNO")), QDate::currentDate().addDays(400).year());
    QCOMPARE(f.model()->data(f.model()->index(r, 2)).toString(), QStringLiteral("20/03/2015"));
    QCOMPARE(f.DBGrid1->currentRow(), 0);
}

void TstPatenti::expiryFilter_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("expected");
    // Expired a year ago, yesterday, today; expiring in 44, 45 and 46 days; no expiry date.
    QTest::newRow("ticked") << int(Qt::Checked)
                            << QStringList{"A anno", "B ieri", "C oggi", "D 44", "E 45", "G senza"};
    QTest::newRow("not ticked") << int(Qt::Unchecked) << QStringList{"F 46"};
    QTest::newRow("undetermined") << int(Qt::PartiallyChecked)
                                  << QStringList{"A anno", "B ieri", "C oggi", "D 44", "E 45", "F 46", "G senza"};
}

void TstPatenti::expiryFilter()
{
    QFETCH(int, state);
    QFETCH(QStringList, expected);
    person(QStringLiteral("A anno"), -365);
    person(QStringLiteral("B ieri"), -1);
    person(QStringLiteral("C oggi"), 0);
    person(QStringLiteral("D 44"), 44);
    person(QStringLiteral("E 45"), 45);
    person(QStringLiteral("F 46"), 46);
    person(QStringLiteral("G senza"), QVariant());
    TFoPatenti f(0);
    f.show();
    setScadenza(f, Qt::CheckState(state));
    QCOMPARE(names(f), expected);
}

void TstPatenti::stateAndNameFilters()
{
    person(QStringLiteral("Rossi Ada"), 100);
    person(QStringLiteral("Rossini Bea"), 100, QStringLiteral("No Patente"));
    person(QStringLiteral("Russo Ciro"), 100, QString());
    person(QStringLiteral("D'Amico Dino"), 100, QStringLiteral("Sospesa"));
    person(QStringLiteral("Esposito Eva"), 100, QStringLiteral("Sospesa"), QStringLiteral("Dimesso"));
    TFoPatenti f(0);
    f.show();

    // "No Patente" also lists the people without a licence state.
    f.ComboBox2->setEditText(QStringLiteral("No Patente"));
    QCOMPARE(names(f), (QStringList{"Rossini Bea", "Russo Ciro"}));
    f.ComboBox2->setEditText(QStringLiteral("Sospesa"));
    QCOMPARE(names(f), QStringList{"D'Amico Dino"});
    // An empty licence state: every licence state.
    f.ComboBox2->setEditText(QString());
    QCOMPARE(names(f), (QStringList{"D'Amico Dino", "Rossi Ada", "Rossini Bea", "Russo Ciro"}));
    // The person state, trimmed.
    f.ComboBox1->setEditText(QStringLiteral("Dimesso "));
    QCOMPARE(names(f), QStringList{"Esposito Eva"});
    f.ComboBox1->setEditText(QStringLiteral("Attivo"));

    // The name box: any part of the name, trimmed; a quote is just a character.
    f.Edit1->setText(QStringLiteral(" ross "));
    QCOMPARE(names(f), (QStringList{"Rossi Ada", "Rossini Bea"}));
    f.Edit1->setText(QStringLiteral("d'am"));
    QCOMPARE(names(f), QStringList{"D'Amico Dino"});
    f.Edit1->setText(QStringLiteral("nessuno"));
    QVERIFY(names(f).isEmpty());
    QCOMPARE(f.DBGrid1->currentRow(), -1);
    f.Edit1->clear();
    QCOMPARE(names(f).size(), 4);
}

void TstPatenti::rowColours()
{
    person(QStringLiteral("A 44"), 44);
    person(QStringLiteral("B ieri"), -1);
    person(QStringLiteral("C 45"), 45);
    person(QStringLiteral("D senza"), QVariant());
    person(QStringLiteral("E oggi"), 0);
    TFoPatenti f(0);
    f.show();
    struct Want {
        const char *nome;
        QColor bg, fg;  // invalid: the normal colours
    };
    const QList<Want> wants = {{"A 44", Qt::yellow, Qt::blue},
                               {"B ieri", Qt::red, Qt::yellow},
                               {"C 45", QColor(), QColor()},
                               {"D senza", Qt::red, Qt::yellow},
                               {"E oggi", Qt::yellow, Qt::blue}};
    for (const Want &w : wants) {
        const int r = rowOf(f, QString::fromUtf8(w.nome));
        QVERIFY2(r >= 0, w.nome);
        for (int c = 0; c < f.model()->columnCount(); ++c) {
            const QModelIndex i = f.model()->index(r, c);
            const QVariant bg = f.model()->data(i, Qt::BackgroundRole), fg = f.model()->data(i, Qt::ForegroundRole);
            if (w.bg.isValid()) {
                QCOMPARE(bg.value<QColor>(), w.bg);
                QCOMPARE(fg.value<QColor>(), w.fg);
            } else {
                QVERIFY2(!bg.isValid() && !fg.isValid(), w.nome);
            }
        }
    }
}

void TstPatenti::licenceDialogSaves()
{
    person(QStringLiteral("Bianchi Ugo"), 10);
    const qint64 id = person(QStringLiteral("Verdi Carla"), 400, QStringLiteral("Valida"), QStringLiteral("Attivo"), QStringLiteral("C"));
    TFoPatenti f(0);
    f.show();
    const int r = rowOf(f, QStringLiteral("Verdi Carla"));
    f.DBGrid1->setCurrentRow(r);

    Answerer a;
    QStringList shown;
    bool listHidden = false;
    a.onDialog(QStringLiteral("TFoPatente"), [&](QWidget *w) {
        auto *d = static_cast<TFoPatente *>(w);
        listHidden = !f.isVisible();
        shown << d->windowTitle() << d->Text1->text() << d->Edit4->text() << d->Edit1->text() << d->Edit2->text()
              << d->Edit3->text() << d->ComboBox1->currentText();
        QCOMPARE(d->idv(), id);
        d->Edit4->setText(QStringLiteral("VLM-999"));
        d->Edit1->setText(QStringLiteral("D"));
        d->Edit2->setText(QStringLiteral("01/02/2020"));
        d->Edit3->setText(QStringLiteral("15/01/2021"));
        d->ComboBox1->setCurrentText(QStringLiteral("Sospesa"));
        d->Button1->click();
        QVERIFY(d->isVisible());  // stays open after "Salva"
        d->reject();
    });
    emit f.DBGrid1->rowDoubleClicked(r);
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoPatente")});
    QVERIFY(a.messages().isEmpty());
    QVERIFY(listHidden);
    QVERIFY(f.isVisible());
    const QString scad = QDate::currentDate().addDays(400).toString(QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(shown, (QStringList{"FoPatente", "Verdi Carla", "VLM-11", "C", "20/03/2015", scad, "Valida"}));

    QCOMPARE(col(id, "PATVLMN").toString(), QStringLiteral("VLM-999"));
    QCOMPARE(col(id, "PATVLM").toString(), QStringLiteral("D"));
    QCOMPARE(col(id, "ESAMEPATVLM").toDate(), QDate(2020, 2, 1));
    QCOMPARE(col(id, "SCADPATVLM").toDate(), QDate(2021, 1, 15));
    QCOMPARE(col(id, "STATOPATVLM").toString(), QStringLiteral("Sospesa"));
    QCOMPARE(col(id, "Nome").toString(), QStringLiteral("Verdi Carla"));
    // The list refreshed when the dialog closed: a suspended licence is no longer "Valida".
    QCOMPARE(names(f), QStringList{"Bianchi Ugo"});
}

void TstPatenti::zeroDatesAndEmptyState()
{
    const qint64 id = person(QStringLiteral("Gallo Pio"), QVariant(), QString());
    TestDb::exec(QStringLiteral("update volontari set ESAMEPATVLM=NULL where ID=%1").arg(id));
    TFoPatenti f(0);
    f.show();
    f.ComboBox2->setEditText(QStringLiteral("No Patente"));
    QCOMPARE(names(f), QStringList{"Gallo Pio"});

    Answerer a;
    QStringList dates;
    a.onDialog(QStringLiteral("TFoPatente"), [&](QWidget *w) {
        auto *d = static_cast<TFoPatente *>(w);
        dates << d->Edit2->text() << d->Edit3->text() << d->ComboBox1->currentText();
        d->Button1->click();  // saved unchanged
        d->reject();
    });
    emit f.DBGrid1->rowDoubleClicked(0);
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(dates, (QStringList{"30/12/1899", "30/12/1899", QString()}));
    QCOMPARE(col(id, "ESAMEPATVLM").toDate(), QDate(1899, 12, 30));
    QCOMPARE(col(id, "SCADPATVLM").toDate(), QDate(1899, 12, 30));
    // No state stays no state: the person is still listed under "No Patente".
    QVERIFY(col(id, "STATOPATVLM").isNull());
    QCOMPARE(names(f), QStringList{"Gallo Pio"});
}

void TstPatenti::invalidDatesWriteNothing_data()
{
    QTest::addColumn<QString>("esame");
    QTest::addColumn<QString>("scadenza");
    QTest::newRow("exam empty") << QString() << QStringLiteral("01/01/2030");
    QTest::newRow("expiry 31 February") << QStringLiteral("01/01/2020") << QStringLiteral("31/02/2030");
    QTest::newRow("expiry words") << QStringLiteral("01/01/2020") << QStringLiteral("domani");
}

void TstPatenti::invalidDatesWriteNothing()
{
    QFETCH(QString, esame);
    QFETCH(QString, scadenza);
    const qint64 id = person(QStringLiteral("Verdi Carla"), 400);
    TFoPatenti f(0);
    f.show();
    Answerer a;
    bool stillOpen = false;
    a.onDialog(QStringLiteral("TFoPatente"), [&](QWidget *w) {
        auto *d = static_cast<TFoPatente *>(w);
        d->Edit4->setText(QStringLiteral("NUOVO"));
        d->Edit2->setText(esame);
        d->Edit3->setText(scadenza);
        d->Button1->click();
        stillOpen = d->isVisible();
        d->reject();
    });
    emit f.DBGrid1->rowDoubleClicked(0);
    QVERIFY(stillOpen);
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(col(id, "PATVLMN").toString(), QStringLiteral("VLM-11"));
    QCOMPARE(col(id, "ESAMEPATVLM").toDate(), QDate(2015, 3, 20));
}

void TstPatenti::titleClickOrdersGridAndPrint()
{
    person(QStringLiteral("Alfa Uno"), 3 * 366, QStringLiteral("Valida"), QStringLiteral("Attivo"), QStringLiteral("C"));
    person(QStringLiteral("Beta Due"), 1 * 366, QStringLiteral("Valida"), QStringLiteral("Attivo"), QStringLiteral("D"));
    person(QStringLiteral("Gamma Tre"), 2 * 366, QStringLiteral("Valida"), QStringLiteral("Attivo"), QStringLiteral("B"));
    const QStringList byName = {"Alfa Uno", "Beta Due", "Gamma Tre"};
    const QStringList byYear = {"Beta Due", "Gamma Tre", "Alfa Uno"};
    TFoPatenti f(0);
    f.show();
    QCOMPARE(names(f), byName);

    f.DBGrid1->clickTitle(4);  // "ANNO"
    QCOMPARE(f.sortField(), QStringLiteral("ANNO"));
    QCOMPARE(names(f), byYear);
    QVERIFY(f.SQL1()->sql().endsWith(QStringLiteral(" order by ANNO")));
    QCOMPARE(f.SQL1()->sql().count(QStringLiteral("order by"), Qt::CaseInsensitive), 1);
    {
        const QList<int> p = positions(stampa(f), byYear);
        QVERIFY(p[0] >= 0 && p[0] < p[1] && p[1] < p[2]);
    }

    // The category title: the grid and the print follow the category.
    f.DBGrid1->clickTitle(1);
    QCOMPARE(names(f), (QStringList{"Gamma Tre", "Alfa Uno", "Beta Due"}));
    {
        const QList<int> p = positions(stampa(f), names(f));
        QVERIFY(p[0] >= 0 && p[0] < p[1] && p[1] < p[2]);
    }

    // A refresh rebuilds the statement by name; the grid keeps the chosen order.
    f.DBGrid1->clickTitle(4);
    f.Edit1->setText(QStringLiteral("a"));
    QCOMPARE(names(f), byYear);
    QVERIFY(f.SQL1()->sql().endsWith(QStringLiteral(" order by Nome")));
    {
        const QList<int> p = positions(stampa(f), byName);
        QVERIFY(p[0] >= 0 && p[0] < p[1] && p[1] < p[2]);
    }
}

void TstPatenti::printedList()
{
    person(QStringLiteral("Verdi Carla"), 400, QStringLiteral("Valida"), QStringLiteral("Attivo"), QStringLiteral("C"));
    person(QStringLiteral("Bianchi Ugo"), -3);
    person(QStringLiteral("Rossi Ada"), 400, QStringLiteral("Ritirata"));
    TFoPatenti f(0);
    f.show();
    setScadenza(f, Qt::Unchecked);  // the print follows the list's filters
    const QString text = stampa(f);
    QVERIFY2(!text.isEmpty(), "no sheet written");
    for (const QString &s : {QStringLiteral("Elenco scadenze Patenti"), QStringLiteral("Nome"), QStringLiteral("Categoria"),
                             QStringLiteral("Data Scadenza"), QStringLiteral("Note"), QStringLiteral("Verdi Carla"),
                             QDate::currentDate().addDays(400).toString(QStringLiteral("dd/MM/yyyy")),
                             QStringLiteral("___________________________")})
        QVERIFY2(text.contains(s), qPrintable(s));
    QVERIFY(!text.contains(QStringLiteral("Bianchi Ugo")));
    QVERIFY(!text.contains(QStringLiteral("Rossi Ada")));
    // Name, category, expiry and the notes line on one line.
    const QString line = text.section(QLatin1Char('\n'), 0, -1).split(QLatin1Char('\n')).filter(QStringLiteral("Verdi Carla")).value(0);
    QVERIFY2(QRegularExpression(QStringLiteral("Verdi Carla\\s+C\\s+\\d\\d/\\d\\d/\\d{4}\\s+_{27}")).match(line).hasMatch(),
             qPrintable(line));
}

void TstPatenti::schedaOpensTheRecord()
{
    person(QStringLiteral("Bianchi Ugo"), 100);
    const qint64 id = person(QStringLiteral("Verdi Carla"), 100);
    TFoPatenti f(5);
    f.show();
    f.DBGrid1->setCurrentRow(rowOf(f, QStringLiteral("Verdi Carla")));
    Answerer a;
    qint64 codice = -1;
    int livello = -1;
    bool listHidden = false;
    a.onDialog(QStringLiteral("TFoVolontario"), [&](QWidget *w) {
        auto *v = static_cast<TFoVolontario *>(w);
        codice = v->codice();
        livello = v->livello();
        listHidden = !f.isVisible();
        v->reject();
    });
    // A name changed meanwhile shows when the list comes back.
    TestDb::exec(QStringLiteral("update volontari set Nome='Verdi Carla Maria' where ID=%1").arg(id));
    f.Button1->click();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoVolontario")});
    QCOMPARE(codice, id);
    QCOMPARE(livello, 2);
    QVERIFY(listHidden);
    QVERIFY(f.isVisible());
    QCOMPARE(names(f), (QStringList{"Bianchi Ugo", "Verdi Carla Maria"}));

    // Without a current row nothing opens.
    f.Edit1->setText(QStringLiteral("nessuno"));
    a.clear();
    f.Button1->click();
    QTest::qWait(20);
    QVERIFY(a.dialogsSeen().isEmpty());
}

void TstPatenti::databaseErrorKeepsTheWindow()
{
    person(QStringLiteral("Verdi Carla"), 100);
    TFoPatenti f(0);
    f.show();
    TestDb::exec(QStringLiteral("alter table volontari rename column PATVLMN to PATVLMX"));
    Answerer a;
    f.Edit1->setText(QStringLiteral("v"));
    TestDb::exec(QStringLiteral("alter table volontari rename column PATVLMX to PATVLMN"));
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(names(f).isEmpty());
    QVERIFY(f.isVisible());
    f.Edit1->setText(QStringLiteral("ve"));
    QCOMPARE(names(f), QStringList{"Verdi Carla"});
}

QTEST_MAIN(TstPatenti)
#include "tst_patenti.moc"
