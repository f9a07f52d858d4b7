#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The mail window: one message to a main address with every address of the list as a
// blind copy, sent through the mail client.
class TFoMail : public QDialog {
    Q_OBJECT
public:
    explicit TFoMail(QWidget *parent = nullptr);

    QLabel *Label1;         // "A:"
    QLineEdit *Edit1;       // main recipient
    QLabel *Label2;         // "CCN: "
    QPlainTextEdit *Memo1;  // blind copies, one address a line
    QLabel *Label3;         // "Oggetto:"
    QLineEdit *Edit2;       // subject
    QPlainTextEdit *Memo2;  // body
    QPushButton *Button1;   // "Invia"

    void Button1Click();

    // The blind-copy text: each line trimmed, joined with ";".
    QString ccnText() const;

    // Opens the window for the listed volunteers: the main address is the volunteers'
    // mailbox (setting MAIL_VOLONTARI), the blind copies the given addresses.
    static void openForVolunteers(QWidget *parent, const QStringList &addresses);
};

// The lines of a multi-line box as the program reads them: a final line break ends the
// last line and starts no empty one.
QStringList memoLines(const QPlainTextEdit *memo);
