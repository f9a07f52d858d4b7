#include "core/Services.h"

#include "platform/Db.h"
#include "platform/Env.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace vlm {

namespace {

const QString kService = QStringLiteral("DB1");

// A header value stays on its own line: a line break typed into a recipient or a subject
// must not start a header line of its own (another "Bcc:" for instance).
QString headerValue(const QString &s)
{
    QString v = s;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

// Splits a text into lines at CR LF, CR or LF; a last line without an ending still counts.
QStringList splitLines(const QString &text)
{
    QStringList out;
    QString cur;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out << cur;
            cur.clear();
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
        } else if (c == QLatin1Char('\n')) {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.isEmpty()) out << cur;
    return out;
}

// Message files older than two days have long been read by the client.
void removeOldMessageFiles(const QString &dir)
{
    const QDateTime limit = QDateTime::currentDateTime().addDays(-2);
    const QFileInfoList files = QDir(dir).entryInfoList({QStringLiteral("mail-*.txt")}, QDir::Files);
    for (const QFileInfo &fi : files)
        if (fi.lastModified() < limit) QFile::remove(fi.absoluteFilePath());
}

// Runs fn on the service connection DB1, opened for this call and closed after it,
// whatever happens. Errors are dropped.
template <typename Fn>
void onServiceConnection(Fn fn)
{
    try {
        fn();
    } catch (...) {
    }
    try {
        vlm::disconnect(kService);
    } catch (...) {
    }
}

}  // namespace

namespace mail {

QByteArray messageText(const QString &dest, const QString &oggetto, const QStringList &corpo, const QString &ccn)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("To:") + headerValue(dest) + crlf;
    if (!ccn.isEmpty()) text += QStringLiteral("Bcc:") + headerValue(ccn) + crlf;
    text += QStringLiteral("Subject:") + headerValue(oggetto) + crlf;
    text += QStringLiteral("\n\r");
    for (const QString &line : corpo) text += line + crlf;

    QByteArray out;
    for (const QString &line : splitLines(text)) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

QStringList recipients(const QString &dest)
{
    QStringList out;
    for (const QString &part : dest.split(QLatin1Char(';'))) {
        const QString r = part.trimmed();
        if (!r.isEmpty()) out << r;
    }
    return out;
}

QStringList clientArguments(const QString &dest)
{
    // "--" ends the options: a recipient text starting with "-" is an address, never an option.
    QStringList args{QStringLiteral("-C"), QStringLiteral("msmtp.cfg"), QStringLiteral("-t"), QStringLiteral("--")};
    args << recipients(dest);
    return args;
}

}  // namespace mail

void InviaMail(const QString &dest, const QString &oggetto, const QStringList &corpo, const QString &ccn)
{
    try {
        const QString dir = env::tempDir();
        removeOldMessageFiles(dir);

        // One file per message: the client started for an earlier message may not have read
        // its file yet, and the file stays when the program closes right after.
        QTemporaryFile file(QDir(dir).filePath(QStringLiteral("mail-XXXXXX.txt")));
        file.setAutoRemove(false);
        if (!file.open()) return;
        const QByteArray bytes = mail::messageText(dest, oggetto, corpo, ccn);
        if (file.write(bytes) != bytes.size()) {
            file.remove();
            return;
        }
        file.close();
        const QString path = file.fileName();

        QProcess p;
        p.setProgram(env::mailClient());
        p.setArguments(mail::clientArguments(dest));
        p.setStandardInputFile(path);
        p.setWorkingDirectory(QDir::currentPath());
        if (!p.startDetached()) QFile::remove(path);
    } catch (...) {
    }
}

void ScriviLog(const QString &testo)
{
    const QString pos = env::computerName().trimmed();
    onServiceConnection([&] {
        Query TbS(kService);
        TbS.add(QStringLiteral("insert into LogVlm(POSTAZIONE,TESTO) value(:POS,:TES)"));
        TbS.bindText(QStringLiteral("POS"), pos);
        TbS.bindText(QStringLiteral("TES"), testo);
        TbS.exec();
    });
}

void ScriviDato(const QString &nome, const QString &valore)
{
    onServiceConnection([&] {
        Query SQL1(kService);
        SQL1.add(QStringLiteral("select * from Dati where Nome=:NME"));
        SQL1.bindText(QStringLiteral("NME"), nome);
        SQL1.open();
        const bool missing = SQL1.isEmpty();
        SQL1.close();
        SQL1.clear();
        if (missing)
            SQL1.add(QStringLiteral("Insert into Dati(NOME,VALORE) Values(:NME,:VLE)"));
        else
            SQL1.add(QStringLiteral("Update Dati set VALORE=:VLE where NOME=:NME"));
        SQL1.bindText(QStringLiteral("NME"), nome);
        SQL1.bindText(QStringLiteral("VLE"), valore);
        SQL1.exec();
    });
}

QString LeggiDato(const QString &nome)
{
    QString result;
    onServiceConnection([&] {
        Query SQL1(kService);
        SQL1.add(QStringLiteral("select * from Dati where Nome=:NME"));
        SQL1.bindText(QStringLiteral("NME"), nome);
        SQL1.open();
        if (!SQL1.isEmpty()) result = SQL1.str(QStringLiteral("VALORE")).trimmed();
        SQL1.close();
    });
    return result;
}

QString SpaziUrl(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        if (c == QLatin1Char(' ')) out += QStringLiteral("%20");
        else out += c;
    }
    return out;
}

}  // namespace vlm
