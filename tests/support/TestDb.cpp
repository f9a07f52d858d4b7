#include "support/TestDb.h"

#include "platform/Db.h"
#include "platform/SqlScript.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>

namespace vlmtest {

namespace {
QString g_name;
QStringList g_tables;  // base tables
QStringList g_seeded;  // tables holding rows right after the schema

QSqlDatabase admin()
{
    const QString cn = QStringLiteral("vlm-test-admin");
    if (QSqlDatabase::contains(cn)) {
        QSqlDatabase db = QSqlDatabase::database(cn);
        if (db.isOpen()) return db;
    }
    QSqlDatabase db = QSqlDatabase::contains(cn) ? QSqlDatabase::database(cn, false)
                                                 : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), cn);
    const vlm::DbConfig c = vlm::DbConfig::fromEnvironment();
    db.setHostName(c.host.isEmpty() ? QStringLiteral("localhost") : c.host);
    if (c.port) db.setPort(c.port);
    db.setUserName(c.user);
    db.setPassword(c.password);
    if (!c.socket.isEmpty()) db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + c.socket);
    if (!db.open()) throw std::runtime_error(("test server unreachable: " + db.lastError().text()).toStdString());
    return db;
}

void adminExec(const QString &sql)
{
    QSqlQuery q(admin());
    if (!q.exec(sql)) throw std::runtime_error((q.lastError().text() + " in: " + sql).toStdString());
}
}  // namespace

QString TestDb::name() { return g_name; }

void TestDb::initProgram()
{
    vlm::initSchemaResources();
    QString app = QCoreApplication::applicationName();
    app.replace(QLatin1Char('-'), QLatin1Char('_'));
    g_name = QStringLiteral("t_") + app;
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(g_name));
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS `%1_seed`").arg(g_name));
    adminExec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci").arg(g_name));
    adminExec(QStringLiteral("CREATE DATABASE `%1_seed` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci").arg(g_name));

    vlm::DbConfig cfg = vlm::DbConfig::fromEnvironment();
    cfg.name = g_name;
    vlm::setAlias(cfg);
    for (const QString &script : vlm::schemaScripts()) vlm::runSqlScript(QStringLiteral("TEST"), script);

    g_tables.clear();
    g_seeded.clear();
    QSqlQuery q(admin());
    q.exec(QStringLiteral("select table_name from information_schema.tables where table_schema='%1' and table_type='BASE TABLE'").arg(g_name));
    while (q.next()) g_tables << q.value(0).toString();
    for (const QString &t : g_tables) {
        if (scalar(QStringLiteral("select count(*) from `%1`").arg(t)).toLongLong() == 0) continue;
        g_seeded << t;
        adminExec(QStringLiteral("CREATE TABLE `%1_seed`.`%2` LIKE `%1`.`%2`").arg(g_name, t));
        adminExec(QStringLiteral("INSERT INTO `%1_seed`.`%2` SELECT * FROM `%1`.`%2`").arg(g_name, t));
    }
    vlm::disconnectAll();
}

void TestDb::reset()
{
    vlm::disconnectAll();
    for (const QString &t : g_tables) adminExec(QStringLiteral("DELETE FROM `%1`.`%2`").arg(g_name, t));
    for (const QString &t : g_seeded)
        adminExec(QStringLiteral("INSERT INTO `%1`.`%2` SELECT * FROM `%1_seed`.`%2`").arg(g_name, t));
}

void TestDb::dropProgram()
{
    vlm::disconnectAll();
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(g_name));
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS `%1_seed`").arg(g_name));
}

void TestDb::exec(const QString &sql)
{
    vlm::Query q(QStringLiteral("TEST"));
    q.setSql(sql);
    q.exec();
}

QVariant TestDb::scalar(const QString &sql)
{
    vlm::Query q(QStringLiteral("TEST"));
    q.setSql(sql);
    q.open();
    return q.isEmpty() ? QVariant() : q.valueAt(0);
}

qint64 TestDb::count(const QString &table, const QString &where)
{
    return scalar(QStringLiteral("select count(*) from ") + table + (where.isEmpty() ? QString() : QStringLiteral(" where ") + where))
        .toLongLong();
}

qint64 TestDb::addPerson(const QString &nome, const QString &extraCols, const QString &extraVals)
{
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("insert into volontari(Nome%1) values(:NME%2)")
              .arg(extraCols.isEmpty() ? QString() : QStringLiteral(",") + extraCols,
                   extraVals.isEmpty() ? QString() : QStringLiteral(",") + extraVals));
    q.bindText(QStringLiteral("NME"), nome);
    q.exec();
    return scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

qint64 TestDb::addVehicle(const QString &sigla, const QString &tipo, const QString &stato)
{
    vlm::Query q(QStringLiteral("TEST"));
    q.add(QStringLiteral("insert into mezzi(Siglamezzo,tipomezzo,Stato) values(:SGL,:TIP,:STA)"));
    q.bindText(QStringLiteral("SGL"), sigla).bindText(QStringLiteral("TIP"), tipo).bindText(QStringLiteral("STA"), stato);
    q.exec();
    return scalar(QStringLiteral("select LAST_INSERT_ID()")).toLongLong();
}

}  // namespace vlmtest
