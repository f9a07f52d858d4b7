#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm {
class DBGrid;
class DropDownBox;
class GridModel;
class GridTable;
class MaskEdit;
}  // namespace vlm

// One activity or course: kind, title, dates, place, description, closed state, and its
// sessions, each opened in the session window.
class TFoAttivita : public QDialog {
    Q_OBJECT
public:
    // id: the activity edited, 0 for a new one.
    explicit TFoAttivita(qint64 id, QWidget *parent = nullptr);
    ~TFoAttivita() override;

    QLabel *Label1;             // "Attività"
    QLabel *Label2;             // "Titolo"
    QLabel *Label3;             // "Dal "
    QLabel *Label4;             // "Al"
    QLabel *Label5;             // "Luogo"
    QLabel *Label6;             // "Descriz."
    QLabel *Label7;             // "Incontri"
    vlm::DropDownBox *CbAttivita;
    vlm::DropDownBox *CbTitolo;
    vlm::MaskEdit *MaskEdit1;   // "Dal "
    vlm::MaskEdit *MaskEdit2;   // "Al"
    QLineEdit *Edit1;           // "Luogo"
    QLineEdit *Edit2;           // "Descriz."
    QCheckBox *CheckBox1;       // "Corso Chiuso"
    vlm::DBGrid *DBGrid1;       // the sessions
    QPushButton *Button1;       // " + "
    QPushButton *Button3;       // "Salva"

    qint64 id() const { return m_id; }
    // The sessions: ID, TIPO, DESCRIZIONE, DATA.
    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    void FormShow();          // load the activity, the lists and the sessions
    void CarTabella();        // reload the sessions
    void Button3Click();      // store the activity
    void Button1Click();      // new session
    void DBGrid1DblClick();   // open the selected session

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;

private:
    // conTitolo: the session window takes the activity's kind as its caption.
    void openSession(qint64 idIncontro, bool conTitolo);

    qint64 m_id;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while a session is open
};
