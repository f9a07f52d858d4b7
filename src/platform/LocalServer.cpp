#include "platform/LocalServer.h"
#include "platform/Db.h"
#include "platform/Env.h"
#include "platform/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

namespace vlm {

LocalServer::LocalServer(QString baseDir) : m_base(std::move(baseDir))
{
    if (m_base.isEmpty())
        m_base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/mariadb");
}

LocalServer::~LocalServer() { stop(); }

QString LocalServer::socketPath() const { return m_base + QStringLiteral("/mysqld.sock"); }

QString LocalServer::findProgram(const QString &name) const
{
    QString p = QStandardPaths::findExecutable(name);
    if (p.isEmpty())
        p = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                                                  QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/mysql/bin")});
    if (p.isEmpty()) throw DbError(QStringLiteral("Programma %1 non trovato: installare MariaDB").arg(name));
    return p;
}

// Root logs in over the private socket without a password; the folder is the user's own.
static bool rootQuery(const QString &socket, const QStringList &statements, QString *error = nullptr)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("vlm-local-root"));
        db.setHostName(QStringLiteral("localhost"));
        db.setUserName(QStringLiteral("root"));
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + socket + QStringLiteral(";MYSQL_OPT_CONNECT_TIMEOUT=2"));
        if (!db.open()) {
            ok = false;
            if (error) *error = db.lastError().text();
        } else {
            for (const QString &s : statements) {
                QSqlQuery q(db);
                if (!q.exec(s)) {
                    ok = false;
                    if (error) *error = q.lastError().text();
                    break;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("vlm-local-root"));
    return ok;
}

bool LocalServer::answers() const { return QFile::exists(socketPath()) && rootQuery(socketPath(), {QStringLiteral("select 1")}); }

void LocalServer::start()
{
    QDir().mkpath(m_base);
    QFile::setPermissions(m_base, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString data = m_base + QStringLiteral("/data");
    // The account the server runs as: the owner of its own folder, that is whoever runs the program.
    QString user = QFileInfo(m_base).owner();
    if (user.isEmpty()) user = qEnvironmentVariable("USER", env::userName());

    if (!answers()) {
        if (!QDir(data + QStringLiteral("/mysql")).exists()) {
            QProcess init;
            init.setProcessChannelMode(QProcess::MergedChannels);
            init.start(findProgram(QStringLiteral("mariadb-install-db")),
                       {QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + data,
                        QStringLiteral("--auth-root-authentication-method=normal"), QStringLiteral("--skip-test-db"),
                        QStringLiteral("--user=") + user, QStringLiteral("--lower-case-table-names=1")});
            if (!init.waitForFinished(180000) || init.exitCode() != 0)
                throw DbError(QStringLiteral("Impossibile creare il database locale:\n") + QString::fromLocal8Bit(init.readAll()));
        }
        m_proc = new QProcess;
        m_proc->setProcessChannelMode(QProcess::MergedChannels);
        m_proc->setStandardOutputFile(m_base + QStringLiteral("/mysqld.log"));
        m_proc->start(findProgram(QStringLiteral("mariadbd")),
                      {QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + data,
                       QStringLiteral("--socket=") + socketPath(), QStringLiteral("--pid-file=") + m_base + QStringLiteral("/mysqld.pid"),
                       QStringLiteral("--skip-networking"), QStringLiteral("--user=") + user,
                       QStringLiteral("--lower-case-table-names=1"), QStringLiteral("--character-set-server=utf8mb4"),
                       QStringLiteral("--collation-server=utf8mb4_general_ci"), QStringLiteral("--local-infile=1"),
                       QStringLiteral("--innodb-buffer-pool-size=128M")});
        if (!m_proc->waitForStarted(10000))
            throw DbError(QStringLiteral("Impossibile avviare il server MariaDB locale"));
        bool up = false;
        for (int i = 0; i < 300 && !up; ++i) {
            if (m_proc->state() == QProcess::NotRunning) break;
            QThread::msleep(100);
            up = answers();
        }
        if (!up) {
            QFile log(m_base + QStringLiteral("/mysqld.log"));
            log.open(QIODevice::ReadOnly);
            stop();
            throw DbError(QStringLiteral("Il server MariaDB locale non risponde:\n") + QString::fromLocal8Bit(log.readAll().right(2000)));
        }
    }

    QString err;
    if (!rootQuery(socketPath(),
                   {QStringLiteral("CREATE USER IF NOT EXISTS 'SYSDBA'@'localhost' IDENTIFIED BY 'dorvanixe'"),
                    QStringLiteral("GRANT ALL PRIVILEGES ON *.* TO 'SYSDBA'@'localhost'")},
                   &err))
        throw DbError(err);

    DbConfig cfg = DbConfig::fromEnvironment();
    cfg.socket = socketPath();
    cfg.host.clear();
    cfg.port = 0;
    cfg.user = QStringLiteral("SYSDBA");
    cfg.password = QStringLiteral("dorvanixe");

    // First use: the database, its schema, the demo data and the administrator account.
    bool fresh = false;
    {
        QStringList dbs;
        QString e;
        fresh = rootQuery(socketPath(), {QStringLiteral("CREATE DATABASE `") + cfg.name +
                                             QStringLiteral("` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci")}, &e);
    }
    setAlias(cfg);
    if (fresh) {
        try {
            for (const QString &s : schemaScripts()) runSqlScript(QStringLiteral("DB"), s);
            runSqlScript(QStringLiteral("DB"), demoScript());
            Query q(QStringLiteral("DB"));
            q.add(QStringLiteral("insert into volontari(Nome,Utente,Password,stato,TIPO,LivelloF,LivelloM,LivelloS,LivelloV,LivelloA,LivelloP)"));
            q.add(QStringLiteral("values(:NME,:UTT,'','Attivo','Volontario',9,9,9,9,9,9)"));
            q.bindText(QStringLiteral("NME"), QStringLiteral("Amministratore ") + env::userName().trimmed());
            q.bindText(QStringLiteral("UTT"), env::userName().trimmed());
            q.exec();
        } catch (...) {
            disconnect(QStringLiteral("DB"));
            rootQuery(socketPath(), {QStringLiteral("DROP DATABASE `") + cfg.name + QStringLiteral("`")});
            throw;
        }
        disconnect(QStringLiteral("DB"));
    }
}

void LocalServer::stop()
{
    if (!m_proc) return;
    disconnectAll();
    if (m_proc->state() != QProcess::NotRunning) {
        m_proc->terminate();
        if (!m_proc->waitForFinished(30000)) m_proc->kill();
    }
    delete m_proc;
    m_proc = nullptr;
}

}  // namespace vlm
