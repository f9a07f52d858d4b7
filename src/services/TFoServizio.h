#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
namespace vlm {
class DropDownBox;
class MaskEdit;
class Query;
}  // namespace vlm

// The service editor: one transport service entered or changed, its drop-downs filled from
// the database, the resource check on every change of vehicle or crew, the save, the copy,
// the timings, the repetition over a period, the printed sheet and the crew mails.
class TFoServizio : public QDialog {
    Q_OBJECT
public:
    explicit TFoServizio(QWidget *parent = nullptr);
    ~TFoServizio() override;

    // The key of the service edited; 0 for a service not yet stored.
    qint64 id() const { return m_id; }
    void setId(qint64 id) { m_id = id; }
    // "Sociale" is chosen.
    bool sociale() const;

    // Controls, by their designer names.
    QLabel *Label4, *Label25;
    vlm::MaskEdit *MaskEdit1, *MaskEdit2, *MaskEdit3, *MaskEdit4, *MaskEdit5;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;
    vlm::DropDownBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6, *ComboBox7,
        *ComboBox8, *ComboBox9;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5;
    QPlainTextEdit *Memo1, *MemoM;
    QRadioButton *RadioButton1, *RadioButton4, *RadioButton5;
    QPushButton *Button1;  // "Salva"
    QPushButton *Button2;  // "Stampa"
    QPushButton *Button3;  // "Copia"
    QPushButton *Button4;  // "Tempi"
    QPushButton *Button5;  // "Ripetibili"

    // Labels that the social layout hides, renames or moves.
    QLabel *LabelOrarioVisita, *LabelDestinazione, *LabelPartenzaLuogo, *LabelPeso, *LabelDaPortare,
        *LabelCodiceFiscale, *LabelCampanello, *LabelTipoMezzo, *LabelServizio, *LabelNote;

    // Handlers.
    void FormShow();
    void Button1Click();  // save, then close
    void Button2Click();  // sheet and crew mails
    void Button3Click();  // copy
    void Button4Click();  // timings
    void Button5Click();  // repeat
    void ComboBox1DropDown();  // vehicles of the chosen type
    void ComboBox2DropDown();  // drivers with the licence the type needs
    // The resource check for the service on screen ("M" vehicle, "V" person).
    QString RisorsaLibera(const QString &tipo, const QString &risorsa);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void build();
    void layoutSociale();
    void printSheet();
    void sendCrewMails();

    qint64 m_id = 0;
    bool m_shown = false;
};
