// The program's own server: created on first use with the schema, the demo data and the
// administrator account, reused on the next start, stopped on exit.
#include "platform/Db.h"
#include "platform/LocalServer.h"
#include "platform/SqlScript.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstLocalServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesEverythingAndStopStops();
};

static qint64 count(const QString &sql)
{
    vlm::Query q(QStringLiteral("DB"));
    q.setSql(sql);
    q.open();
    return q.valueAt(0).toLongLong();
}

void TstLocalServer::firstStartCreatesEverythingAndStopStops()
{
    vlm::initSchemaResources();
    QTemporaryDir dir(QStringLiteral("/tmp/vlm-local-XXXXXX"));
    qputenv("USERNAME", "desk.user");
    const vlm::DbConfig saved = vlm::alias();
    {
        vlm::LocalServer s(dir.path());
        s.start();
        QCOMPARE(vlm::alias().socket, s.socketPath());
        QCOMPARE(count(QStringLiteral("select count(*) from volontari where Utente='desk.user' and "
                                      "LivelloF=9 and LivelloM=9 and LivelloS=9 and LivelloV=9 and LivelloA=9 and LivelloP=9")), 1);
        QVERIFY(count(QStringLiteral("select count(*) from mezzi")) > 0);
        QVERIFY(count(QStringLiteral("select count(*) from servizi where date(dataservizio)=current_date")) > 0);
        QVERIFY(count(QStringLiteral("select count(*) from Elenchi")) > 0);
        s.stop();
        QVERIFY(!QFile::exists(s.socketPath()));
    }
    {
        // The second start finds the database and creates nothing again.
        vlm::LocalServer s(dir.path());
        s.start();
        QCOMPARE(count(QStringLiteral("select count(*) from volontari where Utente='desk.user'")), 1);
    }  // stopped by the destructor
    QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/mysqld.sock")));
    vlm::setAlias(saved);
}

QTEST_MAIN(TstLocalServer)
#include "tst_localserver.moc"
