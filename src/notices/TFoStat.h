#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
namespace vlm { class MaskEdit; }

// The statistics window: its kind, its two dates and its button; nothing is computed yet.
class TFoStat : public QDialog {
    Q_OBJECT
public:
    explicit TFoStat(QWidget *parent = nullptr);

    QLabel *Label1;           // "Tipo"
    QComboBox *ComboBox1;
    QLabel *Label2;           // "Dal:"
    vlm::MaskEdit *MaskEdit1;
    QLabel *Label3;           // "Dal:"
    vlm::MaskEdit *MaskEdit2;
    QPushButton *Button1;     // "Crea"
};
