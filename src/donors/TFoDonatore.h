#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;
namespace vlm { class DBGrid; class GridModel; class GridTable; class MaskEdit; }

// The record of one blood donor: personal data, blood group, the donations and status
// with notes. Opened with the donor's key (0 for a new donor) and the donors digit of the
// opener; only the digit 9 may change the status. "Salva" writes the donor in one
// transaction on the shared connection and the window stays open, so that a second
// "Salva" updates the row the first one created.
class TFoDonatore : public QDialog {
    Q_OBJECT
public:
    explicit TFoDonatore(QWidget *parent = nullptr);
    ~TFoDonatore() override;

    void setCodice(qint64 id) { m_id = id; }
    qint64 codice() const { return m_id; }
    void setLivello(int digit);
    int livello() const { return m_livello; }
    // The items of the blood-group drop-down (the opener's list of groups).
    void setGruppi(const QStringList &items);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4;
    QPushButton *Button1;  // "Salva"

    // "Dati Anagrafici"
    QLabel *Codice;
    QLineEdit *Nome, *Indirizzo, *Edit1 /* Cap */, *Edit2 /* Citta */;
    QComboBox *ComboBox3;           // "Provincia"
    vlm::MaskEdit *MaskEdit1;       // date of birth
    QLineEdit *Edit3;               // place of birth
    QComboBox *ComboBox2;           // "Sesso"
    vlm::MaskEdit *MaskEdit2;       // "Codice Fiscale"
    QLineEdit *Edit4 /* Telefono */, *Edit6 /* Cellulare 1 */, *Edit7 /* Cellulare 2 */, *Edit5 /* Mail */,
        *Edit8 /* Mail 2 */, *Edit9 /* Codice Sirevo */;

    // "Informazioni"
    QComboBox *ComboBox4;           // "Gruppo sanguigno "

    // "Donazioni"
    vlm::DBGrid *DBGrid1;
    QPushButton *Button2;           // " + "
    QPushButton *Button3;           // " - "
    QWidget *Panel1;                // the entry panel
    vlm::MaskEdit *MaskEdit3;       // "Data"
    QComboBox *ComboBox5;           // "Tipo"
    QLineEdit *Edit10;              // "Quantità"
    QPushButton *Button4;           // "Salva" of the panel

    // "Altro"
    QComboBox *ComboBox1;           // "Stato"
    QPlainTextEdit *Memo1;          // "Note "
    QPushButton *Button5;           // "Elimina"

    vlm::GridTable *donazioni() const { return m_donazioni; }

    void FormShow();
    void Button1Click();          // "Salva"
    void Button5Click();          // "Elimina"
    void TabSheet3Show();         // the donations of the donor
    void TabSheet3Hide();
    void Button2Click();          // " + "
    void Button3Click();          // " - "
    void Button4Click();          // the panel's "Salva"
    void DBGrid1DblClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 m_id = 0;
    int m_livello = 0;
    bool m_loaded = false;
    QWidget *m_lastTab = nullptr;
    vlm::GridTable *m_donazioni;
    vlm::GridModel *m_model;
};
