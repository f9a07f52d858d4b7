// The service editor: loading, the drop-down lists, the two layouts, the save and its
// failures, copy, repeat and timings.
#include "platform/Db.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "services/TFoRipeti.h"
#include "services/TFoServizio.h"
#include "services/TFoTempi.h"
#include "ServiceFixtures.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

using vlmtest::TestDb;

namespace {
// A new service ready to be saved: 10/03/2026 at 08:30 for 01:00, in agreement.
void fillNew(TFoServizio &f)
{
    f.MaskEdit1->setText(QStringLiteral("10/03/2026"));
    f.MaskEdit2->setText(QStringLiteral("08:30"));
    f.MaskEdit3->setText(QStringLiteral("01:00"));
    f.MaskEdit4->setText(QStringLiteral("09:15"));
    f.Edit1->setText(QStringLiteral("Neri"));
    f.Edit4->setText(QStringLiteral("Carla"));
    f.RadioButton5->setChecked(true);
}

QVariant col(qint64 id, const QString &c)
{
    return TestDb::scalar(QStringLiteral("select %1 from servizi where ID=%2").arg(c).arg(id));
}
}  // namespace

class TstServizio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void newServiceSavesEveryBinding();
    void failingSavesStoreNothing_data();
    void failingSavesStoreNothing();
    void existingServiceLoadsAndUpdates();
    void companionsPlacesKindsAndTypes();
    void vehicleAndDriverLists_data();
    void vehicleAndDriverLists();
    void layouts();
    void pickedDriverWarnsAndStaysStored();
    void copyGivesANewService();
    void repeat_data();
    void repeat();
    void repeatStopsAtAFailingSave();
    void timings();
};

void TstServizio::newServiceSavesEveryBinding()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("Area1,PATVLM"), QStringLiteral("'SI','4'"));
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    TFoServizio f;
    f.show();
    QCOMPARE(f.Label25->text(), QStringLiteral("0"));
    fillNew(f);
    f.MaskEdit4->setText(QString());  // no visit time
    f.MaskEdit5->setText(QStringLiteral("RSSMRA80A01H501U"));
    f.Edit9->setText(QStringLiteral("settanta"));
    f.Edit3->setText(QStringLiteral("tre"));
    f.CheckBox2->setChecked(true);
    f.CheckBox4->setChecked(true);
    f.ComboBox1->setEditText(QStringLiteral(" AMB 01 "));
    f.ComboBox2->setEditText(QStringLiteral("Rossi Mario"));
    f.ComboBox3->setEditText(QStringLiteral("Nessuno Conosciuto"));
    f.ComboBox6->setEditText(QStringLiteral("AMB. ORD."));
    f.ComboBox9->setEditText(QStringLiteral("DIALISI"));
    f.ComboBox8->setEditText(QStringLiteral("Domicilio"));
    f.ComboBox5->setEditText(QStringLiteral("Centro Dialisi Valdrena"));
    f.Memo1->setPlainText(QStringLiteral("primo\nsecondo"));
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Salva"))->click();
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    QVERIFY(!f.isVisible());  // the save closes the editor
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));

    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 1);
    const qint64 id = TestDb::scalar(QStringLiteral("select max(ID) from servizi")).toLongLong();
    QCOMPARE(col(id, QStringLiteral("date_format(dataservizio,'%Y-%m-%d')")).toString(), QStringLiteral("2026-03-10"));
    QCOMPARE(col(id, QStringLiteral("time_format(orariopartenza,'%H:%i')")).toString(), QStringLiteral("08:30"));
    QCOMPARE(col(id, QStringLiteral("time_format(durata,'%H:%i')")).toString(), QStringLiteral("01:00"));
    QVERIFY(col(id, QStringLiteral("orariovisita")).isNull());
    QCOMPARE(col(id, QStringLiteral("pesopz")).toString(), QStringLiteral("0"));
    QCOMPARE(col(id, QStringLiteral("persone")).toInt(), 2);
    QCOMPARE(col(id, QStringLiteral("concat(pzcammina,portantina,barella,seggiolina)")).toString(), QStringLiteral("YNYN"));
    QCOMPARE(col(id, QStringLiteral("convenzione")).toString(), QStringLiteral("Y"));
    QCOMPARE(col(id, QStringLiteral("Idmezzo")).toLongLong(), amb);
    QCOMPARE(col(id, QStringLiteral("IdAutista")).toLongLong(), mario);
    QCOMPARE(col(id, QStringLiteral("concat(IdVolontario1,'/',IdVolontario2,'/',IdVolontario3)")).toString(), QStringLiteral("0/0/0"));
    QCOMPARE(col(id, QStringLiteral("concat(cognomepz,'|',nomepz,'|',codicefiscale,'|',tipomezzo,'|',servizio)")).toString(),
             QStringLiteral("Neri|Carla|RSSMRA80A01H501U|AMB. ORD.|DIALISI"));
    QCOMPARE(col(id, QStringLiteral("concat(luogoprelievo,'|',destinazionepz,'|',note)")).toString(),
             QStringLiteral("Domicilio|Centro Dialisi Valdrena|primo\nsecondo"));

    // A weight and a staff number that are numbers are kept.
    TFoServizio g;
    g.show();
    fillNew(g);
    g.Edit9->setText(QStringLiteral(" 82 "));
    g.Edit3->setText(QStringLiteral("3"));
    g.RadioButton1->setChecked(true);
    svc::button(&g, QStringLiteral("Salva"))->click();
    const qint64 id2 = TestDb::scalar(QStringLiteral("select max(ID) from servizi")).toLongLong();
    QCOMPARE(col(id2, QStringLiteral("concat(pesopz,'/',persone,'/',convenzione)")).toString(), QStringLiteral("82/3/S"));
}

