// The vehicle stand-bys: the list from today on with its weekday colours, adding, opening,
// storing and deleting stand-bys, the checks on the entry boxes, and the menu entry.
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/TFoStandby.h"
#include "ServiceFixtures.h"

#include <QSignalSpy>
#include <QtTest>

using vlmtest::TestDb;

namespace {
qint64 addStandby(int dayOffset, const QString &from, const QString &to, const QString &sigla,
                  const QString &tipo = QStringLiteral("BRAVO 1"))
{
    TestDb::exec(QStringLiteral("insert into standby(dataservizio,orainizio,durata,siglamezzo,tiposervizio) "
                                "values(curdate() + interval %1 day + interval 7 hour,%2,%3,%4,%5)")
                     .arg(dayOffset)
                     .arg(svc::sqlText(from), svc::sqlText(to), svc::sqlText(sigla), svc::sqlText(tipo)));
    return TestDb::scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

// The stored stand-bys as "yyyy-mm-dd hh:mm:ss|start|end|vehicle|kind", by key.
QStringList stored()
{
    QStringList out;
    const int n = TestDb::count(QStringLiteral("standby"));
    for (int i = 0; i < n; ++i)
        out << TestDb::scalar(QStringLiteral("select concat_ws('|',date_format(dataservizio,'%Y-%m-%d %H:%i:%s'),"
                                             "orainizio,durata,siglamezzo,tiposervizio) from standby order by ID limit %1,1")
                                  .arg(i))
                   .toString();
    return out;
}

QStringList column(TFoStandby &l, const QString &field)
{
    QStringList out;
    for (int r = 0; r < l.table()->rowCount(); ++r) out << l.table()->text(r, field);
    return out;
}

QString day(int offset) { return svc::today(offset); }

void fill(TFoStby *f, const QString &data, const QString &da, const QString &a, const QString &mezzo, const QString &tipo)
{
    f->EdI->setText(data);
    f->MaskEdit1->setText(da);
    f->MaskEdit2->setText(a);
    f->CBMezzo->setEditText(mezzo);
    f->CBTipo->setEditText(tipo);
}
}  // namespace

class TstStandby : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
    }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void listFromTodayOnWithColours();
    void newStandbyFromTheList();
    void secondSaveChangesTheSameStandby();
    void openAndChange();
    void deleteAtOnce();
    void badBoxesStoreNothing_data();
    void badBoxesStoreNothing();
    void menuEntry();
};

void TstStandby::listFromTodayOnWithColours()
{
    addStandby(-1, QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("IERI 1"));
    addStandby(3, QStringLiteral("20:00"), QStringLiteral("23:30"), QStringLiteral("ALFA 12"), QStringLiteral("ORDINARIA 2"));
    addStandby(0, QStringLiteral("14:30"), QStringLiteral("13:00"), QStringLiteral("UN CODICE MOLTO LUNGO"));
    addStandby(1, QStringLiteral("07:05"), QStringLiteral("09:45"), QStringLiteral("BETA 2"));

    TFoStandby l;
    QCOMPARE(l.windowTitle(), QStringLiteral("FoStandBy"));
    QCOMPARE(column(l, QStringLiteral("siglamezzo")), (QStringList{"UN CODICE MOLTO", "BETA 2", "ALFA 12"}));
    QCOMPARE(column(l, QStringLiteral("dataservizio")),
             (QStringList{vlm::dateToStr(QDate::currentDate()), vlm::dateToStr(QDate::currentDate().addDays(1)),
                          vlm::dateToStr(QDate::currentDate().addDays(3))}));
    QCOMPARE(column(l, QStringLiteral("orapartenza")), (QStringList{"14:30", "07:05", "20:00"}));
    QCOMPARE(column(l, QStringLiteral("durata")), (QStringList{"13:00", "09:45", "23:30"}));
    QCOMPARE(column(l, QStringLiteral("tiposervizio")), (QStringList{"BRAVO 1", "BRAVO 1", "ORDINARIA 2"}));

    vlm::GridModel *m = l.model();
    QCOMPARE(m->columnCount(), 4);
    const QColor weekday[] = {{}, QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 0, 128),
                              QColor(0, 255, 0), QColor(128, 0, 128), QColor(255, 0, 255)};
    for (int r = 0; r < 3; ++r) {
        const QDate d = l.table()->value(r, QStringLiteral("dataservizio")).toDate();
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(m->data(m->index(r, c), Qt::ForegroundRole).value<QColor>(), weekday[vlm::dayOfWeek(d)]);
            QVERIFY(!m->data(m->index(r, c), Qt::BackgroundRole).isValid());
        }
    }
}

