#pragma once
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <functional>

class QTimer;
class QWidget;

// Answers modal windows as a user would, while the code under test waits in exec():
// message boxes are recorded and answered with the next queued button (OK otherwise),
// other dialogs are handed to the handler registered for their object name.
namespace vlmtest {

struct SeenMessage {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

class Answerer : public QObject {
    Q_OBJECT
public:
    Answerer();
    ~Answerer() override;

    // The next message boxes are answered with these buttons, in order.
    void answer(QMessageBox::StandardButton b) { m_answers.append(b); }
    // A dialog with this object name (or class name) is handed to fn once, or every time.
    void onDialog(const QString &name, std::function<void(QWidget *)> fn, bool always = false);

    const QList<SeenMessage> &messages() const { return m_seen; }
    QStringList texts() const;
    QStringList dialogsSeen() const { return m_dialogs; }
    void clear() { m_seen.clear(); m_dialogs.clear(); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void poll();
    QTimer *m_timer;
    QList<QMessageBox::StandardButton> m_answers;
    struct Handler {
        QString name;
        std::function<void(QWidget *)> fn;
        bool always;
    };
    QList<Handler> m_handlers;
    QList<SeenMessage> m_seen;
    QStringList m_dialogs;
    QPointer<QWidget> m_last;
    QSet<QWidget *> m_busy;
    // Windows handed to a handler and not hidden since: seen once, however often the
    // poll finds them again while a deferred handler has not closed them yet.
    QSet<QObject *> m_handedOpen;
};

}  // namespace vlmtest
