// The history tabs of the volunteer record: qualifications with add, edit and delete,
// courses attended, everything clocked, driven or staffed (times computed as times, also
// where plain + and - on TIME values go wrong), the services booked from today on, and a
// new person whose lists stay empty.
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "support/Answerer.h"
#include "support/TestDb.h"
#include "volunteers/TFoTitoli.h"
#include "volunteers/TFoVolontario.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using vlmtest::Answerer;
using vlmtest::TestDb;

namespace {

qint64 lastId() { return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong(); }

qint64 addTitolo(qint64 idv, const QString &codice, const QString &esame, const QString &luogo, const QString &num)
{
    TestDb::exec(QStringLiteral("insert into Titoli(IDVOLONTARIO,CODICE,DATAESAME,LUOGO,NMRATTESTATO) "
                                "values(%1,'%2','%3','%4','%5')")
                     .arg(idv)
                     .arg(codice, esame, luogo, num));
    return lastId();
}

// A session of an activity with a participant and his result; the session type is a code
// of list I, the activity's code one of list C.
void addSession(qint64 idv, const QString &attCodice, const QString &tipo, const QString &data, const QString &luogo,
                const QString &risultato, const QString &titolo = QString())
{
    TestDb::exec(QStringLiteral("insert into Attivita(CODICE,DATAI) values('%1','%2')").arg(attCodice, data));
    const qint64 att = lastId();
    TestDb::exec(QStringLiteral("insert into incontri(IDAttivita,TIPO,DATA,LUOGO,TITOLO) values(%1,'%2','%3','%4','%5')")
                     .arg(att)
                     .arg(tipo, data, luogo, titolo));
    const qint64 inc = lastId();
    TestDb::exec(QStringLiteral("insert into Partecipanti(IDINCONTRI,IdVolontario,Risultato) values(%1,%2,'%3')")
                     .arg(inc)
                     .arg(idv)
                     .arg(risultato));
}

// A transport service; `day` is an SQL date expression, crew = "IdAutista=..,IdVolontario1=.." style pairs.
qint64 addService(const QString &day, const QString &ora, const QString &durata, const QString &crewCols,
                  const QString &crewVals, qint64 mezzo = 0, const QString &da = QStringLiteral("Via Roma 1"),
                  const QString &a = QStringLiteral("Ospedale"))
{
    TestDb::exec(QStringLiteral("insert into servizi(dataservizio,orariopartenza,durata,luogoprelievo,destinazionepz,Idmezzo,%1) "
                                "values(%2,'%3','%4','%5','%6',%7,%8)")
                     .arg(crewCols, day, ora, durata, da, a)
                     .arg(mezzo)
                     .arg(crewVals));
    return lastId();
}

QStringList texts(const vlm::GridTable *t, const QString &field)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r) out << t->text(r, field);
    return out;
}

QString dt(const QDateTime &d) { return d.toString(QStringLiteral("yyyy-MM-dd hh:mm")); }

struct Record {
    TFoVolontario w;
    explicit Record(qint64 id)
    {
        w.setCodice(id);
        w.setLivello(9);
        w.show();
    }
    void showTab(QWidget *tab)
    {
        w.PageControl1->setCurrentWidget(w.TabAnagrafici);
        w.PageControl1->setCurrentWidget(tab);
    }
};

}  // namespace

class TstStorico : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void titoliRows();
    void titoliAddEditDelete();
    void attivitaRows();
    void serviziRows();
    void shiftDurations_data();
    void shiftDurations();
    void assegnatiRows();
    void newPersonHasNoHistory();
    void screenshot();
};

