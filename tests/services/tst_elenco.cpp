// The services list and the way to it from the main window: the typical booking walked
// end to end, the filters, the colours, opening, creating and deleting services.
#include "app/TFormMain.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/MaskEdit.h"
#include "services/Controls.h"
#include "services/TFoElenco.h"
#include "services/TFoServizio.h"
#include "ServiceFixtures.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using vlmtest::TestDb;

namespace {
QStringList cognomi(TFoElenco &l)
{
    QStringList out;
    for (int r = 0; r < l.table()->rowCount(); ++r) out << l.table()->text(r, QStringLiteral("COGNOME"));
    return out;
}

QString ddmmyyyy(int offset) { return vlm::dateToStr(QDate::currentDate().addDays(offset)); }

void clickBox(QCheckBox *b, int times)
{
    for (int i = 0; i < times; ++i) QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}
}  // namespace

class TstElenco : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("USERNAME", "nessuno-di-questi");
        VLM_TEST_INIT;
    }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void typicalRequestFromTheMainWindow();
    void socialEntryAndAccessDigit();
    void filters_data();
    void filters();
    void captionsFollowTheSocialBox();
    void weekdayColoursAndIncompleteRows();
    void openNewAndReload();
    void deleteAsks();
    void gridFontFollowsHeight();
};

void TstElenco::typicalRequestFromTheMainWindow()
{
    TestDb::addPerson(QStringLiteral("Desk Dora"), QStringLiteral("Utente,Password,LivelloS"), QStringLiteral("'dora','pw',6"));
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"), QStringLiteral("PATVLM,Area1"), QStringLiteral("'45','SI'"));
    const qint64 anna = TestDb::addPerson(QStringLiteral("Verdi Anna"), QStringLiteral("Area1"), QStringLiteral("'SI'"));
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    svc::Row booked;
    booked.day = svc::today(1);
    booked.start = QStringLiteral("08:30");
    booked.dur = QStringLiteral("01:00");
    booked.autista = mario;
    booked.v1 = anna;
    booked.cognome = QStringLiteral("Gia Prenotato");
    const qint64 other = svc::addService(booked);

    TFormMain main;
    QCOMPARE(main.userId() > 0, false);
    QSignalSpy opened(&main, &TFormMain::entryOpened);
    QStringList before, after;
    QString listCaption;
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("TFoLogin"), [](QWidget *w) {
        auto *e = w->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        auto *p = w->findChild<vlm::MaskEdit *>(QStringLiteral("MaskEdit1"));
        e->setText(QStringLiteral("dora"));
        p->setFocus();
        p->setText(QStringLiteral("pw"));
        QTest::keyClick(p, Qt::Key_Return);
    });
    svc::onShown(a, QStringLiteral("TFoElenco"), [&](QWidget *w) {
        auto *l = static_cast<TFoElenco *>(w);
        listCaption = l->windowTitle();
        before = cognomi(*l);
        svc::button(l, QStringLiteral(" + "))->click();
        after = cognomi(*l);
        l->reject();
    });
    svc::onShown(a, QStringLiteral("TFoServizio"), [&](QWidget *w) {
        auto *f = static_cast<TFoServizio *>(w);
        QCOMPARE(f->Label25->text(), QStringLiteral("0"));
        QCOMPARE(f->Label4->text(), ddmmyyyy(0));
        f->MaskEdit1->setText(ddmmyyyy(1));
        f->MaskEdit2->setText(QStringLiteral("09:00"));
        f->MaskEdit3->setText(QStringLiteral("01:00"));
        f->MaskEdit4->setText(QStringLiteral("09:30"));
        f->Edit1->setText(QStringLiteral("Neri"));
        f->Edit4->setText(QStringLiteral("Carla"));
        f->RadioButton5->setChecked(true);
        f->ComboBox6->setEditText(QStringLiteral("AMB. EMER."));
        QVERIFY(svc::pick(f->ComboBox1, QStringLiteral("AMB 01")));
        QVERIFY(svc::pick(f->ComboBox2, QStringLiteral("Rossi Mario")));  // booked 08:30-09:30: warns
        QVERIFY(svc::pick(f->ComboBox3, QStringLiteral("Verdi Anna")));   // warns too
        svc::button(f, QStringLiteral("Salva"))->click();
    });
    main.BtnSanitario->click();

    QCOMPARE(a.dialogsSeen(), (QStringList{"TFoLogin", "TFoElenco", "TFoServizio"}));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), QStringLiteral("TFoElenco"));
    QCOMPARE(listCaption, QStringLiteral("Servizi Sanitari"));
    QCOMPARE(a.messages().size(), 2);
    QCOMPARE(a.messages()[0].caption, QStringLiteral("Risorsa non utilizzabile"));
    QCOMPARE(a.messages()[0].text,
             QStringLiteral("La Risorsa Rossi Mario è utilizzato per il servizio %1 Dalle 08:30:00 Alle 09:30").arg(other));
    QCOMPARE(a.messages()[1].text,
             QStringLiteral("La Risorsa Verdi Anna è utilizzato per il servizio %1 Dalle 08:30:00 Alle 09:30").arg(other));
    QCOMPARE(TestDb::count(QStringLiteral("servizi"),
                           QStringLiteral("cognomepz='Neri' and nomepz='Carla' and date(dataservizio)=current_date+interval 1 day "
                                          "and Idmezzo=%1 and IdAutista=%2 and IdVolontario1=%3 and convenzione='Y' "
                                          "and tipomezzo='AMB. EMER.'").arg(amb).arg(mario).arg(anna)),
             1);
    QCOMPARE(before, QStringList{QStringLiteral("Gia Prenotato")});
    QCOMPARE(after, (QStringList{QStringLiteral("Gia Prenotato"), QStringLiteral("Neri")}));
    QVERIFY(!vlm::isConnected(QStringLiteral("DB")));
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
    QVERIFY(!vlm::isConnected(QStringLiteral("Db3")));
}

