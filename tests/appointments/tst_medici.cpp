// The register of specialists: the list by state, a new specialist from "Nuovo", opening
// and changing a specialist, and the menu entry.
#include "app/TFormMain.h"
#include "appointments/TFoMedici.h"
#include "appointments/TFoMedico.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "services/ServiceFixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using vlmtest::TestDb;

namespace {
qint64 addMedico(const QString &nome, const QString &specialita, const QString &stato, const QString &note = QStringLiteral(""))
{
    TestDb::exec(QStringLiteral("insert into Medici(Nome,Specializzazione,Stato,Note) values(%1,%2,%3,%4)")
                     .arg(svc::sqlText(nome), svc::sqlText(specialita), svc::sqlText(stato), svc::sqlText(note)));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

QStringList column(const vlm::GridTable *t, const QString &field)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) out << t->text(r, field);
    return out;
}

// The stored specialists as "name|speciality|state|notes", by key.
QStringList stored()
{
    QStringList out;
    const int n = TestDb::count(QStringLiteral("Medici"));
    for (int i = 0; i < n; ++i)
        out << TestDb::scalar(QStringLiteral("select concat_ws('|',Nome,Specializzazione,Stato,Note) from Medici "
                                             "order by ID limit %1,1").arg(i)).toString();
    return out;
}
}  // namespace

class TstMedici : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
    }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listByState_data();
    void listByState();
    void rowFieldsAndCut();
    void newSpecialistSavedOnce();
    void openChangeAndRebuild();
    void menuEntry();
};

void TstMedici::listByState_data()
{
    QTest::addColumn<QString>("stato");
    QTest::addColumn<QStringList>("nomi");
    QTest::newRow("active (initial)") << QString() << QStringList{"Dott. Bruni", "Dott.ssa Verdi"};
    QTest::newRow("dismissed") << QStringLiteral("DISMESSO") << QStringList{"Dott. Neri"};
    QTest::newRow("all") << QStringLiteral("TUTTI") << QStringList{"Dott. Bruni", "Dott. Neri", "Dott.ssa Verdi"};
    QTest::newRow("any other text lists all") << QStringLiteral("ATT") << QStringList{"Dott. Bruni", "Dott. Neri", "Dott.ssa Verdi"};
}

void TstMedici::listByState()
{
    QFETCH(QString, stato);
    QFETCH(QStringList, nomi);
    addMedico(QStringLiteral("Dott. Bruni"), QStringLiteral("Cardiologia"), QStringLiteral("ATTIVO"));
    addMedico(QStringLiteral("Dott. Neri"), QStringLiteral("Dermatologia"), QStringLiteral("DISMESSO"));
    addMedico(QStringLiteral("Dott.ssa Verdi"), QStringLiteral("Oculistica"), QStringLiteral("ATTIVO"));

    TFoMedici l;
    QCOMPARE(l.windowTitle(), QStringLiteral("Elenco Medici"));
    QCOMPARE(svc::itemsOf(l.ComboBox1, false), (QStringList{"ATTIVO", "DISMESSO", "TUTTI"}));
    QCOMPARE(l.ComboBox1->currentText(), QStringLiteral("ATTIVO"));
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    if (!stato.isEmpty()) {
        if (l.ComboBox1->findText(stato) >= 0) QVERIFY(svc::pick(l.ComboBox1, stato));
        else l.ComboBox1->setEditText(stato);  // typed
    }
    QStringList got = column(l.table(), QStringLiteral("Nome"));
    got.sort();
    QCOMPARE(got, nomi);
    QCOMPARE(l.model()->rowCount(), nomi.size());
}

void TstMedici::rowFieldsAndCut()
{
    const QString lunga = QString(60, QLatin1Char('n'));
    const qint64 id = addMedico(QStringLiteral("Dott. Bruni"), QStringLiteral("Cardiologia"), QStringLiteral("ATTIVO"), lunga);
    TFoMedici l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    vlm::GridModel *m = l.model();
    QCOMPARE(m->columnCount(), 5);
    QStringList titles;
    for (int c = 0; c < 5; ++c) titles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"Nome", "Specializzazione", "Note", "STATO", "ID"}));
    QStringList row;
    for (int c = 0; c < 5; ++c) row << m->data(m->index(0, c)).toString();
    QCOMPARE(row, (QStringList{"Dott. Bruni", "Cardiologia", lunga.left(50), "ATTIVO", QString::number(id)}));
}

