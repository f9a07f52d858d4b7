// Activities and courses: the list, the activity window with its sessions, the session
// window with its participants and results, the prefill from the enrolment session, the
// qualifications a fit participant earns, and the main window's entry.
#include "activities/TFoAttivita.h"
#include "activities/TFoEleAtt.h"
#include "activities/TFoIncontri.h"
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using vlmtest::TestDb;

namespace {

qint64 addActivity(const QString &codice, const QString &dal, const QString &al, const QString &descr,
                   const QString &chiuso = QStringLiteral(" "), const QString &titolo = QString())
{
    TestDb::exec(QStringLiteral("insert into Attivita(CODICE,DATAI,DATAF,LUOGO,DESCRIZIONE,TITOLO,CHIUSO) "
                                "values('%1','%2','%3','Sede','%4','%5','%6')")
                     .arg(codice, dal, al, descr, titolo, chiuso));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

qint64 addSession(qint64 ida, const QString &tipo, const QString &data, const QString &descr,
                  const QString &titolo = QString())
{
    TestDb::exec(QStringLiteral("insert into incontri(IDAttivita,TIPO,DATA,LUOGO,DESCRIZIONE,TITOLO) "
                                "values(%1,'%2','%3','Aula','%4','%5')")
                     .arg(ida)
                     .arg(tipo, data, descr, titolo));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

qint64 addParticipant(qint64 idi, qint64 idv, const QString &risultato, const QString &attestato = QString())
{
    TestDb::exec(QStringLiteral("insert into Partecipanti(IDINCONTRI,IdVolontario,Risultato,NMRATTESTATO) "
                                "values(%1,%2,'%3','%4')")
                     .arg(idi)
                     .arg(idv)
                     .arg(risultato, attestato));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

QStringList column(vlm::GridTable *t, const QString &field)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) out << t->text(r, field);
    return out;
}

QStringList items(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

QStringList listDescriptions(const QString &tipo)
{
    QStringList out;
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("select DESCRIZIONE from Elenchi where TIPO=:TIP order by DESCRIZIONE"));
    q.bindText(QStringLiteral("TIP"), tipo);
    q.open();
    for (; !q.eof(); q.next()) out << q.str(QStringLiteral("DESCRIZIONE"));
    q.close();
    return out;
}

// A participant row typed into the grid: name, result, certificate.
void typeRow(TFoIncontri &f, const QString &nome, const QString &risultato, const QString &attestato = QString())
{
    const int r = f.Tb1NewRecord();
    QAbstractItemModel *m = f.DBGrid1->model();
    QVERIFY(m->setData(m->index(r, 0), nome, Qt::EditRole));
    QVERIFY(m->setData(m->index(r, 1), risultato, Qt::EditRole));
    QVERIFY(m->setData(m->index(r, 2), attestato, Qt::EditRole));
}

// The stored participants of a session: "volunteer key|result|certificate", by key.
QStringList stored(qint64 idi)
{
    QStringList out;
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("select concat_ws('|',IdVolontario,Risultato,NMRATTESTATO) R from Partecipanti "
                         "where IDINCONTRI=:IDI order by ID"));
    q.bindInt(QStringLiteral("IDI"), idi);
    q.open();
    for (; !q.eof(); q.next()) out << q.str(QStringLiteral("R"));
    q.close();
    return out;
}

// Runs fn on the window once it is shown (after its own show handling).
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

}  // namespace

class TstAttivita : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listOrderKindsAndClosed();
    void newActivityStoredThenUpdated();
    void unknownKindStoredEmpty();
    void activitySaveRejectsBadDates_data();
    void activitySaveRejectsBadDates();
    void existingActivityWithSessions();
    void sessionWindowFromActivity();
    void plusOnNewActivityStoresItFirst();
    void newSessionWithParticipants();
    void sessionSaveRejectsBadDate();
    void cancellaDeletesCurrent();
    void caricaByKind_data();
    void caricaByKind();
    void caricaTwoEnrolmentSessions();
    void qualificationsFromSessions_data();
    void qualificationsFromSessions();
    void mainWindowEntry();
};