void TstServizio::failingSavesStoreNothing_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("kind");
    QTest::addColumn<qint64>("id");  // 0 new; 1 the stored service
    QTest::newRow("no kind chosen") << "10/03/2026" << false << qint64(0);
    QTest::newRow("no kind chosen, stored service") << "10/03/2026" << false << qint64(1);
    QTest::newRow("empty date") << "" << true << qint64(0);
    QTest::newRow("no such date") << "31/02/2026" << true << qint64(0);
}

void TstServizio::failingSavesStoreNothing()
{
    QFETCH(QString, date);
    QFETCH(bool, kind);
    QFETCH(qint64, id);
    svc::Row r;
    r.cognome = QStringLiteral("Prima");
    const qint64 stored = svc::addService(r);
    TFoServizio f;
    f.setId(id ? stored : 0);
    f.show();
    fillNew(f);
    f.MaskEdit1->setText(date);
    if (!kind) vlm::clearRadios({f.RadioButton1, f.RadioButton4, f.RadioButton5});
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Salva"))->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(a.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(f.isVisible());  // the editor stays open with its contents
    QCOMPARE(f.Edit1->text(), QStringLiteral("Neri"));
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 1);
    QCOMPARE(TestDb::scalar(QStringLiteral("select cognomepz from servizi")).toString(), QStringLiteral("Prima"));
}

