// The volunteer record: loading and saving every group of fields, a new person with its
// defaults, the placeholder of empty document dates, the audit lines, the save that
// leaves nothing behind on an error, the availability slots, the clothing rows, what each
// digit may see and change, and the main-window entries that open the user's own record.
#include "app/TFormMain.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "shifts/TFoDispo.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoVolontario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

// Types a text into a box as a user would: the box is emptied first.
void type(QWidget *w, const QString &text)
{
    if (auto *c = qobject_cast<QComboBox *>(w)) w = c->lineEdit();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
        m->setPlainText(text);
        return;
    }
    auto *e = qobject_cast<QLineEdit *>(w);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    if (auto *me = qobject_cast<vlm::MaskEdit *>(e)) {
        me->setText(text);
        return;
    }
    // Character by character, accented letters included.
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QString shown(QWidget *w)
{
    if (auto *c = qobject_cast<QComboBox *>(w)) return c->currentText();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w)) return m->toPlainText();
    if (auto *me = qobject_cast<vlm::MaskEdit *>(w)) return me->text().trimmed();  // number boxes show blanks
    return qobject_cast<QLineEdit *>(w)->text();
}

QString column(qint64 id, const QString &col)
{
    const QVariant v = TestDb::scalar(QStringLiteral("select %1 from volontari where ID=%2").arg(col).arg(id));
    if (v.typeId() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    return v.toString();
}

QStringList tabsShown(const TFoVolontario &f)
{
    QStringList out;
    for (int i = 0; i < f.PageControl1->count(); ++i)
        if (f.PageControl1->isTabVisible(i)) out << f.PageControl1->tabText(i);
    return out;
}

QStringList logLines()
{
    QStringList out;
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("select TESTO from LogVlm order by ID"));
    q.open();
    for (; !q.eof(); q.next()) out << q.str(QStringLiteral("TESTO"));
    return out;
}

qint64 addSlot(const QString &descr, int giorno, const QString &orai, const QString &attivo = QStringLiteral("S"))
{
    TestDb::exec(QStringLiteral("insert into OrariTurni(TIPO,DESCRIZ,GIORNO,ORAI,ORAF,ATTIVO) values('118','%1',%2,'%3','%3','%4')")
                     .arg(descr).arg(giorno).arg(orai, attivo));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// A record window opened on a person with a digit.
struct Record {
    Record(qint64 id, int digit)
    {
        f.setCodice(id);
        f.setLivello(digit);
        f.show();
    }
    TFoVolontario f;
};

}  // namespace

class TstVolontario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void roundTrip_data();
    void roundTrip();
    void preferencesRoundTrip();
    void newPersonDefaultsThenUpdate();
    void defaultLogin_data();
    void defaultLogin();
    void documentDates();
    void invalidDocumentDateStopsSave();
    void auditLines();
    void failedSaveLeavesNothing();
    void availabilitySlots();
    void availabilityDoubleClickOpensPeriod();
    void clothingRows();
    void accessByDigit_data();
    void accessByDigit();
    void hiddenLevelsWrittenBackUnchanged();
    void tutorShownForTrainees();
    void mainWindowOpensOwnRecord_data();
    void mainWindowOpensOwnRecord();
};

