#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>

namespace vlm {

QMessageBox::StandardButton messageBox(const QString &caption, const QString &text, QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showMessage(const QString &text)
{
    messageBox(QApplication::applicationDisplayName(), text, QMessageBox::NoIcon, QMessageBox::Ok);
}

bool ask(const QString &caption, const QString &text)
{
    return messageBox(caption, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

static QString fileDialog(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                          QFileDialog::AcceptMode mode)
{
    QFileDialog dlg(parent, caption, dir, filter);
    dlg.setObjectName(QStringLiteral("OpenDialog1"));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(mode);
    dlg.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dlg.setWindowModality(Qt::ApplicationModal);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    return dlg.selectedFiles().first();
}

QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return fileDialog(parent, caption, dir, filter, QFileDialog::AcceptOpen);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return fileDialog(parent, caption, dir, filter, QFileDialog::AcceptSave);
}

int showModal(QDialog *dlg)
{
    dlg->setWindowModality(Qt::ApplicationModal);
    return dlg->exec();
}

}  // namespace vlm