void TstServizio::existingServiceLoadsAndUpdates()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("Area1"), QStringLiteral("'SI'"));
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"), QStringLiteral("Area1"), QStringLiteral("'SI'"));
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    svc::Row r;
    r.mezzo = amb;
    r.autista = mario;
    r.v2 = anna;
    r.conv = QStringLiteral("N");
    r.tipo = QStringLiteral("AMB. ORD.");
    const qint64 id = svc::addService(r);
    TestDb::exec(QStringLiteral("update servizi set portantina='Y',persone=4,orariovisita='09:45:00',note='scale strette',"
                                "Data='2026-02-01' where ID=%1").arg(id));

    TFoServizio f;
    f.setId(id);
    f.show();
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));
    QCOMPARE(f.Label25->text(), QString::number(id));
    QCOMPARE(f.Label4->text(), QStringLiteral("01/02/2026"));
    QCOMPARE(f.MaskEdit1->text(), QStringLiteral("10/03/2026"));
    QCOMPARE(f.MaskEdit2->text(), QStringLiteral("08:30"));
    QCOMPARE(f.MaskEdit3->text(), QStringLiteral("01:00"));
    QCOMPARE(f.MaskEdit4->text(), QStringLiteral("09:45"));
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("AMB 01"));
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("Rossi Mario"));
    QCOMPARE(f.ComboBox3->currentText(), QString());
    QCOMPARE(f.ComboBox4->currentText(), QStringLiteral("Verdi Anna"));
    QCOMPARE(f.ComboBox6->currentText(), QStringLiteral("AMB. ORD."));
    QCOMPARE(f.Edit3->text(), QStringLiteral("4"));
    QVERIFY(f.CheckBox3->isChecked());
    QVERIFY(!f.CheckBox4->isChecked());
    QVERIFY(f.RadioButton4->isChecked());
    QVERIFY(!f.RadioButton1->isVisible());
    QCOMPARE(f.Memo1->toPlainText(), QStringLiteral("scale strette"));

    f.Edit1->setText(QStringLiteral("Gialli"));
    f.ComboBox4->setEditText(QString());
    f.RadioButton5->setChecked(true);
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Salva"))->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 1);
    QCOMPARE(col(id, QStringLiteral("concat(cognomepz,'/',IdVolontario2,'/',convenzione,'/',portantina,'/',persone)")).toString(),
             QStringLiteral("Gialli/0/Y/Y/4"));
    QCOMPARE(col(id, QStringLiteral("IdAutista")).toLongLong(), mario);
}

void TstServizio::companionsPlacesKindsAndTypes()
{
    TestDb::addPerson(QStringLiteral("Zeta Ugo"), QStringLiteral("stato,Area1"), QStringLiteral("'Attivo','SI'"));
    TestDb::addPerson(QStringLiteral("Alfa Ida"), QStringLiteral("stato,Area1"), QStringLiteral("'Dipendente','SI'"));
    TestDb::addPerson(QStringLiteral("Beta Eva"), QStringLiteral("stato,Area1"), QStringLiteral("'Riserva',''"));
    TestDb::addPerson(QStringLiteral("Gamma Leo"), QStringLiteral("stato,Area1"), QStringLiteral("'Sospeso','SI'"));
    TestDb::exec(QStringLiteral("delete from destinazioni"));
    TestDb::exec(QStringLiteral("insert into destinazioni(destinaz) values('Ospedale'),('Casa')"));
    svc::Row r;
    r.conv = QStringLiteral("Y");
    svc::addService(r);
    TestDb::exec(QStringLiteral("update servizi set servizio='ricovero'"));
    r.conv = QStringLiteral("N");
    svc::addService(r);
    TestDb::exec(QStringLiteral("update servizi set servizio='Ricovero' where convenzione='N'"));
    r.conv = QStringLiteral("S");
    svc::addService(r);  // no kind of service written: skipped
    r.conv = QStringLiteral("S");
    svc::addService(r);
    TestDb::exec(QStringLiteral("update servizi set servizio='spesa' where ID=(select max(ID) from (select ID from servizi) x)"));
    TestDb::addVehicle(QStringLiteral("AUTO 1"), QStringLiteral("auto"));
    TestDb::addVehicle(QStringLiteral("AMB 1"), QStringLiteral("AMBULANZA"));
    TestDb::addVehicle(QStringLiteral("AMB 2"), QStringLiteral("Ambulanza"), QStringLiteral("Fuori servizio"));
    TestDb::addVehicle(QStringLiteral("X"), QStringLiteral(""));

    TFoServizio san;
    san.show();
    QCOMPARE(svc::itemsOf(san.ComboBox3, false), (QStringList{QStringLiteral("Alfa Ida"), QStringLiteral("Zeta Ugo")}));
    QCOMPARE(svc::itemsOf(san.ComboBox4, false), svc::itemsOf(san.ComboBox3, false));
    QCOMPARE(svc::itemsOf(san.ComboBox7, false), svc::itemsOf(san.ComboBox3, false));
    QCOMPARE(svc::itemsOf(san.ComboBox5, false), (QStringList{QStringLiteral("Casa"), QStringLiteral("Ospedale")}));
    QCOMPARE(svc::itemsOf(san.ComboBox8, false), svc::itemsOf(san.ComboBox5, false));
    QCOMPARE(svc::itemsOf(san.ComboBox9, false), QStringList{QStringLiteral("RICOVERO")});
    QCOMPARE(svc::itemsOf(san.ComboBox6, false), (QStringList{QStringLiteral("AMBULANZA"), QStringLiteral("AUTO")}));
    QCOMPARE(san.ComboBox3->currentText(), QString());  // filling a list leaves the box empty
    QCOMPARE(san.ComboBox6->currentText(), QString());

    TFoServizio soc;
    soc.RadioButton1->setChecked(true);
    soc.show();
    QCOMPARE(svc::itemsOf(soc.ComboBox3, false),
             (QStringList{QStringLiteral("Alfa Ida"), QStringLiteral("Beta Eva"), QStringLiteral("Zeta Ugo")}));
    QCOMPARE(svc::itemsOf(soc.ComboBox9, false), QStringList{QStringLiteral("SPESA")});
}

