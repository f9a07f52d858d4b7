// The vehicle register: the list, loading a vehicle with its maintenance jobs, new, save
// and delete, the maintenance dialog, and the printed list of inspection due dates.
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "reports/TQR3.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "vehicles/TFoManut.h"
#include "vehicles/TFoMezzi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using vlmtest::TestDb;

namespace {
QString sql(const QString &s) { return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

// A vehicle with a chosen key and every column filled; dates yyyy-mm-dd or NULL.
void addMezzo(qint64 id, const QString &sigla, const QString &revisione = QStringLiteral("2027-05-31"),
              const QString &stato = QStringLiteral("Attivo"), const QString &marca = QStringLiteral("Fiat"),
              const QString &modello = QStringLiteral("Ducato"))
{
    TestDb::exec(QStringLiteral("insert into mezzi(ID,Siglamezzo,tipomezzo,Targamezzo,Marca,Modello,immatricolazione,Telaio,"
                                "Stato,Revisione) values(%1,%2,'AMBULANZA',%3,%4,%5,'2019-03-15',%6,%7,%8)")
                     .arg(id)
                     .arg(sql(sigla), sql(QStringLiteral("TG") + QString::number(id)), sql(marca), sql(modello),
                          sql(QStringLiteral("ZFA") + QString::number(id)), sql(stato),
                          revisione.isEmpty() ? QStringLiteral("NULL") : sql(revisione)));
}

qint64 addJob(qint64 mezzo, const QString &data, const QString &tipo, const QString &descr,
              const QString &spesa = QStringLiteral("100"), const QString &mecc = QStringLiteral("Officina Rossi"))
{
    TestDb::exec(QStringLiteral("insert into Manutenzioni(IDMEZZO,DATA,MECCANICO,SPESA,TIPO,DESCRIZIONE) values(%1,%2,%3,%4,%5,%6)")
                     .arg(mezzo)
                     .arg(sql(data), sql(mecc), spesa, sql(tipo), sql(descr)));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// A vehicle's row as "code|type|plate|make|model|registered|chassis|state|inspection".
QString mezzo(qint64 id)
{
    return TestDb::scalar(QStringLiteral("select concat_ws('|',Siglamezzo,tipomezzo,Targamezzo,Marca,Modello,"
                                         "ifnull(immatricolazione,'-'),Telaio,Stato,ifnull(Revisione,'-')) from mezzi where ID=%1")
                              .arg(id))
        .toString();
}

QString job(qint64 id)
{
    return TestDb::scalar(QStringLiteral("select concat_ws('|',IDMEZZO,DATA,MECCANICO,SPESA,TIPO,DESCRIZIONE) "
                                         "from Manutenzioni where ID=%1").arg(id))
        .toString();
}

QStringList items(const QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
    return out;
}

QStringList column(const TFoMezzi &f, const QString &field)
{
    QStringList out;
    for (int r = 0; r < f.table()->rowCount(); ++r) out << f.table()->text(r, field);
    return out;
}

// Clicks the list item that starts with this text.
void select(TFoMezzi &f, const QString &start)
{
    for (int i = 0; i < f.List1->count(); ++i) {
        if (f.List1->item(i)->text().startsWith(start)) {
            f.List1->setCurrentRow(i);
            return;
        }
    }
    QFAIL(qPrintable(start + QStringLiteral(" not in the list")));
}

QStringList boxes(const TFoMezzi &f)
{
    return {f.Edit1->text(), f.CBTipo->currentText(), f.Edit2->text(), f.Edit3->text(), f.Edit4->text(),
            f.EdI->text(),  f.Edit5->text(),          f.ComboBox1->currentText(), f.MaskEdit1->text()};
}

// Runs fn on the dialog with this name once, after its modal loop has started.
void onShown(vlmtest::Answerer &a, const QString &name, std::function<void(QWidget *)> fn)
{
    auto done = std::make_shared<bool>(false);
    a.onDialog(
        name,
        [done, fn](QWidget *w) {
            if (*done) return;
            *done = true;
            QTimer::singleShot(0, w, [fn, w] { fn(w); });
        },
        true);
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
}  // namespace

class TstMezzi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
        QVERIFY(m_pdfDir.isValid());
        qputenv("VLM_REPORT_DIR", m_pdfDir.path().toUtf8());
    }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listAndLoad();
    void saveChangesTheVehicle();
    void newVehicleThenSecondSave();
    void badDatesWriteNothing_data();
    void badDatesWriteNothing();
    void typedTextsStoredAsTyped();
    void deleteThenSaveInsertsFromTheBoxes();
    void newMaintenanceJob();
    void openAndChangeJob();
    void blankRowMakesANewJob();
    void noJobWithoutVehicle();
    void badJobWritesNothing_data();
    void badJobWritesNothing();
    void printedList();

private:
    QTemporaryDir m_pdfDir;
};

void TstMezzi::listAndLoad()
{
    addMezzo(7, QStringLiteral("AMB 07"), QStringLiteral("2027-01-20"));
    addMezzo(1234, QStringLiteral("PUL 1234"), QString(), QStringLiteral("Guasto"), QStringLiteral("Ford"),
             QStringLiteral("Transit"));
    addMezzo(123, QStringLiteral("AUTO 123"));
    addJob(1234, QStringLiteral("2026-02-01"), QStringLiteral("Tagliando"), QStringLiteral("Cambio olio e filtri"));
    addJob(1234, QStringLiteral("2026-06-15"), QStringLiteral("Riparazione di carrozzeria"),
           QString(70, QLatin1Char('d')));
    addJob(1234, QStringLiteral("2025-11-30"), QStringLiteral("Riparazione "), QStringLiteral("Freni"));
    addJob(7, QStringLiteral("2026-03-03"), QStringLiteral("Tagliando"), QStringLiteral("Di un altro mezzo"));

    TFoMezzi f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Mezzi"));
    QVERIFY(!f.Button3->isEnabled());
    QCOMPARE(items(f.List1), (QStringList{"7   AMB 07", "123   AUTO 123", "1234   PUL 1234"}));
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));  // closed after the load
    QStringList tipi, stati;
    for (int i = 0; i < f.CBTipo->count(); ++i) tipi << f.CBTipo->itemText(i);
    for (int i = 0; i < f.ComboBox1->count(); ++i) stati << f.ComboBox1->itemText(i);
    QCOMPARE(tipi, (QStringList{"AUTO", "AMBULANZA", "PULMINO"}));
    QCOMPARE(stati, (QStringList{"Attivo", "Dismesso", "Dal Meccanico", "Dal Carrozziere", "Guasto"}));

    // A four-digit key is found again exactly, not by its first three digits.
    select(f, QStringLiteral("1234 "));
    QCOMPARE(f.id(), qint64(1234));
    QCOMPARE(boxes(f), (QStringList{"PUL 1234", "AMBULANZA", "TG1234", "Ford", "Transit", "15/03/2019", "ZFA1234",
                                    "Guasto", "  /  /    "}));
    QVERIFY(f.Button3->isEnabled());
    QCOMPARE(column(f, QStringLiteral("DATA")), (QStringList{"15/06/2026", "01/02/2026", "30/11/2025"}));
    QCOMPARE(column(f, QStringLiteral("TIPO")), (QStringList{"Riparazione di ", "Tagliando", "Riparazione "}));
    QCOMPARE(column(f, QStringLiteral("DESCRIZIONE")),
             (QStringList{QString(60, QLatin1Char('d')), "Cambio olio e filtri", "Freni"}));
    QCOMPARE(f.DBGrid1->gridModel()->columnCount(), 3);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));

    select(f, QStringLiteral("7 "));
    QCOMPARE(f.id(), qint64(7));
    QCOMPARE(boxes(f)[0], QStringLiteral("AMB 07"));
    QCOMPARE(boxes(f)[8], QStringLiteral("20/01/2027"));
    QCOMPARE(column(f, QStringLiteral("DESCRIZIONE")), QStringList{"Di un altro mezzo"});
}

