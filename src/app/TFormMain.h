#pragma once
#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

// The main window: the login state, the entries that open every module window after
// checking the user's access-level digit, and the shared connection DB.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // Login state.
    qint64 userId() const { return m_userId; }
    qint64 livello() const { return m_livello; }
    int areaDigit() const { return m_areaDigit; }
    QString userName() const { return m_userName; }

    // Controls, by their designer names.
    QLabel *Image1;
    QToolButton *BtnMarcatempo, *BtnFarmaci, *BtnSanitario, *BtnSociali;
    QToolButton *BtnGiornalieri, *BtnMezzi, *BtnEventi, *BtnAppuntamenti;
    QPushButton *BtnVolontari, *BtnAttivita;  // the two small hidden buttons
    QPushButton *Button1, *Button2;           // the two hidden plain buttons

    QAction *Login1;        // "Login" / "Logout"
    QAction *Notizie1;
    QAction *Statistiche1;  // hidden
    QAction *Gestione1, *Corsi1, *Turni2, *Assegnazione1;
    QAction *GestioneDon1, *Report1;
    QAction *GestioneFarm1, *CheckList1, *ScadenzeFarmaci1;
    QMenu *Opzioni1;
    QAction *ConfigMail1;
    QAction *Elenco1, *AppuntamentiMenu1;
    QAction *GestionePat1, *Check1, *MezziMenu1, *Standby1;

    // Handlers.
    void Login1Click();
    void MarcatempoClick();
    void FarmaciClick();
    void MezziClick();
    void ServiziSanitarioClick();
    void ServiziSocialiClick();
    void ServiziGiornalieriClick();
    void EventiClick();
    void AppuntamentiClick();
    void VolontariClick();
    void CorsiClick();
    void TurniClick();
    void AssegnazioneClick();
    void NotizieClick();
    void StatisticheClick();
    void DonatoriGestioneClick();
    void DonatoriReportClick();
    void CheckListClick();
    void ScadenzeCheckClick();
    void ConfigMailClick();
    void SpecialistiElencoClick();
    void PatentiGestioneClick();
    void Check1Click();
    void AutoparcoMezziClick();
    void StandbyClick();
    void Button1Click();

    // The dialog login for digit k (also run by "Login" when nobody is logged in).
    void loginDialog(int k);
    void logout();

Q_SIGNALS:
    // Emitted when an entry's rule lets its window open, with the window's class name.
    void entryOpened(const QString &windowClass);

private:
    void silentLogin();
    void setLoggedIn(qint64 id, qint64 livello, const QString &nome);
    void setLoggedOut();
    void updateCaption();
    // Shows the login dialog for digit k when nobody is logged in; false when still nobody.
    bool needLogin(int k);
    // Takes digit k of the access level as the area digit.
    int takeDigit(int k);
    void opened(const QString &windowClass);
    void openOwnRecord(int digit);
    void buildMenu();
    void buildButtons();

    qint64 m_userId = 0;
    qint64 m_livello = 0;
    int m_areaDigit = -1;
    QString m_userName;
    bool m_autoSend = false;
    QWidget *m_prot = nullptr;  // the document register stays alive with the main window
};
