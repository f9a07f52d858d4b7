#include "services/Controls.h"

#include <QLineEdit>
#include <QRadioButton>

namespace vlm {

DropDownBox::DropDownBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
}

void DropDownBox::showPopup()
{
    Q_EMIT dropDown();
    QComboBox::showPopup();
}

void DropDownBox::setItems(const QStringList &items)
{
    const QString t = currentText();
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(t);
}

GreyCheckBox::GreyCheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    setTristate(true);
}

void GreyCheckBox::nextCheckState()
{
    switch (checkState()) {
    case Qt::Unchecked: setCheckState(Qt::Checked); break;
    case Qt::Checked: setCheckState(Qt::PartiallyChecked); break;
    default: setCheckState(Qt::Unchecked); break;
    }
}

void clearRadios(std::initializer_list<QRadioButton *> radios)
{
    for (QRadioButton *r : radios) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
}

void chooseRadio(QRadioButton *chosen, std::initializer_list<QRadioButton *> radios)
{
    clearRadios(radios);
    chosen->setChecked(true);
}

}  // namespace vlm