void TstMedici::newSpecialistSavedOnce()
{
    addMedico(QStringLiteral("Dott. Bruni"), QStringLiteral("Cardiologia"), QStringLiteral("ATTIVO"));
    TFoMedici l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    vlmtest::Answerer a;
    bool listHidden = false;
    QStringList initial;
    QString caption;
    qint64 idAfterSave = -1;
    svc::onShown(a, QStringLiteral("TFoMedico"), [&](QWidget *w) {
        auto *f = static_cast<TFoMedico *>(w);
        listHidden = !l.isVisible();
        caption = f->windowTitle();
        initial = {f->Edit1->text(), f->Edit2->text(), f->ComboBox1->currentText(), f->Memo1->toPlainText()};
        f->Edit1->setText(QStringLiteral("Dott. Gialli"));
        f->Edit2->setText(QStringLiteral("Ortopedia"));
        f->Memo1->setPlainText(QStringLiteral("Riceve il martedì\nportare le lastre"));
        svc::button(f, QStringLiteral("Salva"))->click();
        idAfterSave = f->recordId();
        // A second "Salva" corrects the same specialist.
        f->Edit2->setText(QStringLiteral("Ortopedia e traumatologia"));
        svc::button(f, QStringLiteral("Salva"))->click();
        QVERIFY(f->isVisible());  // stays open after saving
        f->reject();
    });
    svc::button(&l, QStringLiteral("Nuovo"))->click();

    QVERIFY(listHidden);
    QVERIFY(l.isVisible());
    QCOMPARE(caption, QStringLiteral("Dati Professionista"));
    QCOMPARE(initial, (QStringList{"", "", "ATTIVO", ""}));
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(stored(), (QStringList{"Dott. Bruni|Cardiologia|ATTIVO|",
                                    "Dott. Gialli|Ortopedia e traumatologia|ATTIVO|Riceve il martedì\nportare le lastre"}));
    QCOMPARE(idAfterSave, TestDb::scalar(QStringLiteral("select ID from Medici where Nome='Dott. Gialli'")).toLongLong());
    QStringList nomi = column(l.table(), QStringLiteral("Nome"));  // rebuilt
    nomi.sort();
    QCOMPARE(nomi, (QStringList{"Dott. Bruni", "Dott. Gialli"}));
}

void TstMedici::openChangeAndRebuild()
{
    // Notes longer than the list shows reach the record whole, and are saved whole.
    const QString note = QStringLiteral("Prenotare almeno due giorni prima; ") + QString(40, QLatin1Char('x'));
    addMedico(QStringLiteral("Dott. Bruni"), QStringLiteral("Cardiologia"), QStringLiteral("ATTIVO"));
    const qint64 id = addMedico(QStringLiteral("Dott. O'Hara"), QStringLiteral("Neurologia"), QStringLiteral("ATTIVO"), note);
    TFoMedici l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    const int row = column(l.table(), QStringLiteral("Nome")).indexOf(QStringLiteral("Dott. O'Hara"));
    QVERIFY(row >= 0);
    l.DBGrid1->setCurrentRow(row);

    vlmtest::Answerer a;
    QStringList seen;
    qint64 recordId = 0;
    svc::onShown(a, QStringLiteral("TFoMedico"), [&](QWidget *w) {
        auto *f = static_cast<TFoMedico *>(w);
        recordId = f->recordId();
        seen = {f->Edit1->text(), f->Edit2->text(), f->ComboBox1->currentText(), f->Memo1->toPlainText()};
        QVERIFY(svc::pick(f->ComboBox1, QStringLiteral("DISMESSO")));
        svc::button(f, QStringLiteral("Salva"))->click();
        f->reject();
    });
    l.DBGrid1DblClick();

    QCOMPARE(recordId, id);
    QCOMPARE(seen, (QStringList{"Dott. O'Hara", "Neurologia", "ATTIVO", note}));
    QCOMPARE(TestDb::count(QStringLiteral("Medici")), 2);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',Nome,Stato,Note) from Medici where ID=%1").arg(id)).toString(),
             QStringLiteral("Dott. O'Hara|DISMESSO|") + note);
    QCOMPARE(column(l.table(), QStringLiteral("Nome")), QStringList{"Dott. Bruni"});  // active ones only
}

void TstMedici::menuEntry()
{
    addMedico(QStringLiteral("Dott. Bruni"), QStringLiteral("Cardiologia"), QStringLiteral("ATTIVO"));
    TFormMain w;
    vlmtest::Answerer a;
    QStringList rows;
    a.onDialog(QStringLiteral("TFoMedici"), [&](QWidget *d) {
        rows = column(static_cast<TFoMedici *>(d)->table(), QStringLiteral("Nome"));
        static_cast<QDialog *>(d)->reject();
    });
    w.Elenco1->trigger();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoMedici")});
    QCOMPARE(rows, QStringList{"Dott. Bruni"});
    QVERIFY(w.findChild<TFoMedici *>() == nullptr);  // destroyed after closing
}

QTEST_MAIN(TstMedici)
#include "tst_medici.moc"
