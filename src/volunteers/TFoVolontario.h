#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
namespace vlm { class DBGrid; class GridModel; class GridTable; class MaskEdit; }
class TFoVolontarioVestiti;

// The record of one person of the register: personal data, role and preferences, identity
// documents, the organisation's driving licence, login and permission levels, notes, the
// clothing handed out and the shift slots he is available for. Opened with the person's
// key (0 for a new person) and the digit of the opener, which decides what is shown and
// what may be changed. "Salva" writes the person in a transaction on the shared
// connection, then the clothing and the availability rows; the window stays open.
class TFoVolontario : public QDialog {
    Q_OBJECT
public:
    explicit TFoVolontario(QWidget *parent = nullptr);
    ~TFoVolontario() override;

    void setCodice(qint64 id) { m_id = id; }
    qint64 codice() const { return m_id; }
    void setLivello(int digit) { m_livello = digit; }
    int livello() const { return m_livello; }
    bool roleChanged() const { return m_roleChanged; }
    bool stateChanged() const { return m_stateChanged; }

    // Tabs, in order.
    QTabWidget *PageControl1;
    QWidget *TabAnagrafici, *TabInformazioni, *TabDocumenti, *TabTitoli, *TabAttivita, *TabServizi,
        *TabAssegnati, *TabPatenti, *TabDisponibilita, *TabAbbigliamento, *TabAltro;

    // "Dati Anagrafici"
    QLabel *Codice;
    QLineEdit *Nome, *Indirizzo, *Edit1 /* Cap */, *Edit2 /* Citta */;
    QComboBox *ComboBox3;           // "Provincia"
    vlm::MaskEdit *MaskEdit1;       // date of birth
    QLineEdit *Edit3;               // place of birth
    QComboBox *ComboBox2;           // "Sesso"
    vlm::MaskEdit *MaskEdit2;       // "Codice Fiscale"
    vlm::MaskEdit *MaskEdit7;       // "Peso"
    vlm::MaskEdit *MaskEdit8;       // "Altezza"
    QLineEdit *Edit4 /* Telefono */, *Edit6 /* Cellulare 1 */, *Edit7 /* Cellulare 2 */, *Edit5 /* Mail */,
        *Edit26 /* Mail 2 */;

    // "Informazioni"
    QLineEdit *Edit8 /* Titolo di Studio */, *Edit9 /* Professione */;
    QComboBox *ComboBox4;           // "Stato di servizio " (the role)
    QLabel *LabelTutor;
    QComboBox *ComboBox8;           // "Tutor"
    QPushButton *BtnMail;           // "Invio Mail "
    QPlainTextEdit *Corpo;          // hidden: the tutor mail's body is composed here
    QComboBox *ComboBox9;           // "Tipologia"
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7, *CheckBox8,
        *CheckBox9, *CheckBox10, *CheckBox11, *CheckBox12;

    // "Documenti"
    QComboBox *ComboBox5, *ComboBox6;
    QLineEdit *Edit11, *Edit18, *Edit12, *Edit19;
    vlm::MaskEdit *MaskEdit3, *MaskEdit4, *MaskEdit5, *MaskEdit6;
    QPlainTextEdit *Memo2;          // "Note Patente"

    // "Titoli": the qualifications (view Titolic), added and edited through TFoTitoli.
    vlm::DBGrid *DBGrid1;
    QPushButton *Button2;           // " + "
    QPushButton *Button3;           // " - "
    // "Attività": courses and sessions attended.
    vlm::DBGrid *DBGrid2;
    // "Servizi": clock records, transport services and shifts, newest first.
    vlm::DBGrid *DBGrid3;
    // "Assegnati ": transport services he is crewed on from today on.
    vlm::DBGrid *DBGrid4;

    // "Patenti" (shown only)
    QLineEdit *Edit20, *Edit21, *Edit22, *Edit23;

    // "Disponibilità"
    QListWidget *CheckListBox1;

    // "Abbigliamento"
    QTableView *GridVestiti;

    // "Altro"
    QLineEdit *Utente, *Password;
    QComboBox *ComboBox1;           // "Stato"
    QLineEdit *Edit10, *Edit13, *Edit14, *Edit15, *Edit16, *Edit17;  // levels F, M, S, V, A, P
    QLineEdit *Edit24, *Edit25;     // LifeMobile
    QPlainTextEdit *Memo1, *Memo3;  // "Note Pubbliche", "Note Interne "

    QPushButton *Button1;           // "Salva"

    // The clothing rows shown in the grid (fields ID, CAPO, TAGLIA, DATACONS, DATARESO).
    vlm::GridTable *vestiti() const;
    // The history tables: qualifications (TITOLO, DATA, ID, NMRATTESTATO, LUOGO, TIP),
    // activities (ATTIVITA, ATTESTATO, DATA, LUOGO, RISULTATO), services (ENTRATA, TIPO,
    // Durata) and assigned services (Data, OrarioPartenza, Durata, Partenza, Destinazione,
    // SiglaMezzo).
    vlm::GridTable *titoli() const { return m_titoli; }
    vlm::GridTable *attivita() const { return m_attivita; }
    vlm::GridTable *servizi() const { return m_servizi; }
    vlm::GridTable *assegnati() const { return m_assegnati; }
    // Appends a clothing row handed over today, as a new row of the grid does.
    int appendVestito();

    // Handlers.
    void FormActivate();            // loads the record
    void Button1Click();            // save
    void ComboBox4Change();         // role or type changed
    void ComboBox1Change();         // state changed
    void BtnMailClick();            // the welcome mail naming the trainee's tutor
    void TabInformazioniShow();
    void TabAbbigliamentoShow();
    void TabDisponibilitaShow();
    void CheckListBox1DblClick();
    void TabTitoliShow();
    void TabAttivitaShow();
    void TabServiziShow();
    void TabServiziHide();
    void TabAssegnatiShow();
    void Button2Click();            // " + ": a new qualification
    void DBGrid1DblClick();         // edits the current qualification
    void Button3Click();            // " - ": deletes the current qualification

    // The slot key of an availability item ("12 Lunedì mattina" -> 12; 0 when none).
    static qint64 slotKey(const QString &item);
    // The login name made from a name: the part before the first blank and the first
    // character after it.
    static QString defaultLogin(const QString &nome);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void applyAccess();
    void updateTutor();
    void tabChanged(int index);
    void openTitolo(qint64 idTitolo);
    QList<QCheckBox *> preferences() const;
    QList<QLineEdit *> levels() const;

    qint64 m_id = 0;
    int m_livello = 0;
    bool m_roleChanged = false;
    bool m_stateChanged = false;
    vlm::GridTable *m_vestiti;
    TFoVolontarioVestiti *m_vestitiModel;
    vlm::GridTable *m_titoli, *m_attivita, *m_servizi, *m_assegnati;
    vlm::GridModel *m_titoliModel, *m_attivitaModel, *m_serviziModel, *m_assegnatiModel;
    QWidget *m_shownTab = nullptr;
    QList<QWidget *> m_levelLabels;
};