void TstMezzi::saveChangesTheVehicle()
{
    addMezzo(3, QStringLiteral("AMB 03"));
    addMezzo(4, QStringLiteral("AMB 04"));
    TFoMezzi f;
    select(f, QStringLiteral("4 "));
    f.Edit1->setText(QStringLiteral("AMB 44"));
    f.Edit2->setText(QStringLiteral("FV999AA"));
    f.CBTipo->setEditText(QStringLiteral("PULMINO"));
    f.ComboBox1->setEditText(QStringLiteral("Dal Meccanico"));
    f.MaskEdit1->setText(QStringLiteral("01/09/2028"));
    f.EdI->setText(QStringLiteral("02/01/2020"));
    vlmtest::Answerer a;
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QVERIFY(!f.Button3->isEnabled());
    QCOMPARE(mezzo(4), QStringLiteral("AMB 44|PULMINO|FV999AA|Fiat|Ducato|2020-01-02|ZFA4|Dal Meccanico|2028-09-01"));
    QCOMPARE(mezzo(3), QStringLiteral("AMB 03|AMBULANZA|TG3|Fiat|Ducato|2019-03-15|ZFA3|Attivo|2027-05-31"));
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 2);
    QCOMPARE(items(f.List1), (QStringList{"3   AMB 03", "4   AMB 44"}));  // reloaded
    QCOMPARE(f.List1->currentItem()->text(), QStringLiteral("4   AMB 44"));
    QCOMPARE(f.Edit1->text(), QStringLiteral("AMB 44"));  // the boxes keep their values
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));
    // A change of "Codice" enables "Salva" again; other boxes do not.
    f.Edit2->setText(QStringLiteral("FV000AA"));
    QVERIFY(!f.Button3->isEnabled());
    f.Edit1->setText(QStringLiteral("AMB 45"));
    QVERIFY(f.Button3->isEnabled());
}

