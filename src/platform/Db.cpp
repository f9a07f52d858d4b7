#include "platform/Db.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>

namespace vlm {

// ---------------------------------------------------------------- configuration

DbConfig DbConfig::fromEnvironment()
{
    DbConfig c;
    c.host = qEnvironmentVariable("VLM_DB_HOST");
    c.socket = qEnvironmentVariable("VLM_DB_SOCKET");
    c.port = qEnvironmentVariableIntValue("VLM_DB_PORT");
    c.name = qEnvironmentVariable("VLM_DB_NAME", QStringLiteral("valdrena"));
    c.user = qEnvironmentVariable("VLM_DB_USER", QStringLiteral("SYSDBA"));
    c.password = qEnvironmentVariable("VLM_DB_PASSWORD", QStringLiteral("dorvanixe"));
    return c;
}

static DbConfig &aliasRef()
{
    static DbConfig cfg = DbConfig::fromEnvironment();
    return cfg;
}

void setAlias(const DbConfig &cfg)
{
    disconnectAll();
    aliasRef() = cfg;
}

const DbConfig &alias() { return aliasRef(); }

// ---------------------------------------------------------------- connections

// Queries still reading from a connection's cursor, by connection name.
static QMultiHash<QString, Query *> &liveQueries()
{
    static QMultiHash<QString, Query *> live;
    return live;
}

static void materializeQueries(const QString &name)
{
    const QList<Query *> qs = liveQueries().values(name.toUpper());
    for (Query *q : qs) q->materialize();
}

static QString qtName(const QString &name) { return QStringLiteral("vlm:") + name.toUpper(); }

QSqlDatabase connection(const QString &name)
{
    const QString qn = qtName(name);
    QSqlDatabase db = QSqlDatabase::contains(qn) ? QSqlDatabase::database(qn, false)
                                                 : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), qn);
    if (db.isOpen())
        return db;
    const DbConfig &c = alias();
    db.setHostName(c.host.isEmpty() && c.socket.isEmpty() ? QStringLiteral("localhost") : c.host);
    if (c.port > 0) db.setPort(c.port);
    db.setDatabaseName(c.name);
    db.setUserName(c.user);
    db.setPassword(c.password);
    QStringList opts{QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10")};
    if (!c.socket.isEmpty()) opts << QStringLiteral("UNIX_SOCKET=") + c.socket;
    db.setConnectOptions(opts.join(QLatin1Char(';')));
    if (!db.open())
        throw DbError(db.lastError().text());
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SET SESSION sql_mode='STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION'")))
        throw DbError(q.lastError().text());
    return db;
}

void disconnect(const QString &name)
{
    const QString qn = qtName(name);
    if (!QSqlDatabase::contains(qn)) return;
    materializeQueries(name);
    QSqlDatabase db = QSqlDatabase::database(qn, false);
    if (db.isOpen()) db.close();
}

bool isConnected(const QString &name)
{
    const QString qn = qtName(name);
    return QSqlDatabase::contains(qn) && QSqlDatabase::database(qn, false).isOpen();
}

void disconnectAll()
{
    for (Query *q : liveQueries().values()) q->materialize();
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &qn : names) {
        if (!qn.startsWith(QStringLiteral("vlm:"))) continue;
        {
            QSqlDatabase db = QSqlDatabase::database(qn, false);
            if (db.isOpen()) db.close();
        }
        QSqlDatabase::removeDatabase(qn);
    }
}

static void runPlain(const QString &name, const QString &sql)
{
    QSqlDatabase db = connection(name);
    QSqlQuery q(db);
    if (!q.exec(sql)) throw DbError(q.lastError().text());
}

void startTransaction(const QString &name)
{
    QSqlDatabase db = connection(name);
    if (!db.transaction()) throw DbError(db.lastError().text());
}

void commit(const QString &name)
{
    QSqlDatabase db = connection(name);
    if (!db.commit()) throw DbError(db.lastError().text());
}

void rollback(const QString &name)
{
    if (!isConnected(name)) return;
    QSqlDatabase db = connection(name);
    if (!db.rollback()) runPlain(name, QStringLiteral("ROLLBACK"));
}

// ---------------------------------------------------------------- parameters