void TstStorico::titoliRows()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 other = TestDb::addPerson(QStringLiteral("Bianchi Anna"));
    const qint64 t1 = addTitolo(p, QStringLiteral("BLSD"), QStringLiteral("2020-05-02"), QStringLiteral("Siena"), QStringLiteral("B-1"));
    const qint64 t2 = addTitolo(p, QStringLiteral("TSS"), QStringLiteral("2023-09-10"), QStringLiteral("Arezzo"), QStringLiteral("T-7"));
    addTitolo(other, QStringLiteral("SAV"), QStringLiteral("2024-01-01"), QStringLiteral("Pisa"), QStringLiteral("S-1"));
    // A title earned in a course (session awarding OPEM, participant fit).
    addSession(p, QStringLiteral("CBASE"), QString(), QStringLiteral("2022-02-10"), QStringLiteral("Sede"),
               QStringLiteral("IDONEO"), QStringLiteral("OPEM"));

    Record r(p);
    r.showTab(r.w.TabTitoli);
    const vlm::GridTable *t = r.w.titoli();
    QCOMPARE(texts(t, QStringLiteral("TITOLO")),
             (QStringList{QStringLiteral("Trasporto Sanitario Semplice"), QStringLiteral("Operatore Emergenze Protezione"),
                          QStringLiteral("BLSD - Rianimazione e Defibril")}));  // cut to 30
    QCOMPARE(texts(t, QStringLiteral("DATA")),
             (QStringList{QStringLiteral("10/09/2023"), QStringLiteral("10/02/2022"), QStringLiteral("02/05/2020")}));
    QCOMPARE(texts(t, QStringLiteral("TIP")), (QStringList{QStringLiteral("T"), QStringLiteral("C"), QStringLiteral("T")}));
    QCOMPARE(texts(t, QStringLiteral("LUOGO")).first(), QStringLiteral("Arezzo"));
    QCOMPARE(texts(t, QStringLiteral("NMRATTESTATO")).last(), QStringLiteral("B-1"));
    QCOMPARE(t->integer(0, QStringLiteral("ID")), t2);
    QCOMPARE(t->integer(2, QStringLiteral("ID")), t1);
    QVERIFY(t->integer(1, QStringLiteral("ID")) < 0);

    // Column titles as shown.
    QAbstractItemModel *m = r.w.DBGrid1->model();
    QStringList titles;
    for (int c = 0; c < m->columnCount(); ++c) titles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{QStringLiteral("TIP"), QStringLiteral("TITOLO"), QStringLiteral("DATA"),
                                  QStringLiteral("LUOGO"), QStringLiteral("NUMERO ")}));
    QCOMPARE(r.w.Button2->text(), QStringLiteral(" + "));
    QCOMPARE(r.w.Button3->text(), QStringLiteral(" - "));

    // Read afresh on each showing.
    addTitolo(p, QStringLiteral("GUIDA"), QStringLiteral("2025-03-03"), QStringLiteral("Lucca"), QStringLiteral("G-3"));
    QCOMPARE(t->rowCount(), 3);
    r.showTab(r.w.TabTitoli);
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->text(0, QStringLiteral("TITOLO")), QStringLiteral("Guida Mezzi di Soccorso"));
}

