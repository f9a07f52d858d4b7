#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
namespace vlm { class MaskEdit; }

// One period of a volunteer: available (or absent) between two dates, between two times
// of the day, on the weekdays ticked. Opened from the volunteer record with the person's
// key and the period's key (0 for a new period); the window stays open after "Salva".
class TFoDispo : public QDialog {
    Q_OBJECT
public:
    explicit TFoDispo(QWidget *parent = nullptr);

    void setVolontario(qint64 idv) { m_idv = idv; }
    qint64 volontario() const { return m_idv; }
    void setId(qint64 id) { m_id = id; }
    qint64 id() const { return m_id; }

    QComboBox *ComboBox1;      // "Tipo"
    vlm::MaskEdit *MaskEdit1;  // "Dal Giorno"
    vlm::MaskEdit *MaskEdit2;  // "al Giorno"
    vlm::MaskEdit *MaskEdit3;  // "Dalle ore"
    vlm::MaskEdit *MaskEdit4;  // "alle ore"
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;  // Monday..Sunday
    QPushButton *Button1;      // "Salva"

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    QList<QCheckBox *> weekdays() const;

    qint64 m_idv = 0;
    qint64 m_id = 0;
};