void TstAttivita::listOrderKindsAndClosed()
{
    addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-01-10"), QStringLiteral("2026-03-01"),
                QStringLiteral("Corso base di primavera per i nuovi volontari del gruppo"), QStringLiteral("X"));
    addActivity(QStringLiteral("CBLSD"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-02"), QStringLiteral("BLSD"));
    addActivity(QString(), QStringLiteral("2025-10-01"), QStringLiteral("2025-10-01"), QStringLiteral("Senza tipo"));

    TFoEleAtt l(8);
    l.show();
    QCOMPARE(l.windowTitle(), QStringLiteral("Elenco Attivita"));
    QCOMPARE(column(l.table(), QStringLiteral("ATTIVITA")), (QStringList{"Corso BLSD", "Corso Base Volontari", ""}));
    QCOMPARE(column(l.table(), QStringLiteral("DESCRIZ")),
             (QStringList{"BLSD", "Corso base di primavera per i nuovi volo", "Senza tipo"}));
    QCOMPARE(column(l.table(), QStringLiteral("CHIUSO")), (QStringList{" ", "X", " "}));
    QCOMPARE(l.table()->text(1, QStringLiteral("DATAI")), QStringLiteral("10/01/2026"));
    QCOMPARE(l.DBGrid1->currentRow(), 0);
    // Kind, from, to, description, closed.
    QCOMPARE(l.model()->columnCount(), 5);
    QCOMPARE(l.model()->index(1, 2).data().toString(), QStringLiteral("01/03/2026"));
    QCOMPARE(l.model()->index(1, 4).data().toString(), QStringLiteral("X"));
}

void TstAttivita::newActivityStoredThenUpdated()
{
    TFoAttivita f(0);
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("FoAttivita"));
    QCOMPARE(items(f.CbAttivita), listDescriptions(QStringLiteral("C")));
    QCOMPARE(items(f.CbTitolo), listDescriptions(QStringLiteral("A")));
    QCOMPARE(f.table()->rowCount(), 0);

    f.CbAttivita->setEditText(QStringLiteral(" Corso BLSD "));
    f.CbTitolo->setEditText(QStringLiteral("BLSD - Rianimazione e Defibrillazione"));
    f.MaskEdit1->setText(QStringLiteral("02/03/2026"));
    f.MaskEdit2->setText(QStringLiteral("09/03/2026"));
    f.Edit1->setText(QStringLiteral("Sede di Valdrena"));
    f.Edit2->setText(QStringLiteral("BLSD marzo"));
    f.CheckBox1->setChecked(true);
    vlmtest::Answerer a;
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Attivita")), 1);
    const qint64 id = TestDb::scalar(QStringLiteral("select ID from Attivita")).toLongLong();
    QCOMPARE(f.id(), id);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',CODICE,DATAI,DATAF,LUOGO,DESCRIZIONE,TITOLO,CHIUSO) "
                                           "from Attivita"))
                 .toString(),
             QStringLiteral("CBLSD|2026-03-02|2026-03-09|Sede di Valdrena|BLSD marzo|"
                            "BLSD - Rianimazione e Defibrillazione|X"));

    // The window keeps the new key: a second save updates the same row.
    f.CheckBox1->setChecked(false);
    f.Edit2->setText(QStringLiteral("BLSD marzo bis"));
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Attivita")), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat('[',CHIUSO,']',DESCRIZIONE) from Attivita")).toString(),
             QStringLiteral("[ ]BLSD marzo bis"));
    QCOMPARE(f.table()->rowCount(), 0);
}

void TstAttivita::unknownKindStoredEmpty()
{
    TFoAttivita f(0);
    f.show();
    f.CbAttivita->setEditText(QStringLiteral("Gita sociale"));
    f.CbTitolo->setEditText(QStringLiteral("Un titolo fuori elenco"));
    f.MaskEdit1->setText(QStringLiteral("01/06/2026"));
    f.MaskEdit2->setText(QStringLiteral("01/06/2026"));
    vlmtest::Answerer a;
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat('[',CODICE,']',TITOLO) from Attivita")).toString(),
             QStringLiteral("[]Un titolo fuori elenco"));
    TFoEleAtt l(8);
    l.show();
    QCOMPARE(column(l.table(), QStringLiteral("ATTIVITA")), QStringList{QString()});
}