void TstElenco::socialEntryAndAccessDigit()
{
    TestDb::addPerson(QStringLiteral("Desk Dora"), QStringLiteral("Utente,Password,LivelloS"), QStringLiteral("'dora','pw',7"));
    TestDb::addPerson(QStringLiteral("Poco Pio"), QStringLiteral("Utente,Password,LivelloS"), QStringLiteral("'pio','pw',5"));
    svc::Row r;
    r.day = svc::today(2);
    r.conv = QStringLiteral("S");
    r.cognome = QStringLiteral("Sociale Uno");
    svc::addService(r);
    r.conv = QStringLiteral("N");
    r.cognome = QStringLiteral("Sanitario Uno");
    svc::addService(r);

    auto login = [](const QString &user) {
        return [user](QWidget *w) {
            w->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(user);
            auto *p = w->findChild<vlm::MaskEdit *>(QStringLiteral("MaskEdit1"));
            p->setText(QStringLiteral("pw"));
            QTest::keyClick(p, Qt::Key_Return);
        };
    };
    {
        TFormMain main;
        vlmtest::Answerer a;
        QString caption;
        Qt::CheckState state = Qt::Unchecked;
        QStringList rows;
        a.onDialog(QStringLiteral("TFoLogin"), login(QStringLiteral("dora")));
        svc::onShown(a, QStringLiteral("TFoElenco"), [&](QWidget *w) {
            auto *l = static_cast<TFoElenco *>(w);
            caption = l->windowTitle();
            state = l->CheckBox2->checkState();
            rows = cognomi(*l);
            l->reject();
        });
        main.BtnSociali->click();
        QCOMPARE(caption, QStringLiteral("Servizi Sociali"));
        QCOMPARE(state, Qt::Checked);
        QCOMPARE(rows, QStringList{QStringLiteral("Sociale Uno")});
    }
    {
        TFormMain main;
        QSignalSpy opened(&main, &TFormMain::entryOpened);
        vlmtest::Answerer a;
        a.onDialog(QStringLiteral("TFoLogin"), login(QStringLiteral("pio")));
        main.BtnSanitario->click();
        main.BtnSociali->click();
        QCOMPARE(a.dialogsSeen(), QStringList{QStringLiteral("TFoLogin")});
        QCOMPARE(opened.size(), 0);
        QVERIFY(a.messages().isEmpty());
    }
}

