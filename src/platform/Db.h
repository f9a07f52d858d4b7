#pragma once
#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <stdexcept>

class QSqlQuery;

// Data access: named connections through the alias dati_vlm, queries written as lists of
// lines with named parameters bound by type, and the errors they raise.
namespace vlm {

// An error raised by the server, by a statement or by a conversion. Handlers let it
// propagate; the guard at the handler boundary shows it in the error box.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &msg) : std::runtime_error(msg.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// Where the alias dati_vlm points. Read from the environment; when no host, port or
// socket is configured the program uses its own local server.
struct DbConfig {
    QString host, socket, name, user, password;
    int port = 0;
    bool isLocalDefault() const { return host.isEmpty() && socket.isEmpty() && port == 0; }
    static DbConfig fromEnvironment();
};

// The configuration every connection opened from now on uses.
void setAlias(const DbConfig &cfg);
const DbConfig &alias();

// The connection with this database name ("DB", "Db2", "Db3", "Db5", "DBVlm", "DB1"),
// opened if it is closed. Throws DbError when the server cannot be reached.
QSqlDatabase connection(const QString &name);
// Closes the connection; closing a closed connection does nothing.
void disconnect(const QString &name);
bool isConnected(const QString &name);
// Closes and forgets every connection (used at exit and between tests).
void disconnectAll();

// Transactions on a connection.
void startTransaction(const QString &name);
void commit(const QString &name);
void rollback(const QString &name);

// A query object of a window: its text is a list of lines, joined by line breaks when it
// runs. Parameters are written :NAME and bound by name with a type; a parameter left
// without a value makes the statement fail. A typed value never goes into the text.
class Query {
public:
    explicit Query(QString connectionName = QStringLiteral("DB"));
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    QString connectionName() const { return m_conn; }
    void setConnectionName(const QString &c) { close(); m_conn = c; }

    // SQL.Clear / SQL.Add / SQL.Text
    void clear();
    Query &add(const QString &line);
    void setSql(const QString &text);
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }
    const QStringList &lines() const { return m_lines; }

    Query &bindText(const QString &name, const QString &v);
    Query &bindInt(const QString &name, qint64 v);
    Query &bindDate(const QString &name, const QDate &v);
    Query &bindDateTime(const QString &name, const QDateTime &v);
    Query &bindNull(const QString &name);
    Query &bindDouble(const QString &name, double v);
    Query &bindBytes(const QString &name, const QByteArray &v);
    // The names of the parameters written in the text, in order of first appearance.
    QStringList paramNames() const;

    // Runs a reading statement and stands on the first row.
    void open();
    // Runs a writing statement; returns the rows affected.
    int exec();
    void close();
    bool isOpen() const;

    bool isEmpty() const;  // no row
    bool eof() const;      // moved past the last row (or no row)
    void next();
    int rowCount() const;

    bool hasField(const QString &col) const;
    int fieldIndex(const QString &col) const;  // -1 when the result has no such column
    QVariant value(const QString &col) const;
    QVariant valueAt(int index) const;           // by position in the select list
    QStringList fieldNames() const { return m_columns; }
    QString str(const QString &col) const;        // as text; dates dd/mm/yyyy, NULL empty
    qint64 integer(const QString &col) const;     // NULL 0; a text that is no number throws
    QDate date(const QString &col) const;
    QDateTime dateTime(const QString &col) const;
    QByteArray bytes(const QString &col) const;
    double number(const QString &col) const;

    // Reads the rest of the result into memory and lets go of the server's cursor; done
    // by disconnect() so that a query read after its connection closed still has its rows.
    void materialize();

private:
    QVariant current(const QString &col) const;
    QVariant cell(int index) const;
    void run(bool reading);

    QString m_conn;
    QStringList m_lines;
    QHash<QString, QVariant> m_params;  // key upper-case name
    std::unique_ptr<QSqlQuery> m_q;
    QList<QList<QVariant>> m_rows;  // whole result, read forward
    QStringList m_columns;
    QHash<QString, int> m_index;    // upper-case column name -> position
    int m_pos = -1;
    int m_size = 0;        // rows of the result
    bool m_open = false;
    bool m_lazy = false;   // rows read from the cursor as the caller moves on
    bool m_atEnd = true;   // lazy reading: moved past the last row
};

// Reads a single value: the first column of the first row, or an invalid QVariant.
QVariant scalar(const QString &connectionName, const QString &sql,
                const QList<QPair<QString, QVariant>> &params = {});

// The first column of every row of a query, as texts, for filling a drop-down; blank
// values are left out when skipBlank is set.
QStringList columnTexts(const QString &connectionName, const QString &sql, bool skipBlank = false);

// Person and vehicle keys found again by name; a name that finds nothing gives 0.
qint64 personKey(const QString &connectionName, const QString &name);
qint64 vehicleKey(const QString &connectionName, const QString &code);

}  // namespace vlm