void TstAttivita::activitySaveRejectsBadDates_data()
{
    QTest::addColumn<QString>("dal");
    QTest::addColumn<QString>("al");
    QTest::newRow("empty from") << QString() << QStringLiteral("10/03/2026");
    QTest::newRow("empty to") << QStringLiteral("01/03/2026") << QString();
    QTest::newRow("no such day") << QStringLiteral("01/03/2026") << QStringLiteral("31/02/2026");
}

void TstAttivita::activitySaveRejectsBadDates()
{
    QFETCH(QString, dal);
    QFETCH(QString, al);
    const qint64 id = addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-01-10"), QStringLiteral("2026-03-01"),
                                  QStringLiteral("Prima"));
    for (qint64 key : {qint64(0), id}) {
        TFoAttivita f(key);
        f.show();
        f.MaskEdit1->setText(dal);
        f.MaskEdit2->setText(al);
        f.Edit2->setText(QStringLiteral("Cambiata"));
        vlmtest::Answerer a;
        f.Button3->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(f.id(), key);
    }
    QCOMPARE(TestDb::count(QStringLiteral("Attivita")), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select DESCRIZIONE from Attivita")).toString(), QStringLiteral("Prima"));
}

void TstAttivita::existingActivityWithSessions()
{
    const qint64 id = addActivity(QStringLiteral("CTSS"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                  QStringLiteral("TSS 2026"), QStringLiteral("X"), QStringLiteral("Trasporto Sanitario Semplice"));
    // A code of another list equal to a session kind's code must not double the session.
    TestDb::exec(QStringLiteral("insert into Elenchi(TIPO,CODICE,DESCRIZIONE) values('C','LEZ','Lezione aperta')"));
    addSession(id, QStringLiteral("IS"), QStringLiteral("2026-02-01"), QStringLiteral("Iscrizioni"));
    addSession(id, QStringLiteral("LEZ"), QStringLiteral("2026-02-08"),
               QStringLiteral("Prima lezione: anatomia, fisiologia e cenni di primo soccorso per tutti"));
    addSession(id, QStringLiteral("XX"), QStringLiteral("2026-02-15"), QStringLiteral("Tipo sconosciuto"));
    const qint64 vuota = addActivity(QStringLiteral("RIUN"), QStringLiteral("2026-01-01"), QStringLiteral("2026-01-01"),
                                     QStringLiteral("Riunione"));

    TFoAttivita f(id);
    f.show();
    QCOMPARE(f.CbAttivita->currentText(), QStringLiteral("Corso Trasporto Sanitario"));
    QCOMPARE(f.CbTitolo->currentText(), QStringLiteral("Trasporto Sanitario Semplice"));
    QCOMPARE(f.MaskEdit1->text(), QStringLiteral("01/02/2026"));
    QCOMPARE(f.MaskEdit2->text(), QStringLiteral("30/04/2026"));
    QCOMPARE(f.Edit1->text(), QStringLiteral("Sede"));
    QCOMPARE(f.Edit2->text(), QStringLiteral("TSS 2026"));
    QVERIFY(f.CheckBox1->isChecked());
    // The sessions come in the server's order: compare them as "kind|day|description", sorted.
    QStringList righe;
    for (int r = 0; r < f.table()->rowCount(); ++r)
        righe << f.model()->index(r, 0).data().toString() + QLatin1Char('|') + f.model()->index(r, 1).data().toString() +
                     QLatin1Char('|') + f.model()->index(r, 2).data().toString();
    righe.sort();
    QCOMPARE(righe, (QStringList{"ISCRIZIONE|01/02/2026|Iscrizioni",
                                 "LEZIONE|08/02/2026|Prima lezione: anatomia, fisiologia e cenni di pri",
                                 "|15/02/2026|Tipo sconosciuto"}));

    TFoAttivita g(vuota);
    g.show();
    QVERIFY(!g.CheckBox1->isChecked());
    QCOMPARE(g.table()->rowCount(), 0);
}

void TstAttivita::sessionWindowFromActivity()
{
    const qint64 id = addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                  QStringLiteral("Base 2026"));
    const qint64 idi = addSession(id, QStringLiteral("LEZ"), QStringLiteral("2026-02-08"), QStringLiteral("Prima"));

    TFoAttivita f(id);
    f.show();
    struct Seen {
        QString caption;
        qint64 ida = -1, idi = -1;
        bool editorHidden = false;
    } opened, created;
    // The first session window opened edits the existing session, the second is a new one.
    int volta = 0;
    vlmtest::Answerer a;
    a.onDialog(
        QStringLiteral("TFoIncontri"),
        [&](QWidget *w) {
            QTimer::singleShot(0, w, [&, w] {
                auto *s = static_cast<TFoIncontri *>(w);
                if (++volta == 1) {
                    opened = {s->windowTitle(), s->idAttivita(), s->id(), !f.isVisible()};
                    s->Edit2->setText(QStringLiteral("Prima lezione"));
                } else {
                    created = {s->windowTitle(), s->idAttivita(), s->id(), !f.isVisible()};
                    s->CbTipo->setEditText(QStringLiteral("ESAME"));
                    s->MaskEdit1->setText(QStringLiteral("30/04/2026"));
                }
                s->Button3->click();
                s->reject();
            });
        },
        true);
    f.DBGrid1->setCurrentRow(0);
    f.DBGrid1DblClick();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(opened.caption, QStringLiteral("Corso Base Volontari"));
    QCOMPARE(opened.ida, id);
    QCOMPARE(opened.idi, idi);
    QVERIFY(opened.editorHidden);
    QVERIFY(f.isVisible());
    // Back in the activity: reloaded, one entry per list row in each drop-down.
    QCOMPARE(column(f.table(), QStringLiteral("DESCRIZIONE")), QStringList{QStringLiteral("Prima lezione")});
    QCOMPARE(items(f.CbAttivita), listDescriptions(QStringLiteral("C")));
    QCOMPARE(items(f.CbTitolo), listDescriptions(QStringLiteral("A")));

    // " + ": a new session of this activity, captioned as the window itself.
    f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(created.caption, QStringLiteral("FoIncontri"));
    QCOMPARE(created.ida, id);
    QCOMPARE(created.idi, 0);
    QVERIFY(created.editorHidden);
    // The sessions come in the server's order.
    QStringList tipi = column(f.table(), QStringLiteral("TIPO"));
    tipi.sort();
    QCOMPARE(tipi, (QStringList{"ESAME", "LEZIONE"}));
    QCOMPARE(items(f.CbAttivita), listDescriptions(QStringLiteral("C")));
}