namespace {

// Rewrites :NAME placeholders to ? and lists the names in order. Quoted texts and
// comments are left alone, so '10:30' stays a literal.
QString positional(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            out += c;
            for (++i; i < n; ++i) {
                out += sql[i];
                if (sql[i] == QLatin1Char('\\') && c != QLatin1Char('`') && i + 1 < n) {
                    out += sql[++i];
                    continue;
                }
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) { out += sql[++i]; continue; }
                    break;
                }
            }
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n')) out += sql[i++];
            if (i < n) out += sql[i];
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))
            && !(i > 0 && sql[i - 1] == QLatin1Char(':'))) {
            int j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_'))) ++j;
            names->append(sql.mid(i + 1, j - i - 1).toUpper());
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

Query::Query(QString connectionName) : m_conn(std::move(connectionName)) {}
Query::~Query() { close(); }

void Query::clear()
{
    close();
    m_lines.clear();
    m_params.clear();
}

Query &Query::add(const QString &line)
{
    m_lines.append(line);
    return *this;
}

void Query::setSql(const QString &text)
{
    clear();
    m_lines = text.split(QLatin1Char('\n'));
}

Query &Query::bindText(const QString &name, const QString &v)
{
    m_params.insert(name.toUpper(), v.isNull() ? QString(QLatin1String("")) : v);
    return *this;
}
Query &Query::bindInt(const QString &name, qint64 v)
{
    m_params.insert(name.toUpper(), QVariant::fromValue<qlonglong>(v));
    return *this;
}
Query &Query::bindDate(const QString &name, const QDate &v)
{
    if (!v.isValid()) throw DbError(QStringLiteral("Valore di data non valido per il parametro %1").arg(name));
    m_params.insert(name.toUpper(), v);
    return *this;
}
Query &Query::bindDateTime(const QString &name, const QDateTime &v)
{
    if (!v.isValid()) throw DbError(QStringLiteral("Valore di data non valido per il parametro %1").arg(name));
    m_params.insert(name.toUpper(), v);
    return *this;
}
Query &Query::bindNull(const QString &name)
{
    m_params.insert(name.toUpper(), QVariant(QMetaType(QMetaType::QString)));
    return *this;
}
Query &Query::bindDouble(const QString &name, double v)
{
    m_params.insert(name.toUpper(), v);
    return *this;
}
Query &Query::bindBytes(const QString &name, const QByteArray &v)
{
    m_params.insert(name.toUpper(), v.isNull() ? QByteArray("") : v);
    return *this;
}

QStringList Query::paramNames() const
{
    QStringList names;
    positional(sql(), &names);
    names.removeDuplicates();
    return names;
}

void Query::run(bool reading)
{
    close();
    QStringList names;
    const QString text = positional(sql(), &names);
    QSqlDatabase db = connection(m_conn);
    m_q = std::make_unique<QSqlQuery>(db);
    m_q->setForwardOnly(true);
    bool ok;
    if (names.isEmpty()) {
        ok = m_q->exec(text);
    } else {
        if (!m_q->prepare(text)) throw DbError(m_q->lastError().text());
        for (const QString &p : names) {
            auto it = m_params.constFind(p);
            if (it == m_params.constEnd())
                throw DbError(QStringLiteral("Il parametro '%1' non ha un valore").arg(p));
            m_q->addBindValue(*it, QSql::In | (it->typeId() == QMetaType::QByteArray ? QSql::Binary : QSql::In));
        }
        ok = m_q->exec();
    }
    if (!ok) {
        const QString err = m_q->lastError().text();
        m_q.reset();
        throw DbError(err);
    }
    if (reading || m_q->isSelect()) {
        const QSqlRecord rec = m_q->record();
        m_columns.clear();
        m_index.clear();
        QHash<QString, int> seen;
        for (int i = 0; i < rec.count(); ++i) {
            // Duplicate names in a join: the first keeps the name, the others get _1, _2...
            QString key = rec.fieldName(i).toUpper();
            int k = seen.value(key, 0);
            seen[key] = k + 1;
            if (k > 0) key += QStringLiteral("_%1").arg(k);
            m_columns.append(key);
            m_index.insert(key, i);
        }
        // The rows are read as the caller moves through them: a wide result of which a
        // list copies a few columns converts only those.
        m_open = true;
        m_pos = 0;
        m_size = m_q->size();
        m_lazy = true;
        m_atEnd = !m_q->next();
        liveQueries().insert(m_conn.toUpper(), this);
        if (m_size < 0) materialize();  // the driver does not know the size: read it all now
    }
}

void Query::open() { run(true); }

int Query::exec()
{
    run(false);
    const int n = m_q ? m_q->numRowsAffected() : 0;
    if (!m_open) m_q.reset();
    return n;
}

void Query::materialize()
{
    if (!m_lazy) return;
    liveQueries().remove(m_conn.toUpper(), this);
    m_lazy = false;
    m_rows.clear();
    const int n = m_columns.size();
    if (!m_atEnd && m_q) {
        do {
            QList<QVariant> row;
            row.reserve(n);
            for (int i = 0; i < n; ++i) row.append(m_q->value(i));
            m_rows.append(std::move(row));
        } while (m_q->next());
    }
    if (m_size < 0) m_size = m_rows.size();
    m_pos = 0;
    m_q.reset();
}

void Query::close()
{
    if (m_lazy) liveQueries().remove(m_conn.toUpper(), this);
    m_lazy = false;
    m_atEnd = true;
    m_size = 0;
    m_q.reset();
    m_rows.clear();
    m_columns.clear();
    m_index.clear();
    m_pos = -1;
    m_open = false;
}

bool Query::isOpen() const { return m_open; }
bool Query::isEmpty() const { return m_size == 0; }
bool Query::eof() const
{
    if (m_lazy) return m_atEnd;
    return m_pos < 0 || m_pos >= m_rows.size();
}
void Query::next()
{
    if (m_lazy) {
        if (!m_atEnd) m_atEnd = !m_q->next();
        return;
    }
    if (m_pos >= 0 && m_pos < m_rows.size()) ++m_pos;
}
int Query::rowCount() const { return m_size; }

QVariant Query::cell(int index) const { return m_lazy ? m_q->value(index) : m_rows[m_pos][index]; }

bool Query::hasField(const QString &col) const { return m_index.contains(col.toUpper()); }

int Query::fieldIndex(const QString &col) const { return m_index.value(col.toUpper(), -1); }

QVariant Query::current(const QString &col) const
{
    if (!m_open) throw DbError(QStringLiteral("Operazione non consentita su una query chiusa"));
    const int i = m_index.value(col.toUpper(), -1);
    if (i < 0) throw DbError(QStringLiteral("Campo '%1' non trovato").arg(col));
    if (eof()) return QVariant();
    return cell(i);
}

QVariant Query::value(const QString &col) const { return current(col); }

QVariant Query::valueAt(int index) const
{
    if (!m_open || index < 0 || index >= m_columns.size())
        throw DbError(QStringLiteral("Campo %1 non trovato").arg(index));
    return eof() ? QVariant() : cell(index);
}

QString Query::str(const QString &col) const
{
    const QVariant v = current(col);
    if (v.isNull()) return QString();
    switch (v.typeId()) {
    case QMetaType::QDate: return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0)) return dt.date().toString(QStringLiteral("dd/MM/yyyy"));
        return dt.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    }
    case QMetaType::QTime: return v.toTime().toString(QStringLiteral("hh:mm:ss"));
    case QMetaType::QByteArray: return QString::fromUtf8(v.toByteArray());
    default: return v.toString();
    }
}

