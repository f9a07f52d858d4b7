#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm { class MaskEdit; }

// One maintenance job of a vehicle: kind, date, workshop, description and cost.
class TFoManut : public QDialog {
    Q_OBJECT
public:
    explicit TFoManut(QWidget *parent = nullptr);

    QComboBox *CbTipo;         // "Tipo"
    vlm::MaskEdit *MaskEdit1;  // "Data intervento "
    QLineEdit *Edit1;          // "Meccanico"
    QLineEdit *Edit2;          // "Descriz."
    vlm::MaskEdit *MaskEdit2;  // "Spesa"
    QPushButton *Button1;      // "Salva"

    // The job edited (0 for a new one) and its vehicle.
    qint64 id() const { return m_id; }
    void setId(qint64 id) { m_id = id; }
    qint64 mezzo() const { return m_mezzo; }
    void setMezzo(qint64 id) { m_mezzo = id; }

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 m_id = 0;
    qint64 m_mezzo = 0;
};