// Each box of the record: what is typed, the column it is stored in and how it is stored.
void TstVolontario::roundTrip_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("col");
    QTest::addColumn<QString>("stored");
    auto row = [](const char *ctl, const QString &typed, const char *col, const QString &stored) {
        QTest::newRow(ctl) << QString::fromLatin1(ctl) << typed << QString::fromLatin1(col) << stored;
    };
    // Dati Anagrafici
    row("Nome", QStringLiteral("D'Angelo Maria"), "Nome", QStringLiteral("D'Angelo Maria"));
    row("Indirizzo", QStringLiteral("Via Roma 3"), "Indirizzo", QStringLiteral("Via Roma 3"));
    row("Edit1", QStringLiteral("50100"), "CAP", QStringLiteral("50100"));
    row("Edit2", QStringLiteral("Firenze"), "Citta", QStringLiteral("Firenze"));
    row("ComboBox3", QStringLiteral("PO"), "Provincia", QStringLiteral("PO"));
    row("MaskEdit1", QStringLiteral("12/03/1980"), "Datadinascita", QStringLiteral("12/03/1980"));
    row("Edit3", QStringLiteral("Prato"), "Luogodinascita", QStringLiteral("Prato"));
    row("ComboBox2", QStringLiteral("M "), "Sesso", QStringLiteral("M "));
    row("MaskEdit2", QStringLiteral("DNGMRA80C52G999X"), "Codicefiscale", QStringLiteral("DNGMRA80C52G999X"));
    row("MaskEdit7", QStringLiteral("72"), "Peso", QStringLiteral("72"));
    row("MaskEdit8", QStringLiteral("168"), "Altezza", QStringLiteral("168"));
    row("Edit4", QStringLiteral("055 123456"), "Telefono", QStringLiteral("055 123456"));
    row("Edit6", QStringLiteral("333 1111111"), "Cellulare", QStringLiteral("333 1111111"));
    row("Edit7", QStringLiteral("333 2222222"), "Cellulare2", QStringLiteral("333 2222222"));
    row("Edit5", QStringLiteral("maria@example.org"), "Mail", QStringLiteral("maria@example.org"));
    row("Edit26", QStringLiteral("m2@example.org"), "Mail2", QStringLiteral("m2@example.org"));
    // Informazioni
    row("Edit8", QStringLiteral("Laurea"), "Titolodistudio", QStringLiteral("Laurea"));
    row("Edit9", QStringLiteral("Infermiera"), "Professione", QStringLiteral("Infermiera"));
    row("ComboBox4", QStringLiteral("Tirocinio SA "), "LivelloA1", QStringLiteral("Tirocinio SA "));
    row("ComboBox9", QStringLiteral("Dipendente "), "TIPO", QStringLiteral("Dipendente "));
    // Documenti
    row("ComboBox5", QStringLiteral("Carta d'identità"), "TipoDoc", QStringLiteral("Carta d'identità"));
    row("Edit11", QStringLiteral("CA12345"), "Documento", QStringLiteral("CA12345"));
    row("Edit18", QStringLiteral("Comune di Prato"), "EnteDoc", QStringLiteral("Comune di Prato"));
    row("MaskEdit3", QStringLiteral("01/02/2020"), "DataDoc", QStringLiteral("2020-02-01"));
    row("MaskEdit4", QStringLiteral("01/02/2030"), "ScadDoc", QStringLiteral("2030-02-01"));
    row("ComboBox6", QStringLiteral("Passaporto"), "TipoDoc2", QStringLiteral("Passaporto"));
    row("Edit12", QStringLiteral("YA998877"), "Documento2", QStringLiteral("YA998877"));
    row("Edit19", QStringLiteral("Questura"), "EnteDoc2", QStringLiteral("Questura"));
    row("MaskEdit5", QStringLiteral("15/06/2021"), "DataDoc2", QStringLiteral("2021-06-15"));
    row("MaskEdit6", QStringLiteral("14/06/2031"), "ScadDoc2", QStringLiteral("2031-06-14"));
    row("Memo2", QStringLiteral("Occhiali\nobbligatori"), "NOTEP", QStringLiteral("Occhiali\nobbligatori"));
    // Altro
    row("Utente", QStringLiteral("mdangelo"), "Utente", QStringLiteral("mdangelo"));
    row("Password", QStringLiteral("s3greta"), "Password", QStringLiteral("s3greta"));
    row("ComboBox1", QStringLiteral("Dismesso "), "stato", QStringLiteral("Dismesso "));
    row("Edit10", QStringLiteral("1"), "LivelloF", QStringLiteral("1"));
    row("Edit13", QStringLiteral("2"), "LivelloM", QStringLiteral("2"));
    row("Edit14", QStringLiteral("3"), "LivelloS", QStringLiteral("3"));
    row("Edit15", QStringLiteral("5"), "LivelloV", QStringLiteral("5"));
    row("Edit16", QStringLiteral("6"), "LivelloA", QStringLiteral("6"));
    row("Edit17", QStringLiteral("7"), "LivelloP", QStringLiteral("7"));
    row("Edit24", QStringLiteral("lm.user"), "MOBILE_UTN", QStringLiteral("lm.user"));
    row("Edit25", QStringLiteral("lm.pass"), "MOBILE_PAS", QStringLiteral("lm.pass"));
    row("Memo1", QStringLiteral("Disponibile il sabato"), "Note", QStringLiteral("Disponibile il sabato"));
    row("Memo3", QStringLiteral("Riservato"), "NoteI", QStringLiteral("Riservato"));
}

