// The qualification dialog: a new qualification and its second save, editing a stored one
// (its expiry kept), titles outside the type list, invalid dates, rows earned in courses,
// the delete, and what the view Titolic shows of them.
#include "platform/Db.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoTitoli.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

const QString kBlsd = QStringLiteral("BLSD - Rianimazione e Defibrillazione");

QVariant col(qint64 id, const char *c)
{
    return TestDb::scalar(QStringLiteral("select %1 from Titoli where ID=%2").arg(QLatin1String(c)).arg(id));
}

QVariant viewCol(qint64 id, const char *c)
{
    return TestDb::scalar(QStringLiteral("select %1 from Titolic where ID=%2").arg(QLatin1String(c)).arg(id));
}

qint64 addTitolo(qint64 idv, const QString &codice, const QString &esame, const QString &scadenza)
{
    TestDb::exec(QStringLiteral("insert into Titoli(IDVOLONTARIO,CODICE,DATAESAME,LUOGO,NMRATTESTATO,SCADENZA) "
                                "values(%1,'%2','%3','Siena','A-17',%4)")
                     .arg(idv).arg(codice, esame, scadenza.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + scadenza + QLatin1Char('\'')));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// A qualification earned in a course: a session awarding the title, a participant judged fit.
qint64 addCourseTitle(qint64 idv, const QString &codice)
{
    TestDb::exec(QStringLiteral("insert into incontri(IDAttivita,TITOLO,DATA,LUOGO) values(1,'%1','2025-02-10','Sede')").arg(codice));
    const qint64 inc = TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
    TestDb::exec(QStringLiteral("insert into Partecipanti(IDINCONTRI,IdVolontario,Risultato,NMRATTESTATO) values(%1,%2,'IDONEO','C-9')")
                     .arg(inc).arg(idv));
    return -TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

}  // namespace

class TstTitoli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void newThenSecondSave();
    void editKeepsStoredExpiry();
    void titleOutsideTheList();
    void invalidDatesWriteNothing_data();
    void invalidDatesWriteNothing();
    void courseRowIsNotOverwritten();
    void sameTitleTwice();
    void deleteOnlyTitoliRows();
    void openForFromTheRecord();
};

void TstTitoli::newThenSecondSave()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    TFoTitoli d;
    d.setVolontario(p);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Titoli"));
    QCOMPARE(d.Cb1->currentText(), QString());
    QCOMPARE(d.Cb1->count(), int(TestDb::count(QStringLiteral("Elenchi"), QStringLiteral("TIPO='A'"))));
    QCOMPARE(d.Cb1->itemText(0), kBlsd);
    QCOMPARE(d.Me1->text(), QStringLiteral("  /  /    "));
    QCOMPARE(d.Me2->text(), QStringLiteral("  /  /    "));

    Answerer a;
    d.Cb1->setEditText(QStringLiteral(" ") + kBlsd + QStringLiteral(" "));
    d.Me1->setText(QStringLiteral("14/03/2025"));
    d.Edit1->setText(QStringLiteral("  Siena "));
    d.Edit2->setText(QStringLiteral(" BL-2025-04 "));
    d.Button1->click();
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    QVERIFY(d.isVisible());
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 1);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from Titoli")).toLongLong();
    QCOMPARE(d.id(), id);
    QCOMPARE(col(id, "IDVOLONTARIO").toLongLong(), p);
    QCOMPARE(col(id, "CODICE").toString(), QStringLiteral("BLSD"));
    QCOMPARE(col(id, "DATAESAME").toDate(), QDate(2025, 3, 14));
    QCOMPARE(col(id, "LUOGO").toString(), QStringLiteral("Siena"));
    QCOMPARE(col(id, "NMRATTESTATO").toString(), QStringLiteral("BL-2025-04"));
    QVERIFY(col(id, "SCADENZA").isNull());  // blank "Scadenza": no expiry

    // The view lists it as a qualification of Titoli with its description.
    QCOMPARE(viewCol(id, "TIP").toString(), QStringLiteral("T"));
    QCOMPARE(viewCol(id, "DESCRIZIONE").toString(), kBlsd);
    QCOMPARE(viewCol(id, "IDVOLONTARIO").toLongLong(), p);
    QCOMPARE(viewCol(id, "DATAESAME").toDate(), QDate(2025, 3, 14));

    // A second "Salva" updates the same qualification.
    d.Cb1->setCurrentIndex(d.Cb1->findText(QStringLiteral("Trasporto Sanitario Semplice")));
    d.Me2->setText(QStringLiteral("14/03/2027"));
    d.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 1);
    QCOMPARE(d.id(), id);
    QCOMPARE(col(id, "CODICE").toString(), QStringLiteral("TSS"));
    QCOMPARE(col(id, "SCADENZA").toDate(), QDate(2027, 3, 14));
    QCOMPARE(viewCol(id, "DESCRIZIONE").toString(), QStringLiteral("Trasporto Sanitario Semplice"));
}

