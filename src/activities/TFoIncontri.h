#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
namespace vlm {
class DropDownBox;
class GridTable;
class MaskEdit;
}  // namespace vlm

// One session of an activity (enrolment, lesson, exam): kind, title awarded, day, place,
// description, and the volunteers taking part with their result and certificate number.
class TFoIncontri : public QDialog {
    Q_OBJECT
public:
    // idAttivita: the activity the session belongs to; id: the session, 0 for a new one.
    TFoIncontri(qint64 idAttivita, qint64 id, QWidget *parent = nullptr);
    ~TFoIncontri() override;

    QLabel *Label1;            // "Tipo"
    QLabel *Label2;            // "Titolo"
    QLabel *Label3;            // "Del"
    QLabel *Label4;            // "Luogo"
    QLabel *Label5;            // "Descriz."
    QLabel *Label6;            // "Partecipanti"
    vlm::DropDownBox *CbTipo;
    vlm::DropDownBox *CbTitolo;
    vlm::MaskEdit *MaskEdit1;  // "Del"
    QLineEdit *Edit1;          // "Luogo"
    QLineEdit *Edit2;          // "Descriz."
    QTableView *DBGrid1;       // the participants, editable
    QPushButton *Button3;      // "Salva"
    QPushButton *Button1;      // "Cancella"
    QPushButton *Button2;      // "Carica"

    qint64 idAttivita() const { return m_idAttivita; }
    qint64 id() const { return m_id; }
    // The participants: VOLONTARIO, RISULTATO, NMRATTESTATO, ID (0 when not stored yet).
    vlm::GridTable *table() const { return m_table; }
    // The names offered in the VOLONTARIO column and the results offered in RISULTATO.
    const QStringList &nomi() const { return m_nomi; }
    const QStringList &risultati() const { return m_risultati; }

    void FormActivate();   // load the session, the lists and the participants
    void CarTabella();     // reload the participants
    void Button3Click();   // store the session and every participant
    void Button1Click();   // delete the current participant
    void Button2Click();   // fill the grid with the enrolled volunteers
    // A new participant row at the end; returns its index.
    int Tb1NewRecord();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    qint64 m_idAttivita;
    qint64 m_id;
    vlm::GridTable *m_table;
    class PartecipantiIncModel *m_model;
    QStringList m_nomi;
    QStringList m_risultati;
    bool m_attivato = false;
};