void TstServizio::vehicleAndDriverLists_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QStringList>("vehicles");
    QTest::addColumn<QStringList>("drivers");
    QTest::newRow("no type") << "" << QStringList{"AMB 1", "AUTO 1", "AMB 3"} << QStringList{};
    QTest::newRow("AMB. ORD.") << "AMB. ORD." << QStringList{"AMB 1", "AMB 3"} << QStringList{"Quattro Ada", "Tutte Eli"};
    QTest::newRow("AMB. EMER.") << "AMB. EMER." << QStringList{"AMB 1", "AMB 3"} << QStringList{"Cinque Bo", "Tutte Eli"};
    QTest::newRow("AMBULANZA") << "AMBULANZA" << QStringList{"AMB 1", "AMB 3"} << QStringList{};
    QTest::newRow("AUTO") << "AUTO" << QStringList{"AUTO 1"} << QStringList{"Quattro Ada", "Tutte Eli"};
    QTest::newRow("auto typed in lower case") << "auto " << QStringList{"AUTO 1"} << QStringList{};
    QTest::newRow("PULMINO") << "PULMINO" << QStringList{} << QStringList{"Quattro Ada", "Tutte Eli"};
}

void TstServizio::vehicleAndDriverLists()
{
    QFETCH(QString, tipo);
    QFETCH(QStringList, vehicles);
    QFETCH(QStringList, drivers);
    TestDb::addVehicle(QStringLiteral("AMB 1"), QStringLiteral("AMBULANZA"));
    TestDb::addVehicle(QStringLiteral("AUTO 1"), QStringLiteral("Auto"));
    TestDb::addVehicle(QStringLiteral("AMB 2"), QStringLiteral("AMBULANZA"), QStringLiteral("Fuori servizio"));
    TestDb::addVehicle(QStringLiteral("AMB 3"), QStringLiteral("ambulanza"));
    TestDb::addPerson(QStringLiteral("Quattro Ada"), QStringLiteral("PATVLM"), QStringLiteral("'4'"));
    TestDb::addPerson(QStringLiteral("Cinque Bo"), QStringLiteral("PATVLM"), QStringLiteral("'5'"));
    TestDb::addPerson(QStringLiteral("Tutte Eli"), QStringLiteral("PATVLM"), QStringLiteral("'45'"));
    TestDb::addPerson(QStringLiteral("Nessuna Pia"), QStringLiteral("PATVLM"), QStringLiteral("''"));
    TestDb::addPerson(QStringLiteral("Riserva Rita"), QStringLiteral("PATVLM,stato"), QStringLiteral("'45','Riserva'"));

    TFoServizio f;
    f.show();
    f.ComboBox6->setEditText(tipo);
    QCOMPARE(svc::itemsOf(f.ComboBox1), vehicles);
    QCOMPARE(svc::itemsOf(f.ComboBox2), drivers);
    QCOMPARE(svc::itemsOf(f.ComboBox2), drivers);  // opened twice: each name once
    // A driver can still be typed whatever the list offers.
    f.ComboBox2->setEditText(QStringLiteral("Nessuna Pia"));
    svc::itemsOf(f.ComboBox2);
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("Nessuna Pia"));
}

