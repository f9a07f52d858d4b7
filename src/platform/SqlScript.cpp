#include "platform/SqlScript.h"
#include "platform/Db.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace vlm {

QStringList splitSqlStatements(const QString &script)
{
    QStringList out;
    QString cur;
    const int n = script.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            cur += c;
            for (++i; i < n; ++i) {
                cur += script[i];
                if (script[i] == QLatin1Char('\\') && c != QLatin1Char('`') && i + 1 < n) { cur += script[++i]; continue; }
                if (script[i] == c) break;
            }
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && script[i + 1] == QLatin1Char('-')) {
            while (i < n && script[i] != QLatin1Char('\n')) ++i;
            cur += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char(';')) {
            if (!cur.trimmed().isEmpty()) out.append(cur.trimmed());
            cur.clear();
            continue;
        }
        cur += c;
    }
    if (!cur.trimmed().isEmpty()) out.append(cur.trimmed());
    return out;
}

void runSqlScript(const QString &connectionName, const QString &script)
{
    QSqlDatabase db = connection(connectionName);
    for (const QString &st : splitSqlStatements(script)) {
        QSqlQuery q(db);
        if (!q.exec(st)) throw DbError(q.lastError().text() + QStringLiteral("\n") + st.left(200));
    }
}

static QString readResource(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

QStringList schemaScripts()
{
    QDir dir(QStringLiteral(":/schema"));
    QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    QStringList out;
    for (const QString &f : files) out.append(readResource(dir.filePath(f)));
    return out;
}

QString demoScript() { return readResource(QStringLiteral(":/schema/demo/demo.sql")); }

}  // namespace vlm

static void initSchemaResourcesGlobal() { Q_INIT_RESOURCE(schema); }
namespace vlm {
void initSchemaResources() { initSchemaResourcesGlobal(); }
}  // namespace vlm
