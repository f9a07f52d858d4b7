#pragma once
#include <QPixmap>
#include <QString>

// The main window's pictures, drawn by the program: the logo and one picture per button.
namespace vlm {
QPixmap logoPicture(int size);
QPixmap buttonPicture(const QString &kind, int size);
}