void TstAttivita::plusOnNewActivityStoresItFirst()
{
    vlmtest::Answerer a;
    qint64 ida = -1;
    onShown(a, QStringLiteral("TFoIncontri"), [&](QWidget *w) {
        ida = static_cast<TFoIncontri *>(w)->idAttivita();
        static_cast<QDialog *>(w)->reject();
    });
    {
        // Without its dates the activity cannot be stored, and no session opens.
        TFoAttivita f(0);
        f.show();
        f.Button1->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(ida, -1);
        QCOMPARE(TestDb::count(QStringLiteral("Attivita")), 0);
    }
    a.clear();
    TFoAttivita f(0);
    f.show();
    f.CbAttivita->setEditText(QStringLiteral("Corso BLSD"));
    f.MaskEdit1->setText(QStringLiteral("01/09/2026"));
    f.MaskEdit2->setText(QStringLiteral("02/09/2026"));
    f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Attivita")), 1);
    QVERIFY(f.id() > 0);
    QCOMPARE(ida, f.id());
}

void TstAttivita::newSessionWithParticipants()
{
    const qint64 rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 bianchi = TestDb::addPerson(QStringLiteral("Bianchi Anna"), QStringLiteral("stato"), QStringLiteral("'Riserva'"));
    TestDb::addPerson(QStringLiteral("Verdi Ex"), QStringLiteral("stato"), QStringLiteral("'Dimesso'"));
    const qint64 ida = addActivity(QStringLiteral("CBLSD"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-02"),
                                   QStringLiteral("BLSD"));

    TFoIncontri f(ida, 0);
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("FoIncontri"));
    QVERIFY(f.CbTipo->currentText().isEmpty());
    QVERIFY(f.CbTitolo->currentText().isEmpty());
    QVERIFY(f.MaskEdit1->isMaskEmpty());
    QVERIFY(f.Edit1->text().isEmpty() && f.Edit2->text().isEmpty());
    QVERIFY(f.Button2->isVisible());
    QCOMPARE(f.table()->rowCount(), 0);
    QCOMPARE(items(f.CbTipo), listDescriptions(QStringLiteral("I")));
    QCOMPARE(items(f.CbTitolo), listDescriptions(QStringLiteral("A")));
    QCOMPARE(f.nomi(), (QStringList{"Bianchi Anna", "Rossi Mario"}));
    QCOMPARE(f.risultati(), listDescriptions(QStringLiteral("R")));
    QCOMPARE(f.DBGrid1->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("ATTESTATO"));

    f.CbTipo->setEditText(QStringLiteral("ESAME "));
    f.CbTitolo->setEditText(QStringLiteral("BLSD - Rianimazione e Defibrillazione"));
    f.MaskEdit1->setText(QStringLiteral("02/05/2026"));
    f.Edit1->setText(QStringLiteral("Palestra"));
    f.Edit2->setText(QStringLiteral("Esame finale"));
    typeRow(f, QStringLiteral("Rossi Mario "), QStringLiteral("IDONEO"), QStringLiteral("BLSD-2026-001"));
    typeRow(f, QStringLiteral("Bianchi Anna"), QStringLiteral("NON IDONEO"));
    typeRow(f, QStringLiteral("Nessuno Tale"), QStringLiteral("ASSENTE"));
    vlmtest::Answerer a;
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());

    QCOMPARE(TestDb::count(QStringLiteral("incontri")), 1);
    const qint64 idi = TestDb::scalar(QStringLiteral("select ID from incontri")).toLongLong();
    QCOMPARE(f.id(), idi);
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',IDAttivita,TIPO,DATA,LUOGO,DESCRIZIONE,TITOLO) from incontri"))
                 .toString(),
             QStringLiteral("%1|ESA|2026-05-02|Palestra|Esame finale|BLSD").arg(ida));
    QCOMPARE(stored(idi), (QStringList{QStringLiteral("%1|IDONEO|BLSD-2026-001").arg(rossi),
                                       QStringLiteral("%1|NON IDONEO|").arg(bianchi), QStringLiteral("0|ASSENTE|")}));
    // Reloaded by name: the unknown name shows empty, and with a stored participant
    // "Carica" is hidden.
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), (QStringList{"", "Bianchi Anna", "Rossi Mario"}));
    QVERIFY(!f.Button2->isVisible());
    for (int r = 0; r < f.table()->rowCount(); ++r) QVERIFY(f.table()->integer(r, QStringLiteral("ID")) > 0);

    // Further saves update the session and its participants.
    const int rRossi = 2;
    f.DBGrid1->model()->setData(f.DBGrid1->model()->index(rRossi, 2), QStringLiteral("BLSD-2026-009"), Qt::EditRole);
    f.Edit2->setText(QStringLiteral("Esame finale bis"));
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("incontri")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("Partecipanti")), 3);
    QCOMPARE(TestDb::scalar(QStringLiteral("select DESCRIZIONE from incontri")).toString(), QStringLiteral("Esame finale bis"));
    QCOMPARE(TestDb::scalar(QStringLiteral("select NMRATTESTATO from Partecipanti where IdVolontario=%1").arg(rossi)).toString(),
             QStringLiteral("BLSD-2026-009"));

    // Opened again, the session shows what was stored.
    TFoIncontri g(ida, idi);
    g.show();
    QCOMPARE(g.CbTipo->currentText(), QStringLiteral("ESAME"));
    QCOMPARE(g.CbTitolo->currentText(), QStringLiteral("BLSD - Rianimazione e Defibrillazione"));
    QCOMPARE(g.MaskEdit1->text(), QStringLiteral("02/05/2026"));
    QCOMPARE(g.Edit1->text(), QStringLiteral("Palestra"));
    QCOMPARE(column(g.table(), QStringLiteral("RISULTATO")), (QStringList{"ASSENTE", "NON IDONEO", "IDONEO"}));
    QVERIFY(!g.Button2->isVisible());
    QCOMPARE(items(g.CbTipo), listDescriptions(QStringLiteral("I")));

    // The fit participant now holds the title the session awards.
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',CODICE,DESCRIZIONE,DATAESAME,NMRATTESTATO,TIP) from Titolic "
                                           "where IDVOLONTARIO=%1")
                                .arg(rossi))
                 .toString(),
             QStringLiteral("BLSD|BLSD - Rianimazione e Defibrillazione|2026-05-02|BLSD-2026-009|C"));
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1").arg(bianchi)), 0);
}

