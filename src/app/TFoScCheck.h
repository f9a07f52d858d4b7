#pragma once
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The expiry notice: a list of text lines (medicines and vehicle equipment, or driving
// licences) that can be mailed to the notice's recipients with "Invia".
class TFoScCheck : public QDialog {
    Q_OBJECT
public:
    explicit TFoScCheck(QWidget *parent = nullptr);

    // "F" medicines, "P" licences; any other kind behaves as medicines.
    QString tipo;
    QPlainTextEdit *Memo1;
    QPushButton *Button1;  // "Invia"

    void addLine(const QString &line);
    QStringList lines() const;
    void Button1Click();
};

namespace vlm {
// The medicines notice (checklist items and lots expiring or expired). In automatic
// mode it also mails itself when it was not mailed today. Shows the window when there is
// something to report. Runs on the shared connection DB.
void medicinesNotice(QWidget *parent, bool autoSend);
// The driving licences notice (valid licences expiring within 30 days or expired).
void licencesNotice(QWidget *parent);
}  // namespace vlm