void TstStorico::titoliAddEditDelete()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Verdi Luca"));
    addSession(p, QStringLiteral("CBASE"), QString(), QStringLiteral("2022-02-10"), QStringLiteral("Sede"),
               QStringLiteral("IDONEO"), QStringLiteral("OPEM"));
    Record r(p);
    r.showTab(r.w.TabTitoli);
    QCOMPARE(r.w.titoli()->rowCount(), 1);

    // " + ": a new qualification for this person; the list shows it when the dialog closes.
    {
        Answerer a;
        qint64 seenPerson = -1, seenId = -1;
        a.onDialog(QStringLiteral("TFoTitoli"), [&](QWidget *w) {
            auto *d = static_cast<TFoTitoli *>(w);
            seenPerson = d->volontario();
            seenId = d->id();
            d->Cb1->setEditText(QStringLiteral("Trasporto Sociale"));
            d->Me1->setText(QStringLiteral("01/06/2024"));
            d->Edit1->setText(QStringLiteral("Grosseto"));
            d->Edit2->setText(QStringLiteral("TS-9"));
            d->Button1->click();
            d->reject();
        });
        r.w.Button2->click();
        QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
        QCOMPARE(seenPerson, p);
        QCOMPARE(seenId, 0);
    }
    QCOMPARE(TestDb::count(QStringLiteral("Titoli"), QStringLiteral("IDVOLONTARIO=%1 and CODICE='TSOC'").arg(p)), 1);
    const vlm::GridTable *t = r.w.titoli();
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->text(0, QStringLiteral("TITOLO")), QStringLiteral("Trasporto Sociale"));
    QCOMPARE(t->text(0, QStringLiteral("TIP")), QStringLiteral("T"));
    const qint64 id = t->integer(0, QStringLiteral("ID"));
    QVERIFY(r.w.isVisible());

    // Double click: the same dialog on that qualification.
    {
        Answerer a;
        QString shownPlace;
        a.onDialog(QStringLiteral("TFoTitoli"), [&](QWidget *w) {
            auto *d = static_cast<TFoTitoli *>(w);
            shownPlace = d->Edit1->text();
            d->Edit1->setText(QStringLiteral("Livorno"));
            d->Button1->click();
            d->reject();
        });
        r.w.DBGrid1->setCurrentRow(0);
        emit r.w.DBGrid1->rowDoubleClicked(0);
        QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
        QCOMPARE(shownPlace, QStringLiteral("Grosseto"));
    }
    QCOMPARE(TestDb::scalar(QStringLiteral("select LUOGO from Titoli where ID=%1").arg(id)).toString(), QStringLiteral("Livorno"));
    QCOMPARE(t->text(0, QStringLiteral("LUOGO")), QStringLiteral("Livorno"));
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 1);

    // " - " on the course row: nothing happens.
    Answerer a;
    QCOMPARE(t->text(1, QStringLiteral("TIP")), QStringLiteral("C"));
    r.w.DBGrid1->setCurrentRow(1);
    r.w.Button3->click();
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 1);
    QCOMPARE(TestDb::count(QStringLiteral("Titolic"), QStringLiteral("IDVOLONTARIO=%1").arg(p)), 2);

    // " - " on the qualification row: deleted without asking; the row stays until the tab is shown again.
    r.w.DBGrid1->setCurrentRow(0);
    r.w.Button3->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("Titoli")), 0);
    QCOMPARE(t->rowCount(), 2);
    r.showTab(r.w.TabTitoli);
    QCOMPARE(texts(t, QStringLiteral("TIP")), QStringList{QStringLiteral("C")});
}

void TstStorico::attivitaRows()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Neri Paolo"));
    const qint64 other = TestDb::addPerson(QStringLiteral("Gialli Ugo"));
    TestDb::exec(QStringLiteral("insert into Elenchi(TIPO,CODICE,DESCRIZIONE) values('I','TEOX','Lezione teorica'),"
                                "('I','PRAX','Esercitazione pratica')"));
    addSession(p, QStringLiteral("CTSS"), QStringLiteral("TEOX"), QStringLiteral("2024-03-01"), QStringLiteral("Sede Centrale"),
               QStringLiteral("PRESENTE"));
    addSession(p, QStringLiteral("CBASE"), QStringLiteral("PRAX"), QStringLiteral("2025-01-20"), QStringLiteral("Palestra"),
               QStringLiteral("IDONEO"));
    addSession(other, QStringLiteral("CBLSD"), QStringLiteral("TEOX"), QStringLiteral("2025-02-02"), QStringLiteral("Sede"),
               QStringLiteral("IDONEO"));

    Record r(p);
    r.showTab(r.w.TabAttivita);
    const vlm::GridTable *t = r.w.attivita();
    // Newest first; the activity names keep their first 15 characters.
    QCOMPARE(texts(t, QStringLiteral("ATTIVITA")),
             (QStringList{QStringLiteral("Corso Base Volo"), QStringLiteral("Corso Trasporto")}));
    QCOMPARE(texts(t, QStringLiteral("ATTESTATO")),
             (QStringList{QStringLiteral("Esercitazione pratica"), QStringLiteral("Lezione teorica")}));
    QCOMPARE(texts(t, QStringLiteral("DATA")), (QStringList{QStringLiteral("20/01/2025"), QStringLiteral("01/03/2024")}));
    QCOMPARE(texts(t, QStringLiteral("LUOGO")), (QStringList{QStringLiteral("Palestra"), QStringLiteral("Sede Centrale")}));
    QCOMPARE(texts(t, QStringLiteral("RISULTATO")), (QStringList{QStringLiteral("IDONEO"), QStringLiteral("PRESENTE")}));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));

    // A participation removed meanwhile leaves the list when the tab is shown again.
    TestDb::exec(QStringLiteral("delete from Partecipanti where IdVolontario=%1").arg(p));
    r.showTab(r.w.TabAttivita);
    QCOMPARE(t->rowCount(), 0);
}