void TstAttivita::sessionSaveRejectsBadDate()
{
    TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 ida = addActivity(QStringLiteral("CBLSD"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-02"),
                                   QStringLiteral("BLSD"));
    for (const QString &del : {QString(), QStringLiteral("30/02/2026")}) {
        TFoIncontri f(ida, 0);
        f.show();
        f.CbTipo->setEditText(QStringLiteral("LEZIONE"));
        f.MaskEdit1->setText(del);
        typeRow(f, QStringLiteral("Rossi Mario"), QStringLiteral("PRESENTE"));
        vlmtest::Answerer a;
        f.Button3->click();
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
        QCOMPARE(f.id(), 0);
        QCOMPARE(f.table()->rowCount(), 1);  // what was typed stays
    }
    QCOMPARE(TestDb::count(QStringLiteral("incontri")), 0);
    QCOMPARE(TestDb::count(QStringLiteral("Partecipanti")), 0);
}

void TstAttivita::cancellaDeletesCurrent()
{
    const qint64 rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 bianchi = TestDb::addPerson(QStringLiteral("Bianchi Anna"));
    const qint64 ida = addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                   QStringLiteral("Base"));
    const qint64 idi = addSession(ida, QStringLiteral("LEZ"), QStringLiteral("2026-02-08"), QStringLiteral("Prima"));
    addParticipant(idi, rossi, QStringLiteral("PRESENTE"));
    addParticipant(idi, bianchi, QStringLiteral("ASSENTE"));
    const qint64 other = addSession(ida, QStringLiteral("LEZ"), QStringLiteral("2026-02-15"), QStringLiteral("Seconda"));
    addParticipant(other, rossi, QStringLiteral("PRESENTE"));

    TFoIncontri f(ida, idi);
    f.show();
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), (QStringList{"Bianchi Anna", "Rossi Mario"}));
    typeRow(f, QStringLiteral("Rossi Mario"), QStringLiteral("PRESENTE"));  // not saved
    f.DBGrid1->setCurrentIndex(f.DBGrid1->model()->index(1, 0));
    vlmtest::Answerer a;
    f.Button1->click();
    QVERIFY(a.messages().isEmpty());
    // The current participant is gone, the unsaved row dropped by the reload, other sessions untouched.
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), QStringList{QStringLiteral("Bianchi Anna")});
    QCOMPARE(stored(idi), QStringList{QStringLiteral("%1|ASSENTE|").arg(bianchi)});
    QCOMPARE(stored(other), QStringList{QStringLiteral("%1|PRESENTE|").arg(rossi)});
    QVERIFY(!f.Button2->isVisible());

    f.DBGrid1->setCurrentIndex(f.DBGrid1->model()->index(0, 0));
    f.Button1->click();
    QCOMPARE(f.table()->rowCount(), 0);
    QVERIFY(f.Button2->isVisible());
}