void TstVolontario::roundTrip()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, col);
    QFETCH(QString, stored);
    const qint64 id = TestDb::addPerson(QStringLiteral("Rossi Mario"),
                                        QStringLiteral("Utente,Password,stato,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP"),
                                        QStringLiteral("'mrossi','pw','Attivo',9,9,9,9,9,9"));
    const QString before = TestDb::scalar(QStringLiteral("select concat_ws('|',Nome,Utente,stato,LivelloV,DataDoc) from volontari")).toString();
    Answerer a;
    {
        Record r(id, 9);
        auto *w = r.f.findChild<QWidget *>(control);
        QVERIFY2(w, qPrintable(control));
        type(w, typed);
        r.f.Button1->click();
        QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    }
    QCOMPARE(TestDb::count(QStringLiteral("volontari")), 1);
    QCOMPARE(column(id, col), stored);
    // Opened again, the box shows what was typed; the other columns kept their values.
    Record again(id, 9);
    QCOMPARE(shown(again.f.findChild<QWidget *>(control)), typed);
    if (!QStringList{QStringLiteral("Nome"), QStringLiteral("Utente"), QStringLiteral("ComboBox1"), QStringLiteral("Edit15"),
                     QStringLiteral("MaskEdit3")}.contains(control))
        QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',Nome,Utente,stato,LivelloV,DataDoc) from volontari")).toString(),
                 before);
}

void TstVolontario::preferencesRoundTrip()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("Area2,OpemN"), QStringLiteral("'SI','SI'"));
    const QStringList cols = {QStringLiteral("Area1"),     QStringLiteral("Area2"),     QStringLiteral("Area3"),
                              QStringLiteral("Area4"),     QStringLiteral("Area5"),     QStringLiteral("Area6"),
                              QStringLiteral("Ordinarie"), QStringLiteral("Emergenza"), QStringLiteral("Opem"),
                              QStringLiteral("NoAmbulanza"), QStringLiteral("OpemN"),   QStringLiteral("SerCivile")};
    Record r(id, 8);
    QList<QCheckBox *> boxes;
    for (int i = 1; i <= 12; ++i) boxes << r.f.findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(i));
    for (int i = 0; i < 12; ++i) QCOMPARE(boxes[i]->isChecked(), i == 1 || i == 10);
    QCOMPARE(boxes[9]->text(), QStringLiteral("No Ambulanza"));
    // Tick the odd boxes, untick the others.
    for (int i = 0; i < 12; ++i)
        if (boxes[i]->isChecked() != (i % 2 == 0)) boxes[i]->click();
    Answerer a;
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    for (int i = 0; i < 12; ++i) QCOMPARE(column(id, cols[i]), i % 2 == 0 ? QStringLiteral("SI") : QString());
}

void TstVolontario::newPersonDefaultsThenUpdate()
{
    Record r(0, 9);
    QCOMPARE(r.f.windowTitle(), QStringLiteral("FoVolontario"));
    QCOMPARE(r.f.PageControl1->currentWidget(), r.f.TabInformazioni);
    QCOMPARE(r.f.Codice->text(), QStringLiteral("0"));
    QCOMPARE(r.f.MaskEdit7->text().trimmed(), QStringLiteral("0"));
    QVERIFY(!r.f.CheckBox1->isChecked());
    TestDb::addPerson(QStringLiteral("Altro Tizio"));  // another key before ours
    type(r.f.Nome, QStringLiteral("Bianchi Luca"));
    Answerer a;
    r.f.Button1->click();
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from volontari where Nome='Bianchi Luca'")).toLongLong();
    QVERIFY(id > 0);
    QCOMPARE(r.f.codice(), id);
    QCOMPARE(r.f.Codice->text(), QString::number(id));
    // The defaults are in the boxes and in the row.
    QCOMPARE(r.f.Utente->text(), QStringLiteral("BianchiL"));
    QCOMPARE(r.f.Password->text(), QStringLiteral("9573"));
    QCOMPARE(r.f.ComboBox1->currentText(), QStringLiteral("Attivo"));
    for (QLineEdit *e : {r.f.Edit10, r.f.Edit13, r.f.Edit14, r.f.Edit15, r.f.Edit16, r.f.Edit17})
        QCOMPARE(e->text(), QStringLiteral("4"));
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',Utente,Password,stato,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,"
                                           "LivelloP,Peso,Altezza,DataDoc,ScadDoc2) from volontari where ID=%1").arg(id))
                 .toString(),
             QStringLiteral("BianchiL|9573|Attivo|4|4|4|4|4|4|0|0|1000-01-01|1000-01-01"));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    // A second save updates the same row.
    type(r.f.Edit9, QStringLiteral("Autista"));
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("volontari")), 2);
    QCOMPARE(column(id, QStringLiteral("Professione")), QStringLiteral("Autista"));
    QCOMPARE(r.f.codice(), id);
}

void TstVolontario::defaultLogin_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("login");
    QTest::newRow("surname and name") << "Rossi Mario" << "RossiM";
    QTest::newRow("two given names") << "De Luca Anna Maria" << "DeL";
    QTest::newRow("no blank") << "Rossi" << "R";
    QTest::newRow("empty") << "" << "";
}