void TstStorico::serviziRows()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Blu Carla"));
    const qint64 other = TestDb::addPerson(QStringLiteral("Rosa Elio"));
    const QDate today = QDate::currentDate();
    const QDate yesterday = today.addDays(-1);
    // Clock records: a closed one and one still open.
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,uscita,tempo,tipo) values"
                                "(%1,'Blu Carla','2025-04-01 07:00:00','2025-04-01 09:30:00','02:30:00','SED'),"
                                "(%1,'Blu Carla',NOW() - INTERVAL 1 HOUR,NULL,NULL,'FOR')")
                     .arg(p));
    // Services: yesterday as third crew member, one as driver, one of someone else.
    const qint64 s1 = addService(QStringLiteral("CURDATE() - INTERVAL 1 DAY"), QStringLiteral("08:30:00"),
                                 QStringLiteral("01:45:00"), QStringLiteral("IdVolontario3"), QString::number(p));
    const qint64 s2 = addService(QStringLiteral("'2025-03-15'"), QStringLiteral("23:10:00"), QStringLiteral("02:00:00"),
                                 QStringLiteral("IdAutista"), QString::number(p));
    addService(QStringLiteral("'2025-03-16'"), QStringLiteral("09:00:00"), QStringLiteral("01:00:00"),
               QStringLiteral("IdAutista"), QString::number(other));
    // A shift from 08:30 to 10:15: its duration is 1:45.
    TestDb::exec(QStringLiteral("insert into Turni(DATA,TIPO,ORAI,ORAF,IDV,MEZZO) values('2025-03-20','Mattina','08:30','10:15',%1,'MIKE 1')")
                     .arg(p));

    Record r(p);
    r.showTab(r.w.TabServizi);
    const vlm::GridTable *t = r.w.servizi();
    QCOMPARE(t->rowCount(), 5);
    QStringList starts;
    for (int i = 0; i < t->rowCount(); ++i) starts << dt(t->value(i, QStringLiteral("ENTRATA")).toDateTime());
    QCOMPARE(starts.at(1), dt(QDateTime(yesterday, QTime(8, 30))));
    QCOMPARE(starts.mid(2), (QStringList{QStringLiteral("2025-04-01 07:00"), QStringLiteral("2025-03-20 08:30"),
                                         QStringLiteral("2025-03-15 23:10")}));
    QCOMPARE(texts(t, QStringLiteral("TIPO")),
             (QStringList{QStringLiteral("FOR"), QStringLiteral("PR %1").arg(s1), QStringLiteral("SED"), QStringLiteral("MIKE 1"),
                          QStringLiteral("PR %1").arg(s2)}));
    QCOMPARE(texts(t, QStringLiteral("Durata")),
             (QStringList{QString(), QStringLiteral("01:45:00"), QStringLiteral("02:30:00"), QStringLiteral("01:45:00"),
                          QStringLiteral("02:00:00")}));
    QCOMPARE(r.w.DBGrid3->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ENTRATA"));
    QCOMPARE(r.w.DBGrid3->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Durata"));
    QCOMPARE(r.w.DBGrid3->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("TIPO"));

    // Hiding the tab closes the shared connection.
    QVERIFY(vlm::isConnected(QStringLiteral("DB")));
    r.w.PageControl1->setCurrentWidget(r.w.TabPatenti);
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
}

void TstStorico::shiftDurations_data()
{
    QTest::addColumn<QString>("orai");
    QTest::addColumn<QString>("oraf");
    QTest::addColumn<QString>("durata");
    QTest::addColumn<bool>("plainMinusWrong");  // the minutes borrow a digit: + and - on TIME fail
    QTest::newRow("borrow across the hour") << "08:30" << "10:15" << "01:45:00" << true;
    QTest::newRow("evening") << "19:50" << "23:05" << "03:15:00" << true;
    QTest::newRow("whole hours") << "14:00" << "20:00" << "06:00:00" << false;
    QTest::newRow("past midnight") << "20:00" << "08:00" << "12:00:00" << true;
}

void TstStorico::shiftDurations()
{
    QFETCH(QString, orai);
    QFETCH(QString, oraf);
    QFETCH(QString, durata);
    QFETCH(bool, plainMinusWrong);
    // What the server makes of cast(oraf as time)-cast(orai as time).
    const QVariant plain = TestDb::scalar(
        QStringLiteral("select cast(cast('%1' as time)-cast('%2' as time) as time)").arg(oraf, orai));
    QCOMPARE(plain.isNull() || plain.toString() != durata, plainMinusWrong);

    const qint64 p = TestDb::addPerson(QStringLiteral("Viola Sara"));
    TestDb::exec(QStringLiteral("insert into Turni(DATA,TIPO,ORAI,ORAF,IDV,MEZZO) values('2025-05-05','T','%1','%2',%3,'MIKE 2')")
                     .arg(orai, oraf)
                     .arg(p));
    Record r(p);
    r.showTab(r.w.TabServizi);
    const vlm::GridTable *t = r.w.servizi();
    QCOMPARE(t->rowCount(), 1);
    QCOMPARE(t->text(0, QStringLiteral("Durata")), durata);
    QCOMPARE(dt(t->value(0, QStringLiteral("ENTRATA")).toDateTime()), QStringLiteral("2025-05-05 ") + orai);
}

void TstStorico::assegnatiRows()
{
    const qint64 p = TestDb::addPerson(QStringLiteral("Grigi Lia"));
    const qint64 m = TestDb::addVehicle(QStringLiteral("ALFA 3"));
    const QString id = QString::number(p);
    addService(QStringLiteral("CURDATE() - INTERVAL 1 DAY"), QStringLiteral("07:00:00"), QStringLiteral("01:00:00"),
               QStringLiteral("IdAutista"), id, m);
    addService(QStringLiteral("CURDATE() + INTERVAL 2 DAY"), QStringLiteral("15:20:00"), QStringLiteral("00:40:00"),
               QStringLiteral("IdVolontario2"), id, 0, QStringLiteral("Piazza Duomo 3"), QStringLiteral("Casa di cura San Camillo di Lellis"));
    addService(QStringLiteral("CURDATE()"), QStringLiteral("08:30:00"), QStringLiteral("01:45:00"),
               QStringLiteral("IdVolontario1"), id, m, QStringLiteral("Via Verdi 10"), QStringLiteral("Policlinico"));
    addService(QStringLiteral("CURDATE()"), QStringLiteral("10:00:00"), QStringLiteral("01:00:00"),
               QStringLiteral("IdAutista"), QString::number(TestDb::addPerson(QStringLiteral("Altri Ugo"))), m);

    Record r(p);
    r.showTab(r.w.TabAssegnati);
    const vlm::GridTable *t = r.w.assegnati();
    const QString fmt = QStringLiteral("dd/MM/yyyy");
    QCOMPARE(texts(t, QStringLiteral("Data")),
             (QStringList{QDate::currentDate().toString(fmt), QDate::currentDate().addDays(2).toString(fmt)}));
    QCOMPARE(texts(t, QStringLiteral("OrarioPartenza")), (QStringList{QStringLiteral("08:30"), QStringLiteral("15:20")}));
    QCOMPARE(texts(t, QStringLiteral("Durata")), (QStringList{QStringLiteral("01:45"), QStringLiteral("00:40")}));
    QCOMPARE(texts(t, QStringLiteral("Partenza")), (QStringList{QStringLiteral("Via Verdi 10"), QStringLiteral("Piazza Duomo 3")}));
    QCOMPARE(texts(t, QStringLiteral("Destinazione")),
             (QStringList{QStringLiteral("Policlinico"), QStringLiteral("Casa di cura San Camillo di Le")}));
    QCOMPARE(texts(t, QStringLiteral("SiglaMezzo")), (QStringList{QStringLiteral("ALFA 3"), QString()}));
    QStringList titles;
    for (int c = 0; c < r.w.DBGrid4->model()->columnCount(); ++c)
        titles << r.w.DBGrid4->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{QStringLiteral("Data"), QStringLiteral("OrarioPartenza"), QStringLiteral("Durata"),
                                  QStringLiteral("Partenza"), QStringLiteral("Destinazione"), QStringLiteral("SiglaMezzo")}));
}