void TstServizio::layouts()
{
    TFoServizio san;
    san.show();
    QVERIFY(!san.RadioButton1->isVisible());
    QVERIFY(san.RadioButton4->isVisible() && san.RadioButton5->isVisible());
    QVERIFY(san.ComboBox5->isVisible() && san.MaskEdit5->isVisible() && san.CheckBox3->isVisible());
    QCOMPARE(san.LabelOrarioVisita->text(), QStringLiteral("Orario Visita"));

    TFoServizio soc;
    soc.RadioButton1->setChecked(true);
    soc.show();
    QVERIFY(soc.RadioButton1->isVisible());
    QVERIFY(!soc.RadioButton4->isVisible() && !soc.RadioButton5->isVisible());
    for (QWidget *w : std::initializer_list<QWidget *>{soc.LabelDestinazione, soc.LabelPartenzaLuogo, soc.LabelPeso,
                                                       soc.LabelDaPortare, soc.LabelCodiceFiscale, soc.ComboBox5,
                                                       soc.ComboBox8, soc.Edit9, soc.MaskEdit5, soc.CheckBox2,
                                                       soc.CheckBox3, soc.CheckBox4, soc.CheckBox5})
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(soc.LabelOrarioVisita->text(), QStringLiteral("Orario Serv."));
    QCOMPARE(soc.LabelCampanello->x(), 32);
    QCOMPARE(soc.Edit5->x(), 290);
    QCOMPARE(soc.LabelTipoMezzo->y(), 216);
    QCOMPARE(soc.LabelServizio->y(), 216);
    QCOMPARE(soc.ComboBox6->y(), 208);
    QCOMPARE(soc.ComboBox9->y(), 208);
    QCOMPARE(soc.Memo1->geometry().top(), 248);
    QCOMPARE(soc.Memo1->height(), 112);
    // The notes label moves with its box and sits beside its top.
    QCOMPARE(soc.LabelNote->y(), 248 + 3);
    QCOMPARE(san.LabelNote->y(), san.Memo1->y() + 3);
    // Nothing left visible overlaps another visible control.
    for (TFoServizio *f : {&san, &soc}) {
        QList<QWidget *> vis;
        for (QWidget *w : f->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w->isVisible()) vis << w;
        for (int i = 0; i < vis.size(); ++i)
            for (int j = i + 1; j < vis.size(); ++j)
                QVERIFY2(!vis[i]->geometry().intersects(vis[j]->geometry()),
                         qPrintable(vis[i]->objectName() + QLatin1Char('/') + vis[j]->objectName() + QLatin1Char('/') +
                                    vis[i]->property("text").toString() + QLatin1Char('/') + vis[j]->property("text").toString()));
    }
}