void TstStandby::newStandbyFromTheList()
{
    TestDb::addVehicle(QStringLiteral("AMB 01"));
    TestDb::addVehicle(QStringLiteral("VECCHIA 7"), QStringLiteral("AMBULANZA"), QStringLiteral("Dismesso"));
    TestDb::addVehicle(QStringLiteral("PUL 3"), QStringLiteral("PULMINO"));

    TFoStandby l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    vlmtest::Answerer a;
    bool listHidden = false;
    QStringList mezzi, tipi;
    QString data, caption;
    svc::onShown(a, QStringLiteral("TFoStby"), [&](QWidget *w) {
        auto *f = static_cast<TFoStby *>(w);
        listHidden = !l.isVisible();
        caption = f->windowTitle();
        data = f->EdI->text();
        mezzi = svc::itemsOf(f->CBMezzo, false);
        tipi = svc::itemsOf(f->CBTipo, false);
        fill(f, vlm::dateToStr(QDate::currentDate().addDays(2)), QStringLiteral("08:15"), QStringLiteral("10:00"),
             QStringLiteral("AMB 01"), QStringLiteral("BRAVO 2"));
        svc::button(f, QStringLiteral("Salva"))->click();
        QVERIFY(f->isVisible());  // stays open after saving
        f->reject();
    });
    svc::button(&l, QStringLiteral(" + "))->click();

    QVERIFY(listHidden);
    QVERIFY(l.isVisible());
    QCOMPARE(caption, QStringLiteral("StandBy Mezzo"));
    QCOMPARE(data, vlm::dateToStr(QDate::currentDate()));
    QCOMPARE(mezzi, (QStringList{"AMB 01", "PUL 3"}));  // active vehicles only
    QCOMPARE(tipi, (QStringList{"BRAVO 1", "BRAVO 2", "BRAVO 3", "ORDINARIA 1 ", "ORDINARIA 2", "ORDINARIA 3"}));
    QCOMPARE(a.messages().size(), 0);
    QCOMPARE(stored(), QStringList{day(2) + " 00:00:00|08:15:00|10:00:00|AMB 01|BRAVO 2"});
    QCOMPARE(column(l, QStringLiteral("siglamezzo")), QStringList{"AMB 01"});  // reloaded
    l.reject();
}

void TstStandby::secondSaveChangesTheSameStandby()
{
    // A vehicle typed by hand, and an end before the start, are stored as they stand.
    TFoStby f;
    fill(&f, vlm::dateToStr(QDate::currentDate()), QStringLiteral("14:00"), QStringLiteral("12:00"),
         QStringLiteral("NON IN FLOTTA"), QStringLiteral("ORDINARIA 1 "));
    f.Button1->click();
    QVERIFY(f.id() > 0);
    QCOMPARE(stored(), QStringList{day(0) + " 00:00:00|14:00:00|12:00:00|NON IN FLOTTA|ORDINARIA 1 "});
    f.MaskEdit2->setText(QStringLiteral("18:00"));
    f.Button1->click();
    QCOMPARE(stored(), QStringList{day(0) + " 00:00:00|14:00:00|18:00:00|NON IN FLOTTA|ORDINARIA 1 "});
    QCOMPARE(TestDb::scalar(QStringLiteral("select ID from standby")).toLongLong(), f.id());

    TFoStandby l;
    QCOMPARE(column(l, QStringLiteral("siglamezzo")), QStringList{"NON IN FLOTTA"});
}

