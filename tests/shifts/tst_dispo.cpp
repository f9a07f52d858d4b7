// The availability period of a volunteer: new period and its second save, loading a
// stored period, weekdays, absence or availability, and conversion errors.
#include "platform/MaskEdit.h"
#include "shifts/TFoDispo.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

QVariantMap row(qint64 id)
{
    QVariantMap m;
    for (const char *c : {"IDV", "IDT", "TIPO", "DATAI", "DATAF", "ORAI", "ORAF", "GSLU", "GSMA", "GSME", "GSGI", "GSVE", "GSSA", "GSDO"})
        m.insert(QString::fromLatin1(c),
                 TestDb::scalar(QStringLiteral("select %1 from disponibilita where ID=%2").arg(QString::fromLatin1(c)).arg(id)));
    return m;
}

QString days(qint64 id)
{
    return TestDb::scalar(QStringLiteral("select concat(GSLU,GSMA,GSME,GSGI,GSVE,GSSA,GSDO) from disponibilita where ID=%1").arg(id)).toString();
}

void fill(TFoDispo &d, const QString &dal, const QString &al, const QString &dalle, const QString &alle)
{
    d.MaskEdit1->setText(dal);
    d.MaskEdit2->setText(al);
    d.MaskEdit3->setText(dalle);
    d.MaskEdit4->setText(alle);
}

}  // namespace

class TstDispo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void newPeriodThenUpdate();
    void weekdays_data();
    void weekdays();
    void loadsStoredPeriod();
    void badInputWritesNothing_data();
    void badInputWritesNothing();
};

void TstDispo::newPeriodThenUpdate()
{
    const qint64 idv = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,IDT) values(%1,3)").arg(idv));  // a slot row stays as it is
    TFoDispo d;
    d.setVolontario(idv);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Disponibilità Volontario "));
    QCOMPARE(d.ComboBox1->currentText(), QStringLiteral("Disponibile"));
    QCOMPARE(d.MaskEdit1->text(), QStringLiteral("  /  /    "));
    Answerer a;
    fill(d, QStringLiteral("01/06/2026"), QStringLiteral("31/08/2026"), QStringLiteral(" 8:30"), QStringLiteral("20:00"));
    d.CheckBox1->setChecked(true);
    d.CheckBox7->setChecked(true);
    d.Button1->click();
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    QVERIFY(d.isVisible());
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita")), 2);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from disponibilita where IDT is null")).toLongLong();
    QCOMPARE(d.id(), id);
    QVariantMap m = row(id);
    QCOMPARE(m[QStringLiteral("IDV")].toLongLong(), idv);
    QCOMPARE(m[QStringLiteral("TIPO")].toString(), QStringLiteral("Disponibile"));
    QCOMPARE(m[QStringLiteral("DATAI")].toDate(), QDate(2026, 6, 1));
    QCOMPARE(m[QStringLiteral("DATAF")].toDate(), QDate(2026, 8, 31));
    QCOMPARE(m[QStringLiteral("ORAI")].toString(), QStringLiteral("08:30:00"));
    QCOMPARE(m[QStringLiteral("ORAF")].toString(), QStringLiteral("20:00:00"));
    QCOMPARE(days(id), QStringLiteral("SNNNNNS"));

    // The second save updates the same row; an absence is stored as such.
    d.ComboBox1->setCurrentText(QStringLiteral("Assente"));
    d.MaskEdit2->setText(QStringLiteral("15/09/2026"));
    d.CheckBox7->setChecked(false);
    d.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita")), 2);
    QCOMPARE(d.id(), id);
    m = row(id);
    QCOMPARE(m[QStringLiteral("TIPO")].toString(), QStringLiteral("Assente"));
    QCOMPARE(m[QStringLiteral("DATAF")].toDate(), QDate(2026, 9, 15));
    QCOMPARE(days(id), QStringLiteral("SNNNNNN"));
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita"), QStringLiteral("IDT=3 and IDV=%1").arg(idv)), 1);
}

void TstDispo::weekdays_data()
{
    QTest::addColumn<QList<int>>("ticked");  // box numbers 1 (Monday) to 7 (Sunday)
    QTest::addColumn<QString>("stored");
    QTest::newRow("none") << QList<int>{} << QStringLiteral("NNNNNNN");
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7} << QStringLiteral("SSSSSSS");
    QTest::newRow("working days") << QList<int>{1, 2, 3, 4, 5} << QStringLiteral("SSSSSNN");
    QTest::newRow("wednesday and saturday") << QList<int>{3, 6} << QStringLiteral("NNSNNSN");
}