void TstServizio::pickedDriverWarnsAndStaysStored()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("PATVLM,Area1"), QStringLiteral("'4','SI'"));
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    svc::Row r;
    r.v2 = mario;
    r.mezzo = amb;
    const qint64 other = svc::addService(r);

    TFoServizio f;
    f.show();
    fillNew(f);
    f.MaskEdit2->setText(QStringLiteral("09:00"));
    f.ComboBox6->setEditText(QStringLiteral("AUTO"));
    vlmtest::Answerer a;
    QVERIFY(svc::pick(f.ComboBox2, QStringLiteral("Rossi Mario")));
    QCOMPARE(a.texts(), QStringList{QStringLiteral("La Risorsa Rossi Mario è utilizzato per il servizio %1 Dalle 08:30:00 Alle 09:30").arg(other)});
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("Rossi Mario"));
    // Typing a vehicle code checks the vehicle, once the code names one.
    a.clear();
    f.ComboBox1->lineEdit()->setFocus();
    QTest::keyClicks(f.ComboBox1->lineEdit(), QStringLiteral("AMB 01"));
    QCOMPARE(a.messages().size(), 1);
    QVERIFY(a.messages()[0].text.startsWith(QStringLiteral("La Risorsa AMB 01 è utilizzato per il servizio ")));
    // A companion picked from the list is checked too.
    a.clear();
    QVERIFY(svc::pick(f.ComboBox7, QStringLiteral("Rossi Mario")));
    QCOMPARE(a.messages().size(), 1);

    svc::button(&f, QStringLiteral("Salva"))->click();
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 2);
    QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("IdAutista=%1 and Idmezzo=%2 and IdVolontario3=%1").arg(mario).arg(amb)), 1);
}

void TstServizio::copyGivesANewService()
{
    svc::Row r;
    r.cognome = QStringLiteral("Copiato");
    r.conv = QStringLiteral("Y");
    const qint64 id = svc::addService(r);
    TFoServizio f;
    f.setId(id);
    f.show();
    vlmtest::Answerer a;
    svc::button(&f, QStringLiteral("Copia"))->click();
    QCOMPARE(f.id(), 0);
    QCOMPARE(f.Label25->text(), QStringLiteral("0"));
    QCOMPARE(f.MaskEdit1->text(), QStringLiteral("  /  /    "));
    svc::button(&f, QStringLiteral("Salva"))->click();  // no date: fails, nothing stored
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 1);
    f.MaskEdit1->setText(QStringLiteral("12/03/2026"));
    svc::button(&f, QStringLiteral("Salva"))->click();
    QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("cognomepz='Copiato'")), 2);
    QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("date(dataservizio)='2026-03-12' and convenzione='Y' and ID<>%1").arg(id)), 1);
    QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("date(dataservizio)='2026-03-10' and ID=%1").arg(id)), 1);
}

void TstServizio::repeat_data()
{
    QTest::addColumn<QString>("dal");
    QTest::addColumn<QString>("al");
    QTest::addColumn<QString>("ogni");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("errors");
    QTest::newRow("every 3 days, both ends") << "01/03/2026" << "10/03/2026" << "3"
                                             << QStringList{"2026-03-01", "2026-03-04", "2026-03-07", "2026-03-10"} << 0;
    QTest::newRow("every day across a month") << "30/04/2026" << "02/05/2026" << " 1 "
                                              << QStringList{"2026-04-30", "2026-05-01", "2026-05-02"} << 0;
    QTest::newRow("same day") << "05/03/2026" << "05/03/2026" << "1" << QStringList{} << 0;
    QTest::newRow("Al before Dal") << "05/03/2026" << "01/03/2026" << "1" << QStringList{} << 0;
    QTest::newRow("every 0") << "01/03/2026" << "10/03/2026" << "0" << QStringList{} << 0;
    QTest::newRow("not a number") << "01/03/2026" << "10/03/2026" << "tre" << QStringList{} << 0;
    QTest::newRow("Dal blank") << "" << "10/03/2026" << "1" << QStringList{} << 1;
    QTest::newRow("Al blank") << "01/03/2026" << "" << "1" << QStringList{} << 1;
}