void TstStandby::openAndChange()
{
    addStandby(1, QStringLiteral("06:00"), QStringLiteral("07:00"), QStringLiteral("AMB 01"));
    const qint64 id = addStandby(2, QStringLiteral("20:00"), QStringLiteral("23:30"), QStringLiteral("ALFA 12"),
                                 QStringLiteral("ORDINARIA 2"));
    TFoStandby l;
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    l.DBGrid1->setCurrentRow(1);
    vlmtest::Answerer a;
    QStringList seen;
    qint64 seenId = 0;
    svc::onShown(a, QStringLiteral("TFoStby"), [&](QWidget *w) {
        auto *f = static_cast<TFoStby *>(w);
        seenId = f->id();
        seen << f->EdI->text() << f->MaskEdit1->text() << f->MaskEdit2->text() << f->CBMezzo->currentText()
             << f->CBTipo->currentText();
        f->MaskEdit1->setText(QStringLiteral("19:30"));
        f->CBTipo->setEditText(QStringLiteral("BRAVO 3"));
        f->Button1->click();
        f->reject();
    });
    emit l.DBGrid1->rowDoubleClicked(1);

    QCOMPARE(seenId, id);
    QCOMPARE(seen, (QStringList{vlm::dateToStr(QDate::currentDate().addDays(2)), "20:00", "23:30", "ALFA 12", "ORDINARIA 2"}));
    QCOMPARE(TestDb::count(QStringLiteral("standby")), 2);
    // The day keeps only its date part once saved through the window.
    QCOMPARE(TestDb::scalar(QStringLiteral("select concat_ws('|',date_format(dataservizio,'%Y-%m-%d %H:%i'),orainizio,durata,tiposervizio) from standby where ID=%1").arg(id)).toString(),
             day(2) + QStringLiteral(" 00:00|19:30:00|23:30:00|BRAVO 3"));
    QCOMPARE(column(l, QStringLiteral("orapartenza")), (QStringList{"06:00", "19:30"}));
    l.reject();
}

void TstStandby::deleteAtOnce()
{
    TFoStandby empty;
    vlmtest::Answerer a;
    empty.Button2->click();  // nothing to delete, nothing asked
    QCOMPARE(a.messages().size(), 0);

    addStandby(-1, QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("IERI 1"));
    addStandby(0, QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("AMB 01"));
    addStandby(1, QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("BETA 2"));
    empty.CarTabella();
    empty.DBGrid1->setCurrentRow(1);
    empty.Button2->click();
    QCOMPARE(a.messages().size(), 0);
    QCOMPARE(column(empty, QStringLiteral("siglamezzo")), QStringList{"AMB 01"});
    QCOMPARE(TestDb::count(QStringLiteral("standby")), 2);  // yesterday's stays
    QCOMPARE(TestDb::count(QStringLiteral("standby"), QStringLiteral("siglamezzo='BETA 2'")), 0);
}

void TstStandby::badBoxesStoreNothing_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("a");
    QTest::newRow("empty date") << "" << "08:00" << "09:00";
    QTest::newRow("no such date") << "31/02/2026" << "08:00" << "09:00";
    QTest::newRow("empty start") << "10/03/2026" << "" << "09:00";
    QTest::newRow("empty end") << "10/03/2026" << "08:00" << "";
    QTest::newRow("hour 25") << "10/03/2026" << "08:00" << "25:00";
    QTest::newRow("minute 75") << "10/03/2026" << "08:75" << "09:00";
}

void TstStandby::badBoxesStoreNothing()
{
    QFETCH(QString, data);
    QFETCH(QString, da);
    QFETCH(QString, a);
    TFoStby f;
    fill(&f, data, da, a, QStringLiteral("AMB 01"), QStringLiteral("BRAVO 1"));
    vlmtest::Answerer ans;
    f.Button1->click();
    QCOMPARE(ans.messages().size(), 1);
    QCOMPARE(ans.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(TestDb::count(QStringLiteral("standby")), 0);
    QCOMPARE(f.id(), 0);
}

void TstStandby::menuEntry()
{
    addStandby(0, QStringLiteral("20:00"), QStringLiteral("23:30"), QStringLiteral("ALFA 12"));
    TFormMain main;
    QSignalSpy opened(&main, &TFormMain::entryOpened);
    vlmtest::Answerer a;
    QStringList rows;
    svc::onShown(a, QStringLiteral("TFoStandby"), [&](QWidget *w) {
        rows = column(*static_cast<TFoStandby *>(w), QStringLiteral("siglamezzo"));
        static_cast<QDialog *>(w)->reject();
    });
    main.Standby1->trigger();
    QCOMPARE(rows, QStringList{"ALFA 12"});
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoStandby"));
    QVERIFY(main.findChildren<TFoStandby *>().isEmpty());
    QVERIFY(vlm::isConnected(QStringLiteral("DB")));  // left open: this entry does not disconnect
}

QTEST_MAIN(TstStandby)
#include "tst_standby.moc"