void TstVolontario::defaultLogin()
{
    QFETCH(QString, nome);
    QFETCH(QString, login);
    QCOMPARE(TFoVolontario::defaultLogin(nome), login);
}

void TstVolontario::documentDates()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("Verdi Anna"), QStringLiteral("DataDoc,ScadDoc,DataDoc2,ScadDoc2"),
                                        QStringLiteral("'2019-05-04','1000-01-01',NULL,'2029-05-03'"));
    Answerer a;
    {
        Record r(id, 9);
        QCOMPARE(r.f.MaskEdit3->text(), QStringLiteral("04/05/2019"));
        QCOMPARE(r.f.MaskEdit4->text(), QStringLiteral("  /  /    "));  // the placeholder reads as empty
        QCOMPARE(r.f.MaskEdit5->text(), QStringLiteral("  /  /    "));
        QCOMPARE(r.f.MaskEdit6->text(), QStringLiteral("03/05/2029"));
        // Emptying a date stores the placeholder; a typed one is stored as the date.
        type(r.f.MaskEdit3, QString());
        type(r.f.MaskEdit4, QStringLiteral("29/02/2028"));
        r.f.Button1->click();
        QVERIFY(a.messages().isEmpty());
    }
    QCOMPARE(column(id, QStringLiteral("DataDoc")), QStringLiteral("1000-01-01"));
    QCOMPARE(column(id, QStringLiteral("ScadDoc")), QStringLiteral("2028-02-29"));
    QCOMPARE(column(id, QStringLiteral("DataDoc2")), QStringLiteral("1000-01-01"));
    QCOMPARE(column(id, QStringLiteral("ScadDoc2")), QStringLiteral("2029-05-03"));
    Record r(id, 9);
    QCOMPARE(r.f.MaskEdit3->text(), QStringLiteral("  /  /    "));
    QCOMPARE(r.f.MaskEdit4->text(), QStringLiteral("29/02/2028"));
}

void TstVolontario::invalidDocumentDateStopsSave()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("Verdi Anna"));
    Record r(id, 9);
    type(r.f.Edit9, QStringLiteral("Cuoca"));
    type(r.f.MaskEdit6, QStringLiteral("31/02/2030"));
    r.f.appendVestito();
    Answerer a;
    r.f.Button1->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    // Nothing written; the defaults stay in the boxes.
    QCOMPARE(column(id, QStringLiteral("Professione")), QString());
    QCOMPARE(column(id, QStringLiteral("Password")), QString());
    QCOMPARE(TestDb::count(QStringLiteral("Vestiti")), 0);
    QCOMPARE(r.f.Password->text(), QStringLiteral("9573"));
    QCOMPARE(r.f.Utente->text(), QStringLiteral("VerdiA"));
}

void TstVolontario::auditLines()
{
    qputenv("COMPUTERNAME", "DESK-1");
    const qint64 id = TestDb::addPerson(QStringLiteral(" Gialli Pietro "), QStringLiteral("LivelloA1,stato,TIPO"),
                                        QStringLiteral("'SA','Attivo','Volontario'"));
    Answerer a;
    // Loading and saving without changes writes nothing.
    Record r(id, 9);
    QVERIFY(!r.f.roleChanged() && !r.f.stateChanged());
    r.f.Button1->click();
    QVERIFY(logLines().isEmpty());

    // The role changes, then the state: one line each, the role first.
    type(r.f.ComboBox4, QStringLiteral("TS "));
    r.f.ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(r.f.ComboBox1->lineEdit(), QStringLiteral("Riserva"));
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(logLines(), (QStringList{QStringLiteral("Gialli Pietro Passato a: TS"), QStringLiteral("Gialli Pietro Passato a: Riserva")}));
    QCOMPARE(TestDb::scalar(QStringLiteral("select POSTAZIONE from LogVlm limit 1")).toString(), QStringLiteral("DESK-1"));
    // The marks stay until the next load: a second save writes both lines again.
    r.f.Button1->click();
    QCOMPARE(logLines().size(), 4);

    // A fresh load clears them; changing the type alone writes the unchanged role.
    TestDb::exec(QStringLiteral("delete from LogVlm"));
    Record t(id, 9);
    type(t.f.ComboBox9, QStringLiteral("Militare "));
    t.f.Button1->click();
    QCOMPARE(logLines(), QStringList{QStringLiteral("Gialli Pietro Passato a: TS")});
}