void TstMezzi::newVehicleThenSecondSave()
{
    addMezzo(3, QStringLiteral("AMB 03"));
    addJob(3, QStringLiteral("2026-01-01"), QStringLiteral("Tagliando"), QStringLiteral("Vecchio"));
    TFoMezzi f;
    select(f, QStringLiteral("3 "));
    f.Button3->click();
    QVERIFY(!f.Button3->isEnabled());
    f.Button4->click();  // "Nuovo"
    QCOMPARE(f.id(), qint64(0));
    QVERIFY(f.Button3->isEnabled());
    // Code, plate, make and model are emptied; the rest stays as the new vehicle's values.
    QCOMPARE(boxes(f), (QStringList{"", "AMBULANZA", "", "", "", "15/03/2019", "ZFA3", "Attivo", "31/05/2027"}));
    QCOMPARE(f.table()->rowCount(), 0);
    f.Edit1->setText(QStringLiteral("PUL 9"));
    f.Edit3->setText(QStringLiteral("Renault"));
    f.Button3->click();
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 2);
    const qint64 nuovo = TestDb::scalar(QStringLiteral("select ID from mezzi where Siglamezzo='PUL 9'")).toLongLong();
    QVERIFY(nuovo > 3);
    QCOMPARE(f.id(), nuovo);
    QCOMPARE(mezzo(nuovo), QStringLiteral("PUL 9|AMBULANZA||Renault||2019-03-15|ZFA3|Attivo|2027-05-31"));
    QCOMPARE(f.List1->currentItem()->text(), QString::number(nuovo) + QStringLiteral("   PUL 9"));
    // Saving again changes the vehicle just stored instead of storing it twice.
    f.Edit1->setText(QStringLiteral("PUL 09"));
    f.Button3->click();
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 2);
    QCOMPARE(mezzo(nuovo).section(QLatin1Char('|'), 0, 0), QStringLiteral("PUL 09"));
    QCOMPARE(mezzo(3).section(QLatin1Char('|'), 0, 0), QStringLiteral("AMB 03"));
}

void TstMezzi::badDatesWriteNothing_data()
{
    QTest::addColumn<bool>("nuovo");
    QTest::addColumn<QString>("imm");
    QTest::addColumn<QString>("rev");
    QTest::newRow("update, empty registration") << false << "" << "01/01/2028";
    QTest::newRow("update, no such inspection date") << false << "15/03/2019" << "31/02/2028";
    QTest::newRow("update, half a date") << false << "15/03/2019" << "12/1";
    QTest::newRow("insert, empty inspection") << true << "15/03/2019" << "";
    QTest::newRow("insert, month 13") << true << "15/13/2019" << "01/01/2028";
}

void TstMezzi::badDatesWriteNothing()
{
    QFETCH(bool, nuovo);
    QFETCH(QString, imm);
    QFETCH(QString, rev);
    addMezzo(5, QStringLiteral("AMB 05"));
    const QString before = mezzo(5);
    TFoMezzi f;
    select(f, QStringLiteral("5 "));
    if (nuovo) f.Button4->click();
    f.Edit1->setText(QStringLiteral("CAMBIATO"));
    f.EdI->setText(imm);
    f.MaskEdit1->setText(rev);
    vlmtest::Answerer a;
    f.Button3->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(mezzo(5), before);
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 1);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));
    // Nothing was written, so the save can be tried again once the dates are right, and
    // it is stored for good (no transaction left open behind it).
    QVERIFY(f.Button3->isEnabled());
    f.EdI->setText(QStringLiteral("15/03/2019"));
    f.MaskEdit1->setText(QStringLiteral("10/10/2029"));
    f.Button3->click();
    QCOMPARE(a.messages().size(), 1);
    vlm::disconnectAll();
    QCOMPARE(TestDb::count(QStringLiteral("mezzi"), QStringLiteral("Siglamezzo='CAMBIATO' and Revisione='2029-10-10'")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), nuovo ? 2 : 1);
}

