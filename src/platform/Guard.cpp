#include "platform/Guard.h"
#include "platform/Db.h"
#include "platform/Dialogs.h"

#include <QApplication>

namespace vlm {

void showError(const QString &text)
{
    messageBox(QApplication::applicationDisplayName(), text, QMessageBox::Critical, QMessageBox::Ok);
}

bool guard(const std::function<void()> &fn)
{
    try {
        fn();
        return true;
    } catch (const DbError &e) {
        showError(e.text());
    } catch (const std::exception &e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QStringLiteral("Errore sconosciuto"));
    }
    return false;
}

}  // namespace vlm