void TstElenco::filters_data()
{
    QTest::addColumn<int>("socialClicks");  // 0 not ticked, 1 ticked, 2 greyed
    QTest::addColumn<int>("pastClicks");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("start: sanitary, today and later") << 0 << 0 << "" << QStringList{"Beta", "Alfa"};
    QTest::newRow("past, oldest first") << 0 << 1 << "" << QStringList{"Delta", "Gamma"};
    QTest::newRow("every date, newest first") << 0 << 2 << "" << QStringList{"Alfa", "Beta", "Gamma", "Delta"};
    QTest::newRow("social") << 1 << 0 << "" << QStringList{"Epsilon"};
    QTest::newRow("social past") << 1 << 1 << "" << QStringList{"D'Amico", "Zeta"};
    QTest::newRow("both kinds, every date") << 2 << 2 << "" << QStringList{"Epsilon", "Alfa", "Beta", "Zeta", "Gamma", "Delta", "D'Amico"};
    QTest::newRow("both kinds, coming") << 2 << 0 << "" << QStringList{"Beta", "Alfa", "Epsilon"};
    QTest::newRow("first name") << 0 << 2 << "ros" << QStringList{"Gamma"};
    QTest::newRow("doorbell, trimmed") << 0 << 0 << " zanz " << QStringList{"Beta"};
    QTest::newRow("surname inside") << 2 << 2 << "ps" << QStringList{"Epsilon"};
    QTest::newRow("past search") << 0 << 1 << "elt" << QStringList{"Delta"};
    QTest::newRow("blanks only match every name") << 0 << 2 << "   " << QStringList{"Alfa", "Beta", "Gamma", "Delta"};
    QTest::newRow("a quote is only text") << 2 << 2 << "d'A" << QStringList{"D'Amico"};
    QTest::newRow("nothing found") << 2 << 2 << "xyz" << QStringList{};
}

void TstElenco::filters()
{
    QFETCH(int, socialClicks);
    QFETCH(int, pastClicks);
    QFETCH(QString, search);
    QFETCH(QStringList, rows);
    auto add = [](int day, const char *start, const char *conv, const char *cognome) {
        svc::Row r;
        r.day = svc::today(day);
        r.start = QString::fromLatin1(start);
        r.conv = QString::fromLatin1(conv);
        r.cognome = QString::fromLatin1(cognome);
        return svc::addService(r);
    };
    add(1, "09:00", "N", "Alfa");
    const qint64 beta = add(0, "08:00", "Y", "Beta");
    const qint64 gamma = add(-2, "10:00", "N", "Gamma");
    add(-5, "07:00", "Y", "Delta");
    add(3, "07:00", "S", "Epsilon");
    add(-1, "07:00", "S", "Zeta");
    add(-30, "07:00", "S", "D'Amico");
    TestDb::exec(QStringLiteral("update servizi set cognomecampanello='Zanzi' where ID=%1").arg(beta));
    TestDb::exec(QStringLiteral("update servizi set nomepz='Rosa' where ID=%1").arg(gamma));

    TFoElenco l;
    l.show();
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
    vlmtest::Answerer a;
    clickBox(l.CheckBox2, socialClicks);
    clickBox(l.CheckBox1, pastClicks);
    const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    QCOMPARE(l.CheckBox1->checkState(), states[pastClicks]);
    if (!search.isEmpty()) {
        l.Edit1->setFocus();
        QTest::keyClicks(l.Edit1, search);
    }
    QVERIFY2(a.messages().isEmpty(), qPrintable(a.texts().join(QLatin1Char('|'))));
    QCOMPARE(cognomi(l), rows);
    QVERIFY(!vlm::isConnected(QStringLiteral("Db2")));
}