void TstMezzi::typedTextsStoredAsTyped()
{
    TFoMezzi f;
    f.Button4->click();
    const QString code = QStringLiteral("AMB 'O' \"1\"; --");
    f.Edit1->setText(code);
    f.Edit5->setText(QStringLiteral("ZFA'\\x"));
    f.CBTipo->setEditText(QStringLiteral("FUORISTRADA"));  // any typed type is taken
    f.EdI->setText(QStringLiteral("01/01/2020"));
    f.MaskEdit1->setText(QStringLiteral("01/01/2030"));
    f.Button3->click();
    QCOMPARE(mezzo(f.id()), code + QStringLiteral("|FUORISTRADA||||2020-01-01|ZFA'\\x||2030-01-01"));
}

void TstMezzi::deleteThenSaveInsertsFromTheBoxes()
{
    addMezzo(8, QStringLiteral("AMB 08"));
    addMezzo(9, QStringLiteral("AMB 09"));
    addJob(8, QStringLiteral("2026-01-01"), QStringLiteral("Tagliando"), QStringLiteral("Resta"));
    TFoMezzi f;
    select(f, QStringLiteral("8 "));
    vlmtest::Answerer a;
    f.Button2->click();  // "Cancella": no question asked
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("Manutenzioni"), QStringLiteral("IDMEZZO=8")), 1);
    QCOMPARE(items(f.List1), QStringList{"9   AMB 09"});
    QCOMPARE(f.id(), qint64(0));
    QCOMPARE(boxes(f), (QStringList{"", "AMBULANZA", "", "", "", "15/03/2019", "ZFA8", "Attivo", "31/05/2027"}));
    QVERIFY(f.Button3->isEnabled());
    // "Salva" now stores a new vehicle from what the boxes kept.
    f.Edit1->setText(QStringLiteral("NUOVA 1"));
    f.Button3->click();
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 2);
    QCOMPARE(mezzo(f.id()), QStringLiteral("NUOVA 1|AMBULANZA||||2019-03-15|ZFA8|Attivo|2027-05-31"));
    QVERIFY(f.id() != 8);
    // "Cancella" with nothing selected deletes nothing.
    f.Button4->click();
    f.Button2->click();
    QCOMPARE(TestDb::count(QStringLiteral("mezzi")), 2);
}

