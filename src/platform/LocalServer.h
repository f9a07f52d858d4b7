#pragma once
#include <QString>

class QProcess;

// The program's own MariaDB server, used when no shared server is configured: data under
// the user's data folder, a private socket, no network. Created with the schema, the demo
// data and an administrator account for the workstation's user on first use.
namespace vlm {

class LocalServer {
public:
    explicit LocalServer(QString baseDir = QString());
    ~LocalServer();

    // Starts the server (or finds it running), creates the database on first use and
    // points the alias at it. Throws DbError when it cannot.
    void start();
    // Stops the server if this process started it.
    void stop();
    QString socketPath() const;
    QString baseDir() const { return m_base; }

private:
    QString findProgram(const QString &name) const;
    bool answers() const;
    QString m_base;
    QProcess *m_proc = nullptr;
};

}  // namespace vlm