void TstTitoli::editKeepsStoredExpiry()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Bianchi Laura"));
    const qint64 other = TestDb::addPerson(QStringLiteral("Verdi Gino"));
    const qint64 expiring = addTitolo(p, QStringLiteral("BLSD"), QStringLiteral("2024-05-02"), QStringLiteral("2026-05-02"));
    const qint64 lasting = addTitolo(p, QStringLiteral("DIU"), QStringLiteral("2019-11-20"), QString());
    const qint64 untouched = addTitolo(other, QStringLiteral("BLSD"), QStringLiteral("2020-01-01"), QStringLiteral("2022-01-01"));

    {
        TFoTitoli d;
        d.setVolontario(p);
        d.setId(expiring);
        d.show();
        QCOMPARE(d.Cb1->currentText(), kBlsd);
        QCOMPARE(d.Me1->text(), QStringLiteral("02/05/2024"));
        QCOMPARE(d.Me2->text(), QStringLiteral("02/05/2026"));  // the stored expiry, not today
        QCOMPARE(d.Edit1->text(), QStringLiteral("Siena"));
        QCOMPARE(d.Edit2->text(), QStringLiteral("A-17"));
        QVERIFY(d.Cb1->count() > 1);
        Answerer a;
        d.Edit1->setText(QStringLiteral("Arezzo"));
        d.Button1->click();
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(d.id(), expiring);
    }
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 3);
    QCOMPARE(col(expiring, "LUOGO").toString(), QStringLiteral("Arezzo"));
    QCOMPARE(col(expiring, "SCADENZA").toDate(), QDate(2026, 5, 2));
    QCOMPARE(col(expiring, "DATAESAME").toDate(), QDate(2024, 5, 2));
    QCOMPARE(col(expiring, "CODICE").toString(), QStringLiteral("BLSD"));

    {
        TFoTitoli d;
        d.setVolontario(p);
        d.setId(lasting);
        d.show();
        QCOMPARE(d.Cb1->currentText(), QStringLiteral("Diritto Internazionale Umanitario"));
        QCOMPARE(d.Me2->text(), QStringLiteral("  /  /    "));
        Answerer a;
        d.Edit2->setText(QStringLiteral("DIU-88"));
        d.Button1->click();
        QVERIFY(a.messages().isEmpty());
    }
    QVERIFY(col(lasting, "SCADENZA").isNull());
    QCOMPARE(col(lasting, "NMRATTESTATO").toString(), QStringLiteral("DIU-88"));
    QCOMPARE(col(untouched, "LUOGO").toString(), QStringLiteral("Siena"));
    QCOMPARE(col(untouched, "SCADENZA").toDate(), QDate(2022, 1, 1));
}

void TstTitoli::titleOutsideTheList()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Neri Anna"));
    TFoTitoli d;
    d.setVolontario(p);
    d.show();
    Answerer a;
    d.Cb1->setEditText(QStringLiteral("Corso di cucina"));
    d.Me1->setText(QStringLiteral("01/09/2025"));
    d.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(col(d.id(), "CODICE").toString(), QString());
    QCOMPARE(viewCol(d.id(), "TIP").toString(), QStringLiteral("T"));
    QCOMPARE(viewCol(d.id(), "DESCRIZIONE").toString(), QString());
}

void TstTitoli::invalidDatesWriteNothing_data()
{
    QTest::addColumn<QString>("esame");
    QTest::addColumn<QString>("scadenza");
    QTest::newRow("exam date blank") << QString() << QStringLiteral("01/01/2030");
    QTest::newRow("exam date impossible") << QStringLiteral("31/02/2025") << QString();
    QTest::newRow("exam date half typed") << QStringLiteral("12/0") << QString();
    QTest::newRow("expiry impossible") << QStringLiteral("10/10/2024") << QStringLiteral("99/99/2030");
    QTest::newRow("expiry half typed") << QStringLiteral("10/10/2024") << QStringLiteral("10/10");
}

void TstTitoli::invalidDatesWriteNothing()
{
    QFETCH(QString, esame);
    QFETCH(QString, scadenza);
    const qint64 p = TestDb::addPerson(QStringLiteral("Gialli Carlo"));
    const qint64 stored = addTitolo(p, QStringLiteral("SAV"), QStringLiteral("2023-06-06"), QStringLiteral("2025-06-06"));
    for (qint64 key : {qint64(0), stored}) {
        TFoTitoli d;
        d.setVolontario(p);
        d.setId(key);
        d.show();
        d.Cb1->setEditText(kBlsd);
        d.Edit1->setText(QStringLiteral("Altrove"));
        d.Me1->setText(esame);
        d.Me2->setText(scadenza);
        Answerer a;
        d.Button1->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages().first().icon, QMessageBox::Critical);
        QVERIFY(a.messages().first().text.contains(QStringLiteral("non è una data valida")));
        QCOMPARE(d.id(), key);
    }
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 1);
    QCOMPARE(col(stored, "CODICE").toString(), QStringLiteral("SAV"));
    QCOMPARE(col(stored, "LUOGO").toString(), QStringLiteral("Siena"));
    QCOMPARE(col(stored, "SCADENZA").toDate(), QDate(2025, 6, 6));
}