void TstVolontario::failedSaveLeavesNothing()
{
    const qint64 slot = addSlot(QStringLiteral("Lunedì mattina"), 2, QStringLiteral("08:00"));
    Answerer a;
    {
        // A new person whose level is no number: the server refuses the row.
        Record r(0, 9);
        type(r.f.Nome, QStringLiteral("Neri Carla"));
        type(r.f.Edit10, QStringLiteral("x"));
        r.f.PageControl1->setCurrentWidget(r.f.TabAbbigliamento);
        r.f.appendVestito();
        r.f.PageControl1->setCurrentWidget(r.f.TabDisponibilita);
        r.f.CheckListBox1->item(0)->setCheckState(Qt::Checked);
        r.f.Button1->click();
        QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
        QCOMPARE(TestDb::count(QStringLiteral("volontari")), 0);
        QCOMPARE(TestDb::count(QStringLiteral("Vestiti")), 0);
        QCOMPARE(TestDb::count(QStringLiteral("disponibilita")), 0);
        QCOMPARE(r.f.codice(), qint64(0));
        QCOMPARE(r.f.Codice->text(), QStringLiteral("0"));
        QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
        QCOMPARE(r.f.Nome->text(), QStringLiteral("Neri Carla"));  // the values typed stay
        QVERIFY(r.f.isVisible());
        // Corrected, the same window saves everything once.
        type(r.f.Edit10, QStringLiteral("3"));
        r.f.Button1->click();
        QVERIFY(a.messages().isEmpty());
        QCOMPARE(TestDb::count(QStringLiteral("volontari")), 1);
        QVERIFY(r.f.codice() > 0);
        QCOMPARE(TestDb::count(QStringLiteral("Vestiti"), QStringLiteral("IDV=%1").arg(r.f.codice())), 1);
        QCOMPARE(TestDb::count(QStringLiteral("disponibilita"), QStringLiteral("IDV=%1 and IDT=%2").arg(r.f.codice()).arg(slot)), 1);
    }
    // A stored person keeps its row as it was.
    const qint64 id = TestDb::addPerson(QStringLiteral("Blu Dario"), QStringLiteral("Professione"), QStringLiteral("'Fabbro'"));
    Record r(id, 9);
    type(r.f.Edit9, QStringLiteral("Idraulico"));
    type(r.f.Edit17, QStringLiteral("9999999999999"));
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(column(id, QStringLiteral("Professione")), QStringLiteral("Fabbro"));
    QCOMPARE(column(id, QStringLiteral("Utente")), QString());
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstVolontario::availabilitySlots()
{
    const qint64 sMon = addSlot(QStringLiteral("Lunedì mattina"), 2, QStringLiteral("08:00"));
    const qint64 sSun = addSlot(QStringLiteral("Domenica sera"), 1, QStringLiteral("20:00"));
    const qint64 sOff = addSlot(QStringLiteral("Vecchio turno"), 3, QStringLiteral("08:00"), QStringLiteral("N"));
    const qint64 sTue = addSlot(QStringLiteral("Martedì notte"), 3, QStringLiteral("22:00"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Viola Elena"));
    const qint64 other = TestDb::addPerson(QStringLiteral("Altro Tizio"));
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,IDT) values(%1,%2),(%3,%4),(%1,%5)").arg(id).arg(sMon).arg(other).arg(sTue).arg(sOff));
    TestDb::exec(QStringLiteral("insert into disponibilita(IDV,DATAI,DATAF) values(%1,'2026-01-01','2026-01-31')").arg(id));

    Answerer a;
    {
        // Saved without showing the tab: the slots stay as they are.
        Record r(id, 9);
        type(r.f.Edit9, QStringLiteral("Autista"));
        r.f.Button1->click();
        QCOMPARE(TestDb::count(QStringLiteral("disponibilita")), 4);
    }
    Record r(id, 9);
    r.f.PageControl1->setCurrentWidget(r.f.TabDisponibilita);
    QCOMPARE(r.f.CheckListBox1->width(), 201);
    QStringList items;
    QList<bool> checked;
    for (int i = 0; i < r.f.CheckListBox1->count(); ++i) {
        items << r.f.CheckListBox1->item(i)->text();
        checked << (r.f.CheckListBox1->item(i)->checkState() == Qt::Checked);
    }
    QCOMPARE(items, (QStringList{QStringLiteral("%1 Domenica sera").arg(sSun), QStringLiteral("%1 Lunedì mattina").arg(sMon),
                                 QStringLiteral("%1 Martedì notte").arg(sTue)}));
    QCOMPARE(checked, (QList<bool>{false, true, false}));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));

    // Monday off, Sunday and Tuesday on.
    r.f.CheckListBox1->item(0)->setCheckState(Qt::Checked);
    r.f.CheckListBox1->item(1)->setCheckState(Qt::Unchecked);
    r.f.CheckListBox1->item(2)->setCheckState(Qt::Checked);
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    auto slotRows = [id] {
        QList<qint64> out;
        vlm::Query q(QStringLiteral("TEST"));
        q.add(QStringLiteral("select IDT from disponibilita where IDV=%1 and IDT is not null order by IDT").arg(id));
        q.open();
        for (; !q.eof(); q.next()) out << q.integer(QStringLiteral("IDT"));
        return out;
    };
    QList<qint64> expected{sSun, sOff, sTue};
    std::sort(expected.begin(), expected.end());
    QCOMPARE(slotRows(), expected);  // the inactive slot, not listed, is left alone
    // A second save adds nothing; the other person's row and the period row stay.
    r.f.Button1->click();
    QCOMPARE(slotRows(), expected);
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita"), QStringLiteral("IDV=%1").arg(other)), 1);
    QCOMPARE(TestDb::count(QStringLiteral("disponibilita"), QStringLiteral("IDT is null")), 1);
}

