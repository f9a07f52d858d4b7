#include "notices/TFoStat.h"

#include "platform/MaskEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace vlm;

TFoStat::TFoStat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFoStat"));
    setWindowTitle(QStringLiteral("Statistiche"));
    setFixedSize(330, 170);

    auto label = [this](QLabel *&l, const char *name, const QString &caption, int y) {
        l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(16, y, 50, 21);
    };
    label(Label1, "Label1", QStringLiteral("Tipo"), 18);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setEditText(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(70, 16, 240, 24);

    label(Label2, "Label2", QStringLiteral("Dal:"), 56);
    MaskEdit1 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(70, 54, 100, 24);

    label(Label3, "Label3", QStringLiteral("Dal:"), 92);
    MaskEdit2 = new MaskEdit(QStringLiteral("!99/99/0000;1;_"), this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    MaskEdit2->setGeometry(70, 90, 100, 24);

    Button1 = new QPushButton(QStringLiteral("Crea"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(210, 126, 100, 30);
    Button1->setAutoDefault(false);
}