void TstStorico::newPersonHasNoHistory()
{
    // Rows with key 0 (an empty crew place, a shift with nobody) must not show up for a new person.
    const qint64 p = TestDb::addPerson(QStringLiteral("Oro Dino"));
    addService(QStringLiteral("CURDATE()"), QStringLiteral("08:30:00"), QStringLiteral("01:00:00"),
               QStringLiteral("IdAutista"), QString::number(p));
    TestDb::exec(QStringLiteral("insert into Turni(DATA,TIPO,ORAI,ORAF,IDV,MEZZO) values(CURDATE(),'T','08:00','12:00',0,'MIKE 1')"));
    addTitolo(p, QStringLiteral("BLSD"), QStringLiteral("2020-05-02"), QStringLiteral("Siena"), QStringLiteral("B-1"));

    Record r(0);
    for (QWidget *tab : {r.w.TabTitoli, r.w.TabAttivita, r.w.TabServizi, r.w.TabAssegnati}) r.showTab(tab);
    QCOMPARE(r.w.titoli()->rowCount(), 0);
    QCOMPARE(r.w.attivita()->rowCount(), 0);
    QCOMPARE(r.w.servizi()->rowCount(), 0);
    QCOMPARE(r.w.assegnati()->rowCount(), 0);

    // " + " before the first save: no qualification without a person.
    {
        Answerer a;
        r.showTab(r.w.TabTitoli);
        r.w.Button2->click();
        QVERIFY(a.dialogsSeen().isEmpty());
        QCOMPARE(a.texts(), QStringList{QStringLiteral("Salvare il volontario prima di inserire i titoli")});
        QCOMPARE(TestDb::count(QStringLiteral("Titoli"), QStringLiteral("IDVOLONTARIO=0")), 0);
    }

    // The same person with his key sees them.
    Record known(p);
    known.showTab(known.w.TabServizi);
    QCOMPARE(known.w.servizi()->rowCount(), 1);
    known.showTab(known.w.TabAssegnati);
    QCOMPARE(known.w.assegnati()->rowCount(), 1);
}