void TstVolontario::availabilityDoubleClickOpensPeriod()
{
    addSlot(QStringLiteral("Lunedì mattina"), 2, QStringLiteral("08:00"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Viola Elena"), QStringLiteral("Professione"), QStringLiteral("'Cuoca'"));
    Record r(id, 9);
    r.f.PageControl1->setCurrentWidget(r.f.TabDisponibilita);
    type(r.f.Edit9, QStringLiteral("non salvato"));
    Answerer a;
    qint64 seenVol = -1, seenId = -1;
    a.onDialog(QStringLiteral("TFoDispo"), [&](QWidget *w) {
        auto *d = static_cast<TFoDispo *>(w);
        seenVol = d->volontario();
        seenId = d->id();
        // The person's period, saved from the window opened by the record.
        TestDb::exec(QStringLiteral("update volontari set Professione='Fornaia' where ID=%1").arg(id));
        d->reject();
    });
    QListWidgetItem *item = r.f.CheckListBox1->item(0);
    const QPoint at = r.f.CheckListBox1->visualItemRect(item).center();
    QTest::mouseClick(r.f.CheckListBox1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(r.f.CheckListBox1->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoDispo")});
    QCOMPARE(seenVol, id);
    QCOMPARE(seenId, qint64(0));
    QVERIFY(a.messages().isEmpty());
    // Active again, the record is read afresh.
    QCOMPARE(r.f.Edit9->text(), QStringLiteral("Fornaia"));
}

void TstVolontario::clothingRows()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("Rosa Lia"));
    const qint64 other = TestDb::addPerson(QStringLiteral("Altro Tizio"));
    TestDb::exec(QStringLiteral("insert into Vestiti(IDV,CAPO,TAGLIA,DATACONS,DATARESO) values"
                                "(%1,'FELPA ','M','2024-03-01',NULL),(%1,'GIACCA TUTA','L','2025-01-10','2025-06-30'),"
                                "(%2,'CINTURA','U','2025-02-02',NULL)").arg(id).arg(other));
    Answerer a;
    Record r(id, 2);  // open to every digit
    r.f.PageControl1->setCurrentWidget(r.f.TabAbbigliamento);
    QAbstractItemModel *m = r.f.GridVestiti->model();
    QCOMPARE(m->columnCount(), 4);
    QStringList titles;
    for (int c = 0; c < 4; ++c) titles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"CAPO FORNITO", "TAGLIA", "CONSEGNA", "RESO"}));
    QCOMPARE(r.f.GridVestiti->columnWidth(0), 175);
    QCOMPARE(r.f.GridVestiti->columnWidth(2), 100);
    QCOMPARE(m->rowCount(), 2);  // newest first
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("GIACCA TUTA"));
    QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("30/06/2025"));
    QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("FELPA "));
    QCOMPARE(m->index(1, 3).data().toString(), QString());  // not given back

    // The felt jacket comes back; a new item is handed over today (Down on the last row).
    QVERIFY(m->setData(m->index(1, 3), QStringLiteral("15/04/2026")));
    QVERIFY(!m->setData(m->index(1, 2), QStringLiteral("32/13/2026")));  // no date: the cell keeps its own
    r.f.GridVestiti->setFocus();
    r.f.GridVestiti->setCurrentIndex(m->index(1, 1));
    QTest::keyClick(r.f.GridVestiti, Qt::Key_Down);
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->index(2, 2).data().toString(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QVERIFY(m->setData(m->index(2, 0), QStringLiteral("SCARPE DA LAVORO CON PUNTALE IN ACCIAIO E SUOLA")));  // any text, cut to 35
    QVERIFY(m->setData(m->index(2, 1), QStringLiteral("42")));
    r.f.Button1->click();
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));

    auto rows = [id] {
        QStringList out;
        vlm::Query q(QStringLiteral("TEST"));
        q.add(QStringLiteral("select concat_ws('|',CAPO,TAGLIA,date(DATACONS),ifnull(date(DATARESO),'-')) R from Vestiti where IDV=%1 order by ID").arg(id));
        q.open();
        for (; !q.eof(); q.next()) out << q.str(QStringLiteral("R"));
        return out;
    };
    const QStringList expected = {QStringLiteral("FELPA |M|2024-03-01|2026-04-15"),
                                  QStringLiteral("GIACCA TUTA|L|2025-01-10|2025-06-30"),
                                  QStringLiteral("SCARPE DA LAVORO CON PUNTALE IN ACC|42|%1|-").arg(QDate::currentDate().toString(Qt::ISODate))};
    QCOMPARE(rows(), expected);
    // A second save does not add the new item again.
    r.f.Button1->click();
    QCOMPARE(rows(), expected);
    QCOMPARE(TestDb::count(QStringLiteral("Vestiti"), QStringLiteral("IDV=%1").arg(other)), 1);
    // The pick list of the item cell.
    auto *editor = r.f.GridVestiti->itemDelegate()->createEditor(r.f.GridVestiti->viewport(), {}, m->index(0, 0));
    auto *cb = qobject_cast<QComboBox *>(editor);
    QVERIFY(cb && cb->isEditable());
    QCOMPARE(cb->count(), 8);
    QCOMPARE(cb->itemText(2), QStringLiteral("MAGLIETTA MANICA CORTA "));
    delete editor;
}

