#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
namespace vlm {
class GridTable;
class MaskEdit;
}  // namespace vlm

// One event or mission: dates, times, place, description, volunteers needed, notes, and
// the volunteers taking part with their own day and times; sends them the assignment mail.
class TFoEvento : public QDialog {
    Q_OBJECT
public:
    // id: the event edited, 0 for a new one.
    explicit TFoEvento(qint64 id, QWidget *parent = nullptr);
    ~TFoEvento() override;

    QRadioButton *Evento;     // "Evento"
    QRadioButton *Missione;   // "Missione"
    QLabel *Label1;           // "Dal"
    QLabel *Label2;           // "Al"
    QLabel *Label3;           // "Dalle ore "
    QLabel *Label4;           // "Alle ore "
    QLabel *Label5;           // "Luogo"
    QLabel *Label6;           // "Descriz."
    QLabel *Label7;           // "Numero di Volontari necessari "
    QLabel *Label8;           // "Note"
    QLabel *Label9;           // "Partecipanti"
    vlm::MaskEdit *MaskEdit2;  // "Dal"
    vlm::MaskEdit *MaskEdit5;  // "Al"
    vlm::MaskEdit *MaskEdit1;  // "Dalle ore "
    vlm::MaskEdit *MaskEdit3;  // "Alle ore "
    QLineEdit *Edit1;          // "Luogo"
    QLineEdit *Edit2;          // "Descriz."
    vlm::MaskEdit *MaskEdit4;  // volunteers needed
    QPlainTextEdit *Memo1;     // "Note"
    QTableView *DBGrid1;       // the participants, editable
    QPushButton *Button3;      // "Salva"
    QPushButton *Button2;      // "Copia "
    QPushButton *Button4;      // "Invia Mail"
    QPushButton *Button1;      // "Cancella partecipante"

    qint64 id() const { return m_id; }
    // The participants: VOLONTARIO, ID (Eve_Vol key, 0 when not stored), ORAI, ORAF, IDOP, DATA.
    vlm::GridTable *table() const { return m_table; }
    // The names offered in the VOLONTARIO column.
    const QStringList &pickList() const { return m_nomi; }

    void FormShow();        // load the event, the names and the participants
    void CarTabella();      // reload the participants
    void EventoClick();     // times shown
    void MissioneClick();   // times hidden
    void Button3Click();    // store the event and its participants
    void Button2Click();    // start a copy as a new event
    void Button4Click();    // the assignment mails
    void Button1Click();    // delete the current participant
    // A new participant row at the end, started from the event's times and first day;
    // returns its index.
    int Tb1NewRecord();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void mostraOrari(bool visibili);
    void refreshGrid();

    qint64 m_id;
    vlm::GridTable *m_table;
    class PartecipantiModel *m_model;
    QStringList m_nomi;
};