void TstAttivita::caricaByKind_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("risultato");
    QTest::newRow("lesson") << QStringLiteral("LEZIONE") << QStringLiteral("PRESENTE");
    QTest::newRow("exam") << QStringLiteral("ESAME") << QStringLiteral("IDONEO");
    QTest::newRow("other kind") << QStringLiteral("ESERCITAZIONE PRATICA") << QString();
    QTest::newRow("no kind") << QString() << QString();
}

void TstAttivita::caricaByKind()
{
    QFETCH(QString, tipo);
    QFETCH(QString, risultato);
    const qint64 rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 bianchi = TestDb::addPerson(QStringLiteral("Bianchi Anna"));
    const qint64 neri = TestDb::addPerson(QStringLiteral("Neri Luca"));
    const qint64 ida = addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                   QStringLiteral("Base"));
    const qint64 iscr = addSession(ida, QStringLiteral("IS"), QStringLiteral("2026-02-01"), QStringLiteral("Iscrizioni"));
    addParticipant(iscr, rossi, QStringLiteral("ISCRITTO"));
    addParticipant(iscr, neri, QStringLiteral("RITIRATO"));
    addParticipant(iscr, bianchi, QStringLiteral("ISCRITTO"));
    // Another course's enrolment is not this course's.
    const qint64 altra = addActivity(QStringLiteral("CTSS"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                     QStringLiteral("TSS"));
    addParticipant(addSession(altra, QStringLiteral("IS"), QStringLiteral("2026-01-20"), QStringLiteral("Iscrizioni")), neri,
                   QStringLiteral("ISCRITTO"));

    TFoIncontri f(ida, 0);
    f.show();
    QVERIFY(f.Button2->isVisible());
    f.CbTipo->setEditText(tipo);
    vlmtest::Answerer a;
    f.Button2->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), (QStringList{"Rossi Mario", "Bianchi Anna"}));
    QCOMPARE(column(f.table(), QStringLiteral("RISULTATO")), (QStringList{risultato, risultato}));
    QCOMPARE(column(f.table(), QStringLiteral("ID")), (QStringList{"0", "0"}));
    QCOMPARE(TestDb::count(QStringLiteral("Partecipanti")), 4);  // nothing written yet

    f.MaskEdit1->setText(QStringLiteral("15/02/2026"));
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(stored(f.id()), (QStringList{QStringLiteral("%1|%2|").arg(rossi).arg(risultato),
                                          QStringLiteral("%1|%2|").arg(bianchi).arg(risultato)}));
}