void TstVolontario::accessByDigit_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("history");   // the history tabs and "Altro"
    QTest::addColumn<bool>("personal");  // the personal boxes
    QTest::addColumn<bool>("prefs");
    QTest::addColumn<bool>("levels");    // level boxes shown, state enabled
    QTest::newRow("2") << 2 << false << false << false << false;
    QTest::newRow("3") << 3 << true << false << false << false;
    QTest::newRow("5") << 5 << true << true << false << false;
    QTest::newRow("8") << 8 << true << true << true << false;
    QTest::newRow("9") << 9 << true << true << true << true;
}

void TstVolontario::accessByDigit()
{
    QFETCH(int, digit);
    QFETCH(bool, history);
    QFETCH(bool, personal);
    QFETCH(bool, prefs);
    QFETCH(bool, levels);
    const qint64 id = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    Record r(id, digit);
    const QStringList always = {QStringLiteral("Dati Anagrafici"), QStringLiteral("Informazioni"), QStringLiteral("Documenti"),
                                QStringLiteral("Patenti"), QStringLiteral("Disponibilità"), QStringLiteral("Abbigliamento")};
    const QStringList all = {QStringLiteral("Dati Anagrafici"), QStringLiteral("Informazioni"), QStringLiteral("Documenti"),
                             QStringLiteral("Titoli"), QStringLiteral("Attività"), QStringLiteral("Servizi"),
                             QStringLiteral("Assegnati "), QStringLiteral("Patenti"), QStringLiteral("Disponibilità"),
                             QStringLiteral("Abbigliamento"), QStringLiteral("Altro")};
    QCOMPARE(tabsShown(r.f), history ? all : always);
    for (QWidget *w : std::initializer_list<QWidget *>{r.f.Nome, r.f.Indirizzo, r.f.Edit1, r.f.Edit2, r.f.Edit3, r.f.Edit4,
                                                       r.f.Edit5, r.f.Edit6, r.f.Edit7, r.f.Edit8, r.f.Edit9, r.f.MaskEdit1,
                                                       r.f.MaskEdit2, r.f.ComboBox2})
        QVERIFY2(w->isEnabled() == personal, qPrintable(w->objectName()));
    for (QWidget *w : std::initializer_list<QWidget *>{r.f.ComboBox3, r.f.MaskEdit7, r.f.MaskEdit8, r.f.Edit26, r.f.ComboBox5,
                                                       r.f.MaskEdit3, r.f.Utente, r.f.Password, r.f.Memo1, r.f.Button1})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    for (int i = 1; i <= 12; ++i) QCOMPARE(r.f.findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(i))->isEnabled(), prefs);
    r.f.PageControl1->setCurrentWidget(r.f.TabAltro);
    for (QLineEdit *e : {r.f.Edit10, r.f.Edit13, r.f.Edit14, r.f.Edit15, r.f.Edit16, r.f.Edit17})
        QCOMPARE(e->isVisibleTo(r.f.TabAltro), levels);
    QCOMPARE(r.f.ComboBox1->isEnabled(), levels);

    // Documents can be changed and saved at every digit.
    type(r.f.Edit11, QStringLiteral("AB%1").arg(digit));
    Answerer a;
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(column(id, QStringLiteral("Documento")), QStringLiteral("AB%1").arg(digit));
}

