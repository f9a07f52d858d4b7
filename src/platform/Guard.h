#pragma once
#include <QObject>
#include <QString>
#include <exception>
#include <functional>

class QWidget;

// The boundary of every handler: an error raised inside it ends the handler and is shown
// in the error box; the event loop goes on. Exceptions never cross the Qt event loop.
namespace vlm {

// Shows the error box: a critical message box with the error's text.
void showError(const QString &text);

// Runs fn; a DbError or any other exception is shown in the error box. Returns false when
// the handler ended with an error.
bool guard(const std::function<void()> &fn);

// Connects a signal to a handler through the guard:
//   vlm::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
template <typename Sender, typename Signal, typename Fn>
QMetaObject::Connection on(Sender *sender, Signal signal, QObject *context, Fn fn)
{
    return QObject::connect(sender, signal, context, [fn](auto &&...) { guard(fn); });
}

}  // namespace vlm
