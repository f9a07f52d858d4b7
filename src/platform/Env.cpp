#include "platform/Env.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QStandardPaths>
#include <QtGlobal>

namespace vlm::env {

static QString var(const char *name) { return qEnvironmentVariable(name); }

QString userName()
{
    QString u = var("USERNAME");
    if (u.trimmed().isEmpty()) u = var("USER");
    if (u.trimmed().isEmpty()) u = var("LOGNAME");
    if (u.trimmed().isEmpty()) u = QFileInfo(QDir::homePath()).owner();  // the account itself
    return u;
}

QString computerName()
{
    QString c = var("COMPUTERNAME");
    if (c.trimmed().isEmpty()) c = QSysInfo::machineHostName();
    return c;
}

QString tempDir()
{
    QString d = var("VLM_TEMP_DIR");
    if (d.isEmpty()) {
#ifdef Q_OS_WIN
        d = QStringLiteral("C:\\temp");
#else
        d = QDir::tempPath();
#endif
    }
    return d;
}

QString exportDir()
{
    QString d = var("VLM_EXPORT_DIR");
    if (d.isEmpty()) {
#ifdef Q_OS_WIN
        d = QStringLiteral("C:\\Temp1");
#else
        d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Valdrena");
#endif
    }
    return d;
}

QString mailClient()
{
    QString c = var("VLM_MAIL_CLIENT");
    return c.isEmpty() ? QStringLiteral("msmtp") : c;
}

QString reportDir() { return var("VLM_REPORT_DIR"); }

}  // namespace vlm::env