void TstServizio::repeat()
{
    QFETCH(QString, dal);
    QFETCH(QString, al);
    QFETCH(QString, ogni);
    QFETCH(QStringList, dates);
    QFETCH(int, errors);
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    svc::Row r;
    r.day = QStringLiteral("2026-03-04");
    r.autista = mario;
    r.cognome = QStringLiteral("Ripetuto");
    const qint64 id = svc::addService(r);
    TFoServizio f;
    f.setId(id);
    f.show();
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("TFoRipeti"), [&](QWidget *w) {
        auto *d = static_cast<TFoRipeti *>(w);
        QCOMPARE(d->Edit1->text(), QStringLiteral("1"));
        d->MaskEdit1->setText(dal);
        d->MaskEdit2->setText(al);
        d->Edit1->setText(ogni);
        d->Button1->click();
    });
    svc::button(&f, QStringLiteral("Ripetibili"))->click();
    QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoRipeti")});
    QCOMPARE(a.messages().size(), errors);
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 1 + dates.size());
    QStringList stored;
    Q_UNUSED(mario);
    for (const QString &d : dates) {
        QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("date(dataservizio)='%1' and ID<>%2 and IdAutista=%3 "
                                                                         "and cognomepz='Ripetuto' and time_format(orariopartenza,'%H:%i')='08:30'")
                                                              .arg(d).arg(id).arg(mario)),
                 1);
    }
    // The service the editor was opened for is not changed.
    QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("ID=%1 and date(dataservizio)='2026-03-04'").arg(id)), 1);
    QCOMPARE(f.isVisible(), dates.isEmpty());  // a repeat that saved closes the editor
}

void TstServizio::repeatStopsAtAFailingSave()
{
    TFoServizio f;
    f.show();
    fillNew(f);
    vlm::clearRadios({f.RadioButton1, f.RadioButton4, f.RadioButton5});
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("TFoRipeti"), [&](QWidget *w) {
        auto *d = static_cast<TFoRipeti *>(w);
        d->MaskEdit1->setText(QStringLiteral("01/03/2026"));
        d->MaskEdit2->setText(QStringLiteral("03/03/2026"));
        d->Button1->click();
    });
    svc::button(&f, QStringLiteral("Ripetibili"))->click();
    QCOMPARE(a.messages().size(), 1);
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 0);
    // Closed without "Salva": nothing at all happens.
    a.clear();
    a.onDialog(QStringLiteral("TFoRipeti"), [&](QWidget *w) {
        auto *d = static_cast<TFoRipeti *>(w);
        d->MaskEdit1->setText(QStringLiteral("01/03/2026"));
        d->MaskEdit2->setText(QStringLiteral("03/03/2026"));
        d->reject();
    });
    f.RadioButton4->setChecked(true);
    svc::button(&f, QStringLiteral("Ripetibili"))->click();
    QVERIFY(a.messages().isEmpty());
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 0);
    QVERIFY(f.isVisible());
}

void TstServizio::timings()
{
    svc::Row r;
    const qint64 id = svc::addService(r);
    TestDb::exec(QStringLiteral("update servizi set OraPS='08:31:10',OraAO='08:50:00',OraAD='09:40:05' where ID=%1").arg(id));
    TFoServizio f;
    f.setId(id);
    f.show();
    QStringList seen;
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("TFoTempi"), [&](QWidget *w) {
        auto *t = static_cast<TFoTempi *>(w);
        seen << t->windowTitle() << t->Label1->text() << t->Label2->text() << t->MaskEdit1->text() << t->MaskEdit2->text()
             << t->MaskEdit3->text() << t->MaskEdit4->text() << t->MaskEdit5->text() << t->MaskEdit6->text();
        t->MaskEdit3->setText(QStringLiteral("10:00:00"));  // typed, never stored
        t->reject();
    });
    svc::button(&f, QStringLiteral("Tempi"))->click();
    QCOMPARE(seen, (QStringList{"Tempi servizio", "Orari Servizio ", QString::number(id), "08:31:10", "08:50:00", "00:00:00",
                                "09:40:05", "00:00:00", "00:00:00"}));
    QVERIFY(TestDb::scalar(QStringLiteral("select OraPO from servizi")).isNull());
}

QTEST_MAIN(TstServizio)
#include "tst_servizio.moc"
