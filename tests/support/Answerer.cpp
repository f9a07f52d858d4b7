#include "support/Answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace vlmtest {

Answerer::Answerer() : m_timer(new QTimer(this))
{
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &Answerer::poll);
    m_timer->start();
}

Answerer::~Answerer() = default;

void Answerer::onDialog(const QString &name, std::function<void(QWidget *)> fn, bool always)
{
    m_handlers.append({name, std::move(fn), always});
}

bool Answerer::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::Hide) m_handedOpen.remove(o);
    return QObject::eventFilter(o, e);
}

QStringList Answerer::texts() const
{
    QStringList out;
    for (const auto &m : m_seen) out << m.text;
    return out;
}

void Answerer::poll()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        m_seen.append({box->windowTitle(), box->text(), box->icon()});
        QMessageBox::StandardButton b = m_answers.isEmpty() ? QMessageBox::NoButton : m_answers.takeFirst();
        QAbstractButton *btn = b != QMessageBox::NoButton ? box->button(b) : nullptr;
        if (!btn) btn = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                             : (box->buttons().isEmpty() ? nullptr : box->buttons().first());
        if (btn) btn->click();
        else box->done(0);
        return;
    }
    if (m_busy.contains(w)) return;
    const QString name = w->objectName();
    const QString cls = QString::fromLatin1(w->metaObject()->className());
    for (int i = 0; i < m_handlers.size(); ++i) {
        if (m_handlers[i].name == name || m_handlers[i].name == cls) {
            auto fn = m_handlers[i].fn;
            if (!m_handlers[i].always) m_handlers.removeAt(i);
            if (m_busy.contains(w)) return;
            if (!m_handedOpen.contains(w)) {
                m_dialogs << (name.isEmpty() ? cls : name);
                m_handedOpen.insert(w);
                w->installEventFilter(this);
                connect(w, &QObject::destroyed, this, [this, w] { m_handedOpen.remove(w); });
            }
            m_busy.insert(w);
            // Run the handler outside this timer's slot: a timer does not fire again while
            // its own slot runs, and the handler may open message boxes to be answered.
            QTimer::singleShot(0, this, [this, fn, w] {
                fn(w);
                m_busy.remove(w);
            });
            return;
        }
    }
    // A window nobody expected: note it and close it, so the test does not hang.
    if (w == m_last) return;  // give a window shown just now one more round
    m_last = w;
    QTimer::singleShot(200, w, [this, w, name, cls] {
        if (QApplication::activeModalWidget() == w) {
            m_dialogs << QStringLiteral("unexpected:") + (name.isEmpty() ? cls : name);
            if (auto *d = qobject_cast<QDialog *>(w)) d->reject();
            else w->close();
        }
        m_last = nullptr;
    });
}

}  // namespace vlmtest