qint64 Query::integer(const QString &col) const
{
    const QVariant v = current(col);
    if (v.isNull()) return 0;
    bool ok = false;
    const qint64 n = v.toString().trimmed().toLongLong(&ok);
    if (ok) return n;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (ok) return qint64(d);
    throw DbError(QStringLiteral("'%1' non è un valore intero valido").arg(v.toString()));
}

double Query::number(const QString &col) const
{
    const QVariant v = current(col);
    if (v.isNull()) return 0;
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok) throw DbError(QStringLiteral("'%1' non è un numero valido").arg(v.toString()));
    return d;
}

QDate Query::date(const QString &col) const
{
    const QVariant v = current(col);
    if (v.isNull()) return QDate();
    if (v.typeId() == QMetaType::QDate) return v.toDate();
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().date();
    QDate d = QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid()) d = QDate::fromString(v.toString().left(10), QStringLiteral("dd/MM/yyyy"));
    return d;
}

QDateTime Query::dateTime(const QString &col) const
{
    const QVariant v = current(col);
    if (v.isNull()) return QDateTime();
    if (v.typeId() == QMetaType::QDate) return v.toDate().startOfDay();
    return v.toDateTime();
}

QByteArray Query::bytes(const QString &col) const
{
    const QVariant v = current(col);
    return v.isNull() ? QByteArray() : v.toByteArray();
}

// ---------------------------------------------------------------- lookups

QVariant scalar(const QString &connectionName, const QString &sql, const QList<QPair<QString, QVariant>> &params)
{
    Query q(connectionName);
    q.setSql(sql);
    for (const auto &p : params) {
        switch (p.second.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong: q.bindInt(p.first, p.second.toLongLong()); break;
        case QMetaType::QDate: q.bindDate(p.first, p.second.toDate()); break;
        case QMetaType::QDateTime: q.bindDateTime(p.first, p.second.toDateTime()); break;
        default: q.bindText(p.first, p.second.toString()); break;
        }
    }
    q.open();
    if (q.isEmpty()) return QVariant();
    return q.valueAt(0);
}

QStringList columnTexts(const QString &connectionName, const QString &sql, bool skipBlank)
{
    Query q(connectionName);
    q.setSql(sql);
    q.open();
    QStringList out;
    for (; !q.eof(); q.next()) {
        const QString v = q.valueAt(0).toString();
        if (!skipBlank || !v.trimmed().isEmpty()) out << v;
    }
    return out;
}

qint64 personKey(const QString &connectionName, const QString &name)
{
    if (name.trimmed().isEmpty()) return 0;
    Query q(connectionName);
    q.add(QStringLiteral("select ID from volontari where nome=:NME"));
    q.bindText(QStringLiteral("NME"), name.trimmed());
    q.open();
    return q.isEmpty() ? 0 : q.integer(QStringLiteral("ID"));
}

qint64 vehicleKey(const QString &connectionName, const QString &code)
{
    if (code.trimmed().isEmpty()) return 0;
    Query q(connectionName);
    q.add(QStringLiteral("select ID from mezzi where siglamezzo=:MZZ"));
    q.bindText(QStringLiteral("MZZ"), code.trimmed());
    q.open();
    return q.isEmpty() ? 0 : q.integer(QStringLiteral("ID"));
}

}  // namespace vlm