void TstMezzi::newMaintenanceJob()
{
    addMezzo(12, QStringLiteral("AMB 12"));
    TFoMezzi f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    select(f, QStringLiteral("12 "));
    QCOMPARE(f.table()->rowCount(), 0);

    vlmtest::Answerer a;
    bool hidden = false;
    QString caption;
    QStringList tipi;
    qint64 key = -1, veicolo = -1;
    onShown(a, QStringLiteral("TFoManut"), [&](QWidget *w) {
        auto *d = static_cast<TFoManut *>(w);
        hidden = !f.isVisible();
        caption = d->windowTitle();
        key = d->id();
        veicolo = d->mezzo();
        for (int i = 0; i < d->CbTipo->count(); ++i) tipi << d->CbTipo->itemText(i);
        d->CbTipo->setEditText(QStringLiteral("Riparazione "));
        d->MaskEdit1->setText(QStringLiteral("04/05/2026"));
        d->Edit1->setText(QStringLiteral("Carrozzeria Bini"));
        d->Edit2->setText(QStringLiteral("Specchietto destro"));
        d->MaskEdit2->setText(QStringLiteral("1234,5"));
        d->Button1->click();  // stores and closes
    });
    // A double click on the empty grid makes a new job.
    QTest::mouseDClick(f.DBGrid1->viewport(), Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(a.messages().isEmpty());
    QVERIFY(hidden);
    QVERIFY(f.isVisible());
    QCOMPARE(caption, QStringLiteral("Manutenzione Mezzo AMB 12"));
    QCOMPARE(tipi, (QStringList{"Riparazione ", "Tagliando"}));
    QCOMPARE(key, qint64(0));
    QCOMPARE(veicolo, qint64(12));
    QCOMPARE(TestDb::count(QStringLiteral("Manutenzioni")), 1);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from Manutenzioni")).toLongLong();
    QCOMPARE(job(id), QStringLiteral("12|2026-05-04|Carrozzeria Bini|1234.50|Riparazione |Specchietto destro"));
    QCOMPARE(column(f, QStringLiteral("DESCRIZIONE")), QStringList{"Specchietto destro"});  // shown at once
    QVERIFY(f.findChildren<TFoManut *>().isEmpty());
    f.reject();
}

void TstMezzi::openAndChangeJob()
{
    addMezzo(12, QStringLiteral("AMB 12"));
    addJob(12, QStringLiteral("2026-01-10"), QStringLiteral("Tagliando"), QStringLiteral("Primo"), QStringLiteral("80.25"));
    const qint64 id = addJob(12, QStringLiteral("2025-06-01"), QStringLiteral("Riparazione "), QStringLiteral("Secondo"),
                             QStringLiteral("300"), QStringLiteral("Officina 'Da Gino'"));
    TFoMezzi f;
    f.show();
    select(f, QStringLiteral("12 "));
    f.DBGrid1->setCurrentRow(1);
    vlmtest::Answerer a;
    QStringList seen;
    onShown(a, QStringLiteral("TFoManut"), [&](QWidget *w) {
        auto *d = static_cast<TFoManut *>(w);
        seen << QString::number(d->id()) << d->CbTipo->currentText() << d->MaskEdit1->text() << d->Edit1->text()
             << d->Edit2->text() << d->MaskEdit2->text();
        d->MaskEdit1->setText(QStringLiteral("02/06/2025"));
        d->Edit2->setText(QStringLiteral("Secondo, rifatto"));
        d->MaskEdit2->setText(QStringLiteral("310.10"));
        d->Button1->click();
    });
    QTest::mouseDClick(f.DBGrid1->viewport(), Qt::LeftButton, {},
                       f.DBGrid1->visualRect(f.DBGrid1->model()->index(1, 2)).center());
    QCOMPARE(seen, (QStringList{QString::number(id), "Riparazione ", "01/06/2025", "Officina 'Da Gino'", "Secondo", "300,00"}));
    QCOMPARE(job(id), QStringLiteral("12|2025-06-02|Officina 'Da Gino'|310.10|Riparazione |Secondo, rifatto"));
    QCOMPARE(TestDb::count(QStringLiteral("Manutenzioni")), 2);
    QCOMPARE(column(f, QStringLiteral("DESCRIZIONE")), (QStringList{"Primo", "Secondo, rifatto"}));
}

void TstMezzi::blankRowMakesANewJob()
{
    addMezzo(12, QStringLiteral("AMB 12"));
    addJob(12, QStringLiteral("2026-01-10"), QStringLiteral("Tagliando"), QStringLiteral("Primo"));
    TFoMezzi f;
    f.show();
    select(f, QStringLiteral("12 "));
    f.DBGrid1->setFocus();
    QTest::keyClick(f.DBGrid1, Qt::Key_Down);  // past the last row: a blank row
    QTest::keyClick(f.DBGrid1, Qt::Key_Down);  // only one
    QCOMPARE(f.table()->rowCount(), 2);
    QCOMPARE(f.DBGrid1->currentRow(), 1);
    vlmtest::Answerer a;
    qint64 key = -1;
    onShown(a, QStringLiteral("TFoManut"), [&](QWidget *w) {
        auto *d = static_cast<TFoManut *>(w);
        key = d->id();
        QVERIFY(d->Edit2->text().isEmpty());
        d->MaskEdit1->setText(QStringLiteral("20/02/2026"));
        d->CbTipo->setEditText(QStringLiteral("Tagliando"));
        d->Edit2->setText(QStringLiteral("Secondo tagliando"));
        d->MaskEdit2->setText(QStringLiteral("0"));
        d->Button1->click();
    });
    QTest::mouseDClick(f.DBGrid1->viewport(), Qt::LeftButton, {}, f.DBGrid1->visualRect(f.DBGrid1->model()->index(1, 1)).center());
    QCOMPARE(key, qint64(0));
    QCOMPARE(TestDb::count(QStringLiteral("Manutenzioni"), QStringLiteral("IDMEZZO=12")), 2);
    QCOMPARE(column(f, QStringLiteral("DESCRIZIONE")), (QStringList{"Secondo tagliando", "Primo"}));
}

void TstMezzi::noJobWithoutVehicle()
{
    addMezzo(12, QStringLiteral("AMB 12"));
    TFoMezzi f;
    f.show();
    vlmtest::Answerer a;
    f.DBGrid1DblClick();  // nothing selected
    select(f, QStringLiteral("12 "));
    f.Button4->click();   // "Nuovo": no vehicle any more
    f.DBGrid1DblClick();
    QTest::qWait(50);
    QVERIFY(a.dialogsSeen().isEmpty());
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Manutenzioni")), 0);
}

void TstMezzi::badJobWritesNothing_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("spesa");
    QTest::newRow("empty date") << "" << "10";
    QTest::newRow("no such date") << "30/02/2026" << "10";
    QTest::newRow("empty cost") << "01/02/2026" << "";
    QTest::newRow("cost not a number") << "01/02/2026" << "dieci";
    QTest::newRow("cost with grouping") << "01/02/2026" << "1.234,50";
}

