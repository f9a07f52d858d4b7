#include "services/TFoRipeti.h"

#include "platform/Guard.h"
#include "platform/MaskEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vlm;

TFoRipeti::TFoRipeti(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoRipeti"));
    setWindowTitle(QStringLiteral("Servizi Ripetibili"));
    setFixedSize(280, 180);

    auto label = [this](const QString &t, int x, int y, int w) {
        auto *l = new QLabel(t, this);
        l->setGeometry(x, y + 3, w, 18);
    };
    const QString dateMask = QStringLiteral("!99/99/0000;1;_");
    label(QStringLiteral("Dal"), 24, 20, 40);
    MaskEdit1 = new MaskEdit(dateMask, this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(72, 20, 100, 24);
    label(QStringLiteral("Al"), 24, 56, 40);
    MaskEdit2 = new MaskEdit(dateMask, this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(72, 56, 100, 24);
    label(QStringLiteral("Ogni"), 24, 92, 40);
    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(72, 92, 50, 24);
    label(QStringLiteral("GG"), 130, 92, 30);

    Button1 = new QPushButton(QStringLiteral("Salva"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(160, 130, 96, 32);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFoRipeti::Button1Click()
{
    m_salvato = true;
    accept();
}
