#pragma once
#include <QCheckBox>
#include <QComboBox>

class QRadioButton;

// Small controls the service windows share.
namespace vlm {

// An editable drop-down that tells when its list is about to open, so that the window can
// fill the list afresh each time (OnDropDown).
class DropDownBox : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownBox(QWidget *parent = nullptr);
    void showPopup() override;

    // Replaces the list items and keeps the text in the box as it is.
    void setItems(const QStringList &items);

Q_SIGNALS:
    void dropDown();
};

// A three-state tick box that goes not ticked -> ticked -> greyed -> not ticked on clicks.
class GreyCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit GreyCheckBox(const QString &text, QWidget *parent = nullptr);

protected:
    void nextCheckState() override;
};

// Clears every button of a group of radio buttons (none chosen).
void clearRadios(std::initializer_list<QRadioButton *> radios);
// Chooses one radio button and clears the others.
void chooseRadio(QRadioButton *chosen, std::initializer_list<QRadioButton *> radios);

}  // namespace vlm