void TstAttivita::caricaTwoEnrolmentSessions()
{
    const qint64 rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 ida = addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                   QStringLiteral("Base"));
    addParticipant(addSession(ida, QStringLiteral("IS"), QStringLiteral("2026-02-01"), QStringLiteral("Prime")), rossi,
                   QStringLiteral("ISCRITTO"));
    addSession(ida, QStringLiteral("IS"), QStringLiteral("2026-02-03"), QStringLiteral("Riapertura"));
    TestDb::addPerson(QStringLiteral("Bianchi Anna"));

    TFoIncontri f(ida, 0);
    f.show();
    f.CbTipo->setEditText(QStringLiteral("LEZIONE"));
    typeRow(f, QStringLiteral("Bianchi Anna"), QStringLiteral("PRESENTE"));
    vlmtest::Answerer a;
    f.Button2->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(column(f.table(), QStringLiteral("VOLONTARIO")), QStringList{QStringLiteral("Bianchi Anna")});
}

void TstAttivita::qualificationsFromSessions_data()
{
    QTest::addColumn<QString>("titolo");     // typed into "Titolo"
    QTest::addColumn<QString>("risultato");
    QTest::addColumn<QString>("codice");     // the qualification expected, empty for none
    QTest::newRow("fit, titled") << QStringLiteral("Trasporto Sanitario Semplice") << QStringLiteral("IDONEO")
                                 << QStringLiteral("TSS");
    QTest::newRow("not fit") << QStringLiteral("Trasporto Sanitario Semplice") << QStringLiteral("NON IDONEO") << QString();
    QTest::newRow("present") << QStringLiteral("Trasporto Sanitario Semplice") << QStringLiteral("PRESENTE") << QString();
    QTest::newRow("no title") << QString() << QStringLiteral("IDONEO") << QString();
    QTest::newRow("title outside list") << QStringLiteral("Patente nautica") << QStringLiteral("IDONEO") << QString();
}

