#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm { class MaskEdit; }

// The editor of one shift slot: its kind of day (or one date), its times, crew type and
// description. Key 0 makes a new slot.
class TFoIMTurni : public QDialog {
    Q_OBJECT
public:
    explicit TFoIMTurni(QWidget *parent = nullptr);

    void setId(qint64 id) { m_id = id; }
    qint64 id() const { return m_id; }

    QComboBox *ComboBox1;     // "Giorno"
    vlm::MaskEdit *MaskEdit1; // the date of a slot of one day
    vlm::MaskEdit *MaskEdit2; // "Dalle Ore "
    vlm::MaskEdit *MaskEdit3; // "Alle Ore "
    QComboBox *ComboBox2;     // "Tipo"
    QLineEdit *Edit1;         // "Descrizione"
    QPushButton *Button1;     // "Salva"

    void FormShow();
    void ComboBox1Change();
    void Button1Click();

    // The day value stored for the kind of day named by the text: the code of list G
    // whose description is the text, else of the first one that contains it; 0 when the
    // text is empty or names no kind of day.
    static qint64 dayCode(const QString &text);

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 m_id = 0;
};
