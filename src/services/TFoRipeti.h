#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
namespace vlm { class MaskEdit; }

// The period and the step over which the service on screen is booked again.
class TFoRipeti : public QDialog {
    Q_OBJECT
public:
    explicit TFoRipeti(QWidget *parent = nullptr);

    // "Salva" was pressed.
    bool salvato() const { return m_salvato; }

    vlm::MaskEdit *MaskEdit1;  // "Dal"
    vlm::MaskEdit *MaskEdit2;  // "Al"
    QLineEdit *Edit1;          // "Ogni" ... "GG"
    QPushButton *Button1;      // "Salva"

    void Button1Click();

private:
    bool m_salvato = false;
};