void TstElenco::captionsFollowTheSocialBox()
{
    TFoElenco l;
    l.show();
    QStringList captions;
    for (int i = 0; i < 3; ++i) {
        clickBox(l.CheckBox2, 1);
        captions << l.windowTitle();
    }
    QCOMPARE(captions, (QStringList{"Servizi Sociali", "servizi Sanitari e Ordinari", "Servizi Sanitari"}));
}

void TstElenco::weekdayColoursAndIncompleteRows()
{
    const qint64 mario = TestDb::addPerson(QStringLiteral("Rossi Mario"));
    const qint64 amb = TestDb::addVehicle(QStringLiteral("AMB 01"));
    // A full week of complete services, one a day, from next Sunday on.
    QDate sunday = QDate::currentDate().addDays(1);
    while (vlm::dayOfWeek(sunday) != 1) sunday = sunday.addDays(1);
    const int base = QDate::currentDate().daysTo(sunday);
    for (int i = 0; i < 7; ++i) {
        svc::Row r;
        r.day = svc::today(base + i);
        r.mezzo = amb;
        r.autista = mario;
        r.v1 = mario;
        r.tipo = QStringLiteral("AMB. ORD.");
        r.start = QStringLiteral("08:30");
        r.cognome = QStringLiteral("Giorno%1").arg(i);
        svc::addService(r);
    }
    // Incomplete ones, later on.
    auto later = [&](const QString &cognome, qint64 mezzo, qint64 autista, qint64 v1, const QString &tipo) {
        svc::Row r;
        r.day = svc::today(base + 10);
        r.mezzo = mezzo;
        r.autista = autista;
        r.v1 = v1;
        r.tipo = tipo;
        r.cognome = cognome;
        svc::addService(r);
    };
    later(QStringLiteral("TipoSenzaMezzo"), 0, mario, mario, QStringLiteral("AUTO"));
    later(QStringLiteral("TipoSenzaAutista"), amb, 0, mario, QStringLiteral("AUTO"));
    later(QStringLiteral("SenzaSocc1"), amb, mario, 0, QStringLiteral("AUTO"));
    later(QStringLiteral("SenzaTipoSoloSocc1"), 0, 0, mario, QString(""));

    TFoElenco l;
    l.show();
    vlm::GridModel *m = l.model();
    QCOMPARE(m->rowCount(), 11);
    const QList<QColor> week = {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 0, 128),
                                QColor(0, 255, 0), QColor(128, 0, 128), QColor(255, 0, 255)};
    for (int i = 0; i < 7; ++i) {
        for (int c = 0; c < m->columnCount(); ++c) {
            QCOMPARE(m->data(m->index(i, c), Qt::ForegroundRole).value<QColor>(), week[i]);
            QCOMPARE(m->data(m->index(i, c), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        }
    }
    QCOMPARE(m->data(m->index(0, 1)).toString(), QStringLiteral("08:30"));  // hh:mm of hh:mm:ss
    const QStringList heads = {"DATA", "ORARIOP", "DURATA", "COGNOME", "LUOGOP", "MEZZO", "AUTISTA"};
    for (int c = 0; c < heads.size(); ++c) QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), heads[c]);
    QCOMPARE(m->data(m->index(0, 6)).toString(), QStringLiteral("Rossi Mario"));  // companion 1 under "AUTISTA"
    for (int i = 7; i < 11; ++i) {
        const QString who = m->data(m->index(i, 3)).toString();
        const bool red = who != QLatin1String("SenzaTipoSoloSocc1");
        for (int c = 0; c < m->columnCount(); ++c) {
            QCOMPARE(m->data(m->index(i, c), Qt::BackgroundRole).value<QColor>(), red ? QColor(255, 0, 0) : QColor(Qt::white));
            if (red) QCOMPARE(m->data(m->index(i, c), Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        }
    }
}

void TstElenco::openNewAndReload()
{
    svc::Row r;
    r.day = svc::today(1);
    r.cognome = QStringLiteral("Esistente");
    const qint64 id = svc::addService(r);

    TFoElenco l;
    l.show();
    vlmtest::Answerer a;
    qint64 seenId = -1;
    bool listHidden = false;
    svc::onShown(a, QStringLiteral("TFoServizio"), [&](QWidget *w) {
        auto *f = static_cast<TFoServizio *>(w);
        seenId = f->id();
        listHidden = !l.isVisible();
        TestDb::exec(QStringLiteral("update servizi set cognomepz='Cambiato da altri'"));
        f->reject();
    });
    l.SG1->setCurrentRow(0);
    emit l.SG1->rowDoubleClicked(0);
    QCOMPARE(seenId, id);
    QVERIFY(listHidden);
    QVERIFY(l.isVisible());
    QCOMPARE(cognomi(l), QStringList{QStringLiteral("Cambiato da altri")});  // shown again: reloaded

    // New services: the kind follows the social box (greyed chooses none).
    for (int clicks : {0, 1, 2}) {
        TFoElenco n;
        n.show();
        clickBox(n.CheckBox2, clicks);
        vlmtest::Answerer b;
        QList<bool> radios;
        QString label4, label25;
        svc::onShown(b, QStringLiteral("TFoServizio"), [&](QWidget *w) {
            auto *f = static_cast<TFoServizio *>(w);
            radios = {f->RadioButton1->isChecked(), f->RadioButton4->isChecked(), f->RadioButton5->isChecked()};
            label4 = f->Label4->text();
            label25 = f->Label25->text();
            f->reject();
        });
        svc::button(&n, QStringLiteral(" + "))->click();
        QCOMPARE(radios, (QList<bool>{clicks == 1, false, false}));
        QCOMPARE(label4, ddmmyyyy(0));
        QCOMPARE(label25, QStringLiteral("0"));
    }
}

void TstElenco::deleteAsks()
{
    svc::Row r;
    r.day = QStringLiteral("2099-05-04");
    r.cognome = QStringLiteral("Alfa");
    svc::addService(r);
    r.day = QStringLiteral("2099-05-05");
    r.cognome = QStringLiteral("Beta");
    svc::addService(r);
    TFoElenco l;
    l.show();
    vlmtest::Answerer a;
    l.SG1->setCurrentRow(1);
    a.answer(QMessageBox::No);
    svc::button(&l, QStringLiteral(" - "))->click();
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 2);
    l.SG1->setCurrentRow(1);
    a.answer(QMessageBox::Yes);
    svc::button(&l, QStringLiteral(" - "))->click();
    QCOMPARE(a.messages().size(), 2);
    QCOMPARE(a.messages()[1].caption, QStringLiteral("Cancella"));
    QCOMPARE(a.messages()[1].text, QStringLiteral("Vuoi cancellare il servizio Beta del 05/05/2099 ?"));
    QCOMPARE(cognomi(l), QStringList{QStringLiteral("Alfa")});
    QCOMPARE(TestDb::count(QStringLiteral("servizi"), QStringLiteral("cognomepz='Alfa'")), 1);

    // An empty list asks about nobody and deletes nothing.
    l.Edit1->setText(QStringLiteral("nessuno"));
    QCOMPARE(l.model()->rowCount(), 0);
    a.clear();
    a.answer(QMessageBox::Yes);
    svc::button(&l, QStringLiteral(" - "))->click();
    QCOMPARE(a.texts(), QStringList{QStringLiteral("Vuoi cancellare il servizio  del  ?")});
    QCOMPARE(TestDb::count(QStringLiteral("servizi")), 1);
}

void TstElenco::gridFontFollowsHeight()
{
    TFoElenco l;
    l.show();
    l.resize(900, 700);
    QCOMPARE(l.SG1->font().pointSize(), l.SG1->height() / 44);
    l.resize(900, 400);
    QCOMPARE(l.SG1->font().pointSize(), l.SG1->height() / 44);
    QCOMPARE(l.SG1->geometry().right(), l.width() - 97);
}

QTEST_MAIN(TstElenco)
#include "tst_elenco.moc"
