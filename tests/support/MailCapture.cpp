#include "support/MailCapture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

namespace vlmtest {

namespace {

QString shellQuote(const QString &s)
{
    QString q = s;
    q.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace

QStringList CapturedMail::recipients() const
{
    int i = arguments.indexOf(QStringLiteral("--"));
    if (i < 0) i = arguments.indexOf(QStringLiteral("-t"));
    return i < 0 ? QStringList() : arguments.mid(i + 1);
}

QString CapturedMail::header(const QString &name) const
{
    const QStringList lines = text().split(QStringLiteral("\r\n"));
    const QString prefix = name + QLatin1Char(':');
    for (const QString &l : lines) {
        if (l.isEmpty()) break;
        if (l.startsWith(prefix)) return l.mid(prefix.size());
    }
    return QString();
}

QStringList CapturedMail::body() const
{
    QStringList lines = text().split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the last CR LF
    const int i = lines.indexOf(QString());
    if (i < 0) return {};
    return lines.mid(i + 2);
}

MailCapture::MailCapture() : m_dir(std::make_unique<QTemporaryDir>())
{
    QDir root(m_dir->path());
    root.mkpath(QStringLiteral("record"));
    root.mkpath(QStringLiteral("temp"));
    m_record = root.filePath(QStringLiteral("record"));
    m_temp = root.filePath(QStringLiteral("temp"));

    // Each started client gets a folder of its own; "done" is written last so that a
    // reader never sees half a recording.
    const QString script = root.filePath(QStringLiteral("msmtp"));
    QFile f(script);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n"
            "d=$(mktemp -d " + shellQuote(m_record + QStringLiteral("/mail-XXXXXXXX")).toUtf8() + ")\n"
            "for a in \"$@\"; do printf '%s\\000' \"$a\"; done > \"$d/args\"\n"
            "cat > \"$d/stdin\"\n"
            "pwd > \"$d/cwd\"\n"
            "date +%s%N > \"$d/done.tmp\" && mv \"$d/done.tmp\" \"$d/done\"\n");
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    m_hadClient = qEnvironmentVariableIsSet("VLM_MAIL_CLIENT");
    m_oldClient = qgetenv("VLM_MAIL_CLIENT");
    m_hadTemp = qEnvironmentVariableIsSet("VLM_TEMP_DIR");
    m_oldTemp = qgetenv("VLM_TEMP_DIR");
    qputenv("VLM_MAIL_CLIENT", script.toLocal8Bit());
    qputenv("VLM_TEMP_DIR", m_temp.toLocal8Bit());
}

MailCapture::~MailCapture()
{
    if (m_hadClient) qputenv("VLM_MAIL_CLIENT", m_oldClient);
    else qunsetenv("VLM_MAIL_CLIENT");
    if (m_hadTemp) qputenv("VLM_TEMP_DIR", m_oldTemp);
    else qunsetenv("VLM_TEMP_DIR");
}

QString MailCapture::tempDir() const { return m_temp; }

int MailCapture::count() const
{
    int n = 0;
    const QStringList dirs = QDir(m_record).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &d : dirs)
        if (QFileInfo::exists(m_record + QLatin1Char('/') + d + QStringLiteral("/done"))) ++n;
    return n;
}

QList<CapturedMail> MailCapture::mails(int settleMs)
{
    if (settleMs > 0) {
        QDeadlineTimer t(settleMs);
        while (!t.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
    }
    struct Entry {
        qint64 done;
        QString dir;
    };
    QList<Entry> entries;
    const QStringList dirs = QDir(m_record).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &d : dirs) {
        const QString dir = m_record + QLatin1Char('/') + d;
        if (!QFileInfo::exists(dir + QStringLiteral("/done"))) continue;
        entries.append({readAll(dir + QStringLiteral("/done")).trimmed().toLongLong(), dir});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.done != b.done ? a.done < b.done : a.dir < b.dir;
    });
    QList<CapturedMail> out;
    for (const Entry &e : entries) {
        CapturedMail m;
        QByteArray args = readAll(e.dir + QStringLiteral("/args"));
        if (!args.isEmpty()) {
            args.chop(1);  // every argument ends with a NUL
            for (const QByteArray &a : args.split('\0')) m.arguments << QString::fromUtf8(a);
        }
        m.input = readAll(e.dir + QStringLiteral("/stdin"));
        m.workingDir = QString::fromUtf8(readAll(e.dir + QStringLiteral("/cwd"))).trimmed();
        out << m;
    }
    return out;
}

QList<CapturedMail> MailCapture::waitFor(int n, int timeoutMs)
{
    QDeadlineTimer t(timeoutMs);
    while (count() < n && !t.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return mails();
}

void MailCapture::clear()
{
    const QStringList dirs = QDir(m_record).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &d : dirs) QDir(m_record + QLatin1Char('/') + d).removeRecursively();
}

}  // namespace vlmtest
