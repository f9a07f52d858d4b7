#pragma once
#include <QMessageBox>
#include <QString>

class QWidget;
class QDialog;

// Message boxes, file dialogs and modal windows, all real Qt dialogs that a test can find
// as the active modal widget and answer like a user.
namespace vlm {

// A modal message box whose window title is the caption and whose text is the message.
QMessageBox::StandardButton messageBox(const QString &caption, const QString &text,
                                       QMessageBox::Icon icon = QMessageBox::NoIcon,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok);
// A plain information box captioned with the program's title.
void showMessage(const QString &text);
// A Yes/No question; true on Yes.
bool ask(const QString &caption, const QString &text);

// The non-native open dialog; empty when cancelled.
QString openFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                     const QString &filter = QString());
QString saveFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                     const QString &filter = QString());

// Shows a window modally and returns its result.
int showModal(QDialog *dlg);

}  // namespace vlm