void TstVolontario::hiddenLevelsWrittenBackUnchanged()
{
    const qint64 id = TestDb::addPerson(QStringLiteral("Rossi Mario"),
                                        QStringLiteral("stato,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP"),
                                        QStringLiteral("'Sospeso',1,2,3,4,5,6"));
    Record r(id, 8);
    Answerer a;
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',stato,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP) from volontari")).toString(),
             QStringLiteral("Sospeso|1|2|3|4|5|6"));
}

void TstVolontario::tutorShownForTrainees()
{
    TestDb::addPerson(QStringLiteral("Tutor Uno"), QStringLiteral("stato"), QStringLiteral("'Attivo'"));
    TestDb::addPerson(QStringLiteral("Dipendente Due"), QStringLiteral("stato"), QStringLiteral("'Dipendente'"));
    TestDb::addPerson(QStringLiteral("Sospeso Tre"), QStringLiteral("stato"), QStringLiteral("'Sospeso'"));
    const qint64 id = TestDb::addPerson(QStringLiteral("Nuovo Arrivato"), QStringLiteral("LivelloA1,stato"), QStringLiteral("'Temporaneo','Attivo'"));
    Record r(id, 9);
    QVERIFY(!r.f.ComboBox8->isVisibleTo(&r.f));
    QVERIFY(!r.f.BtnMail->isVisibleTo(&r.f));
    QStringList tutors;
    for (int i = 0; i < r.f.ComboBox8->count(); ++i) tutors << r.f.ComboBox8->itemText(i);
    QCOMPARE(tutors, (QStringList{QString(), QStringLiteral("Dipendente Due"), QStringLiteral("Nuovo Arrivato"), QStringLiteral("Tutor Uno")}));
    type(r.f.ComboBox4, QStringLiteral("Tirocinio TS"));
    QVERIFY(r.f.ComboBox8->isVisibleTo(&r.f));
    QVERIFY(r.f.LabelTutor->isVisibleTo(&r.f));
    type(r.f.ComboBox8, QStringLiteral("Tutor Uno"));
    Answerer a;
    r.f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(column(id, QStringLiteral("TUTOR")), QStringLiteral("Tutor Uno"));
    type(r.f.ComboBox4, QStringLiteral("TS"));
    QVERIFY(!r.f.ComboBox8->isVisibleTo(&r.f));
}

void TstVolontario::mainWindowOpensOwnRecord_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QList<int>>("lv");  // F, M, S, V, A, P
    QTest::addColumn<int>("digit");
    QTest::newRow("Gestione") << "Gestione1" << QList<int>{0, 0, 9, 7, 0, 0} << 7;
    QTest::newRow("button Volontari") << "BtnVolontari" << QList<int>{0, 0, 0, 2, 0, 0} << 2;
    QTest::newRow("Assegnazione") << "Assegnazione1" << QList<int>{0, 0, 5, 9, 0, 0} << 5;
    QTest::newRow("Button2") << "Button2" << QList<int>{0, 0, 0, 8, 0, 0} << 0;
}

void TstVolontario::mainWindowOpensOwnRecord()
{
    QFETCH(QString, entry);
    QFETCH(QList<int>, lv);
    QFETCH(int, digit);
    const qint64 id = TestDb::addPerson(QStringLiteral("Bruni Sara"),
                                        QStringLiteral("Utente,Password,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP,Professione"),
                                        QStringLiteral("'sbruni','x',%1,%2,%3,%4,%5,%6,'Medico'")
                                            .arg(lv[0]).arg(lv[1]).arg(lv[2]).arg(lv[3]).arg(lv[4]).arg(lv[5]));
    qputenv("USERNAME", "sbruni");
    TFormMain w;
    QCOMPARE(w.userId(), id);
    Answerer a;
    qint64 seenId = -1;
    int seenDigit = -1;
    QString seenProf;
    QStringList seenTabs;
    a.onDialog(QStringLiteral("TFoVolontario"), [&](QWidget *d) {
        auto *f = static_cast<TFoVolontario *>(d);
        seenId = f->codice();
        seenDigit = f->livello();
        seenProf = f->Edit9->text();
        seenTabs = tabsShown(*f);
        f->reject();
    });
    if (auto *b = w.findChild<QAbstractButton *>(entry)) b->click();
    else w.findChild<QAction *>(entry)->trigger();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoVolontario")});
    QCOMPARE(seenId, id);
    QCOMPARE(seenDigit, digit);
    QCOMPARE(seenProf, QStringLiteral("Medico"));
    QCOMPARE(seenTabs.contains(QStringLiteral("Altro")), digit >= 3);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

QTEST_MAIN(TstVolontario)
#include "tst_volontario.moc"