void TstAttivita::qualificationsFromSessions()
{
    QFETCH(QString, titolo);
    QFETCH(QString, risultato);
    QFETCH(QString, codice);
    const qint64 rossi = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 ida = addActivity(QStringLiteral("CTSS"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"),
                                   QStringLiteral("TSS"));
    TFoIncontri f(ida, 0);
    f.show();
    f.CbTipo->setEditText(QStringLiteral("ESAME"));
    f.CbTitolo->setEditText(titolo);
    f.MaskEdit1->setText(QStringLiteral("30/04/2026"));
    typeRow(f, QStringLiteral("Rossi Mario"), risultato, QStringLiteral("N.17"));
    vlmtest::Answerer a;
    f.Button3->click();
    QVERIFY(a.messages().isEmpty());
    const QString where = QStringLiteral("IDVOLONTARIO=%1").arg(rossi);
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), where), codice.isEmpty() ? 0 : 1);
    if (!codice.isEmpty()) {
        QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',CODICE,DATAESAME,NMRATTESTATO) from Titolic where ") + where)
                     .toString(),
                 codice + QStringLiteral("|2026-04-30|N.17"));
    }
}

void TstAttivita::mainWindowEntry()
{
    TestDb::addPerson(QStringLiteral("Desk Dora"), QStringLiteral("Utente,Password,LivelloA"), QStringLiteral("'dora','pw',9"));
    addActivity(QStringLiteral("CBASE"), QStringLiteral("2026-02-01"), QStringLiteral("2026-04-30"), QStringLiteral("Base"));
    qputenv("USERNAME", "dora");
    TFormMain main;
    QVERIFY(main.userId() > 0);
    QSignalSpy opened(&main, &TFormMain::entryOpened);

    int livello = -1;
    QString caption;
    QStringList first, last;
    bool listHidden = false;
    vlmtest::Answerer a;
    onShown(a, QStringLiteral("TFoEleAtt"), [&](QWidget *w) {
        auto *l = static_cast<TFoEleAtt *>(w);
        livello = l->livello();
        caption = l->windowTitle();
        first = column(l->table(), QStringLiteral("DESCRIZ"));
        l->Button1->click();  // "Nuova": the activity window, then the list again
        last = column(l->table(), QStringLiteral("DESCRIZ"));
        l->reject();
    });
    onShown(a, QStringLiteral("TFoAttivita"), [&](QWidget *w) {
        auto *f = static_cast<TFoAttivita *>(w);
        listHidden = !f->parentWidget()->isVisible();
        f->CbAttivita->setEditText(QStringLiteral("Corso BLSD"));
        f->MaskEdit1->setText(QStringLiteral("01/06/2026"));
        f->MaskEdit2->setText(QStringLiteral("02/06/2026"));
        f->Edit2->setText(QStringLiteral("BLSD giugno"));
        f->Button3->click();
        f->reject();
    });
    main.BtnAttivita->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoEleAtt"));
    QCOMPARE(livello, 9);
    QCOMPARE(caption, QStringLiteral("Elenco Attivita"));
    QVERIFY(listHidden);
    QCOMPARE(first, QStringList{QStringLiteral("Base")});
    QCOMPARE(last, (QStringList{"BLSD giugno", "Base"}));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

QTEST_MAIN(TstAttivita)
#include "tst_attivita.moc"