void TstDispo::weekdays()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QString, stored);
    TFoDispo d;
    d.setVolontario(TestDb::addPerson(QStringLiteral("Neri Piero")));
    d.show();
    const QStringList names = {QStringLiteral("Lunedì"), QStringLiteral("Martedì"), QStringLiteral("Mercoledì"),
                               QStringLiteral("Giovedì"), QStringLiteral("Venerdì"), QStringLiteral("Sabato"),
                               QStringLiteral("Domenica")};
    for (int n : ticked) {
        auto *c = d.findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(n));
        QCOMPARE(c->text(), names[n - 1]);
        c->click();
    }
    fill(d, QStringLiteral("01/01/2027"), QStringLiteral("31/01/2027"), QStringLiteral("09:00"), QStringLiteral("18:00"));
    Answerer a;
    d.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(days(d.id()), stored);

    // Opened again, the boxes show what was stored.
    TFoDispo again;
    again.setVolontario(d.volontario());
    again.setId(d.id());
    again.show();
    QString shown;
    for (QCheckBox *c : {again.CheckBox1, again.CheckBox2, again.CheckBox3, again.CheckBox4, again.CheckBox5, again.CheckBox6, again.CheckBox7})
        shown += c->isChecked() ? QLatin1Char('S') : QLatin1Char('N');
    QCOMPARE(shown, stored);
}

void TstDispo::loadsStoredPeriod()
{
    const qint64 idv = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,TIPO,DATAI,DATAF,ORAI,ORAF,GSMA,GSVE) "
                                "values(%1,'Assente','2026-07-04','2026-07-19','07:45:00','13:15:00','S','S')").arg(idv));
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from disponibilita")).toLongLong();
    TFoDispo d;
    d.setVolontario(idv);
    d.setId(id);
    d.show();
    QCOMPARE(d.ComboBox1->currentText(), QStringLiteral("Assente"));
    QCOMPARE(d.MaskEdit1->text(), QStringLiteral("04/07/2026"));
    QCOMPARE(d.MaskEdit2->text(), QStringLiteral("19/07/2026"));
    QCOMPARE(d.MaskEdit3->text(), QStringLiteral("07:45"));
    QCOMPARE(d.MaskEdit4->text(), QStringLiteral("13:15"));
    QVERIFY(!d.CheckBox1->isChecked());
    QVERIFY(d.CheckBox2->isChecked());
    QVERIFY(d.CheckBox5->isChecked());
    QVERIFY(!d.CheckBox7->isChecked());
    // Saved unchanged, the row stays as it was.
    Answerer a;
    d.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita")), 1);
    QCOMPARE(days(id), QStringLiteral("NSNNSNN"));
    QCOMPARE(row(id)[QStringLiteral("ORAI")].toString(), QStringLiteral("07:45:00"));
    QCOMPARE(row(id)[QStringLiteral("TIPO")].toString(), QStringLiteral("Assente"));
}

void TstDispo::badInputWritesNothing_data()
{
    QTest::addColumn<QString>("dal");
    QTest::addColumn<QString>("al");
    QTest::addColumn<QString>("dalle");
    QTest::addColumn<QString>("alle");
    QTest::newRow("no first day") << QString() << QStringLiteral("31/08/2026") << QStringLiteral("08:00") << QStringLiteral("12:00");
    QTest::newRow("day that is no date") << QStringLiteral("01/06/2026") << QStringLiteral("31/06/2026") << QStringLiteral("08:00") << QStringLiteral("12:00");
    QTest::newRow("no start time") << QStringLiteral("01/06/2026") << QStringLiteral("30/06/2026") << QString() << QStringLiteral("12:00");
    QTest::newRow("minutes out of range") << QStringLiteral("01/06/2026") << QStringLiteral("30/06/2026") << QStringLiteral("08:00") << QStringLiteral("12:75");
}

void TstDispo::badInputWritesNothing()
{
    QFETCH(QString, dal);
    QFETCH(QString, al);
    QFETCH(QString, dalle);
    QFETCH(QString, alle);
    const qint64 idv = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,DATAI,DATAF,ORAI,ORAF) values(%1,'2026-05-01','2026-05-31','10:00','11:00')").arg(idv));
    const qint64 stored = TestDb::scalar(QStringLiteral("select ID from disponibilita")).toLongLong();
    for (qint64 key : {qint64(0), stored}) {
        TFoDispo d;
        d.setVolontario(idv);
        d.setId(key);
        d.show();
        fill(d, dal, al, dalle, alle);
        d.CheckBox3->setChecked(true);
        Answerer a;
        d.Button1->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
        QVERIFY(d.isVisible());
        QCOMPARE(d.id(), key);
    }
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita")), 1);
    QCOMPARE(row(stored)[QStringLiteral("DATAF")].toDate(), QDate(2026, 5, 31));
    QCOMPARE(days(stored), QStringLiteral("NNNNNNN"));
}

QTEST_MAIN(TstDispo)
#include "tst_dispo.moc"
