#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

// A fake mail client for tests: a small script that records the arguments it was started
// with, the bytes it read on its standard input and its working directory. While a
// MailCapture lives, VLM_MAIL_CLIENT points at the script and VLM_TEMP_DIR at a folder of
// its own, so the message files the program writes land there too.
namespace vlmtest {

struct CapturedMail {
    QStringList arguments;  // every argument, in order
    QByteArray input;       // the exact bytes read on standard input
    QString workingDir;

    // The addresses given on the command line (the arguments after "--", or after "-t").
    QStringList recipients() const;
    QString text() const { return QString::fromUtf8(input); }
    // The value of a header line ("To", "Bcc", "Subject"); null when the line is missing.
    QString header(const QString &name) const;
    // The body lines: the lines after the two empty lines that end the header.
    QStringList body() const;
};

class MailCapture {
public:
    MailCapture();
    ~MailCapture();
    MailCapture(const MailCapture &) = delete;
    MailCapture &operator=(const MailCapture &) = delete;

    // The folder the program writes its message files into.
    QString tempDir() const;
    // How many mails the fake client has finished recording.
    int count() const;
    // Waits (running the event loop) until at least n mails are recorded or the time is
    // up, and returns those recorded, in the order they finished.
    QList<CapturedMail> waitFor(int n, int timeoutMs = 10000);
    // What is recorded now, after letting the event loop run for settleMs.
    QList<CapturedMail> mails(int settleMs = 0);
    // Forgets what was recorded.
    void clear();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_record, m_temp;
    QByteArray m_oldClient, m_oldTemp;
    bool m_hadClient = false, m_hadTemp = false;
};

}  // namespace vlmtest