void TstTitoli::courseRowIsNotOverwritten()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Viola Ada"));
    const qint64 course = addCourseTitle(p, QStringLiteral("PTC"));
    QVERIFY(course < 0);
    // A qualification of Titoli whose key equals the course row's participant key.
    qint64 clash = 0;
    while (clash < -course) clash = addTitolo(TestDb::addPerson(QStringLiteral("Altro")), QStringLiteral("GUIDA"),
                                              QStringLiteral("2018-08-08"), QString());
    QCOMPARE(viewCol(course, "TIP").toString(), QStringLiteral("C"));
    QCOMPARE(viewCol(course, "DESCRIZIONE").toString(), QStringLiteral("PTC - Trauma Care"));
    const qint64 before = TestDb::count(QStringLiteral("Titoli"));

    TFoTitoli d;
    d.setVolontario(p);
    d.setId(course);
    d.show();
    QCOMPARE(d.Cb1->currentText(), QString());
    QCOMPARE(d.Me1->text(), QStringLiteral("  /  /    "));
    Answerer a;
    d.Cb1->setEditText(QStringLiteral("Guida Mezzi di Soccorso"));
    d.Me1->setText(QStringLiteral("03/03/2026"));
    d.Button1->click();
    QVERIFY(a.messages().isEmpty());
    // Saved as a new qualification of this person; nothing else changed.
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), before + 1);
    QVERIFY(d.id() > clash);
    QCOMPARE(col(d.id(), "IDVOLONTARIO").toLongLong(), p);
    QCOMPARE(col(d.id(), "DATAESAME").toDate(), QDate(2026, 3, 3));
    QCOMPARE(col(clash, "DATAESAME").toDate(), QDate(2018, 8, 8));
    QVERIFY(col(clash, "IDVOLONTARIO").toLongLong() != p);
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1").arg(p)), 2);
}

void TstTitoli::sameTitleTwice()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Blu Sara"));
    for (const QString &when : {QStringLiteral("05/05/2021"), QStringLiteral("07/07/2024")}) {
        TFoTitoli d;
        d.setVolontario(p);
        d.show();
        d.Cb1->setEditText(kBlsd);
        d.Me1->setText(when);
        Answerer a;
        d.Button1->click();
        QVERIFY(a.messages().isEmpty());
    }
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1 and DESCRIZIONE='%2'").arg(p).arg(kBlsd)), 2);
    QCOMPARE(TestDb::scalar(QStringLiteral("select MAX(DATAESAME) from Titolic where IDVOLONTARIO=%1 and DESCRIZIONE='%2'")
                                .arg(p).arg(kBlsd)).toDate(),
             QDate(2024, 7, 7));
}

void TstTitoli::deleteOnlyTitoliRows()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Oro Pia"));
    const qint64 t = addTitolo(p, QStringLiteral("TSS"), QStringLiteral("2022-02-02"), QString());
    const qint64 c = addCourseTitle(p, QStringLiteral("BLSD"));
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1").arg(p)), 2);

    // A course row is left alone, even where its key, made positive, names a Titoli row.
    QVERIFY(!TFoTitoli::deleteQualification(QStringLiteral("C"), c));
    QVERIFY(!TFoTitoli::deleteQualification(QStringLiteral("C"), t));
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1").arg(p)), 2);

    QVERIFY(TFoTitoli::deleteQualification(QStringLiteral("T"), t));
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1").arg(p)), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select TIP from Titolic where IDVOLONTARIO=%1").arg(p)).toString(), QStringLiteral("C"));
    QVERIFY(!TFoTitoli::deleteQualification(QStringLiteral("T"), t));  // already gone
}

void TstTitoli::openForFromTheRecord()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Marrone Ivo"));
    const qint64 t = addTitolo(p, QStringLiteral("OPEM"), QStringLiteral("2021-04-04"), QStringLiteral("2031-04-04"));
    QWidget record;
    Answerer a;
    QString shownExpiry;
    a.onDialog(QStringLiteral("TFoTitoli"), [&shownExpiry](QWidget *w) {
        auto *d = static_cast<TFoTitoli *>(w);
        shownExpiry = d->Me2->text();
        d->Edit2->setText(QStringLiteral("OP-1"));
        d->Button1->click();
        d->reject();
    });
    TFoTitoli::openFor(&record, p, t);
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoTitoli")});
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(shownExpiry, QStringLiteral("04/04/2031"));
    QCOMPARE(col(t, "NMRATTESTATO").toString(), QStringLiteral("OP-1"));
    QCOMPARE(col(t, "SCADENZA").toDate(), QDate(2031, 4, 4));
    QVERIFY(record.findChildren<TFoTitoli *>().isEmpty());
}

QTEST_MAIN(TstTitoli)
#include "tst_titoli.moc"