void TstMezzi::badJobWritesNothing()
{
    QFETCH(QString, data);
    QFETCH(QString, spesa);
    addMezzo(12, QStringLiteral("AMB 12"));
    const qint64 id = addJob(12, QStringLiteral("2026-01-10"), QStringLiteral("Tagliando"), QStringLiteral("Primo"));
    const QString before = job(id);
    for (const qint64 key : {qint64(0), id}) {
        TFoManut d;
        d.setId(key);
        d.setMezzo(12);
        d.show();
        d.MaskEdit1->setText(data);
        d.MaskEdit2->setText(spesa);
        d.Edit2->setText(QStringLiteral("Cambiato"));
        vlmtest::Answerer a;
        d.Button1->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
        QVERIFY(d.isVisible());  // stays open
        QCOMPARE(TestDb::count(QStringLiteral("Manutenzioni")), 1);
        QCOMPARE(job(id), before);
    }
}

void TstMezzi::printedList()
{
    const QString pdf = m_pdfDir.filePath(QStringLiteral("TQR3.pdf"));
    QFile::remove(pdf);
    addMezzo(1, QStringLiteral("AMB 01"), QStringLiteral("2027-09-30"), QStringLiteral("Attivo"), QStringLiteral("Fiat"),
             QStringLiteral("Ducato"));
    addMezzo(2, QStringLiteral("VECCHIA 2"), QStringLiteral("2026-01-15"), QStringLiteral("Dismesso"),
             QStringLiteral("Volkswagen"), QStringLiteral("Transporter"));
    addMezzo(3, QStringLiteral("PUL 03"), QStringLiteral("2026-11-05"), QStringLiteral("Guasto"), QStringLiteral("Ford"),
             QStringLiteral("Transit"));

    TFoMezzi f;
    f.show();
    vlmtest::Answerer a;
    bool seen = false;
    onShown(a, QStringLiteral("QPrintPreviewDialog"), [&](QWidget *w) {
        seen = f.findChild<TQR3 *>() != nullptr;
        static_cast<QDialog *>(w)->reject();
    });
    f.Button1->click();
    QVERIFY(seen);
    QVERIFY(a.messages().isEmpty());
    QVERIFY(f.findChild<TQR3 *>() == nullptr);  // the sheet is gone
    QVERIFY(f.isVisible());

    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "no sheet written");
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    auto lineOf = [&](const QString &s) {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].contains(s)) return i;
        return -1;
    };
    QVERIFY(lineOf(QStringLiteral("Elenco scadenze Revisioni")) >= 0);
    const int heads = lineOf(QStringLiteral("Marca e Modello"));
    QVERIFY(heads > lineOf(QStringLiteral("Elenco scadenze Revisioni")));
    for (const char *h : {"Sigla", "Data Scadenza", "Note"}) QVERIFY2(lines[heads].contains(QString::fromUtf8(h)), h);
    // Every vehicle whatever its state, soonest inspection first, on one line each.
    const QStringList expected = {"VECCHIA 2 Volkswagen Transporter 15/01/2026 ___________________________",
                                  "PUL 03 Ford Transit 05/11/2026 ___________________________",
                                  "AMB 01 Fiat Ducato 30/09/2027 ___________________________"};
    int last = heads;
    for (const QString &e : expected) {
        int at = -1;
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].simplified() == e) at = i;
        QVERIFY2(at > last, qPrintable(e + QStringLiteral(" not in order in:\n") + text));
        last = at;
    }
}

QTEST_MAIN(TstMezzi)
#include "tst_mezzi.moc"