// With VLM_SCREENSHOT set, the filled "Servizi" tab is saved there.
void TstStorico::screenshot()
{
    const QString path = qEnvironmentVariable("VLM_SCREENSHOT");
    if (path.isEmpty()) QSKIP("VLM_SCREENSHOT not set");
    const qint64 p = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    TestDb::exec(QStringLiteral("insert into cartellini(codice,nome,entrata,uscita,tempo,tipo) values"
                                "(%1,'Rossi Mario','2025-04-01 07:00:00','2025-04-01 09:30:00','02:30:00','SED')")
                     .arg(p));
    addService(QStringLiteral("'2025-03-28'"), QStringLiteral("08:30:00"), QStringLiteral("01:45:00"),
               QStringLiteral("IdAutista"), QString::number(p));
    TestDb::exec(QStringLiteral("insert into Turni(DATA,TIPO,ORAI,ORAF,IDV,MEZZO) values('2025-03-20','Notte','20:00','08:00',%1,'MIKE 1'),"
                                "('2025-03-10','Mattina','08:30','10:15',%1,'MIKE 2')")
                     .arg(p));
    Record r(p);
    r.showTab(r.w.TabServizi);
    QTest::qWait(300);
    QVERIFY(r.w.grab().save(path));
}

QTEST_MAIN(TstStorico)
#include "tst_storico.moc"
