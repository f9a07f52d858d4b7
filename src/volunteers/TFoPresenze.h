#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;
class QTimer;
namespace vlm { class DropDownBox; }

// The attendance terminal at the entrance: a volunteer types his person key or his fiscal
// code and presses Enter; the first time he is clocked in for the activity of the
// drop-down, the next time he is clocked out and his worked time is stored. The list of
// the people on duty is read again every five minutes. Works on its own connection DBVlm,
// open only while a handler runs.
class TFoPresenze : public QDialog {
    Q_OBJECT
public:
    explicit TFoPresenze(QWidget *parent = nullptr);

    static constexpr int kLines = 25;  // lines of the on-duty list

    QLabel *Image1;
    QLineEdit *Edit1;          // person key or fiscal code
    vlm::DropDownBox *CB1;     // activity "EM Servizio Sanitario di Emergenza"
    QTableWidget *Elenco;      // people on duty, one per line
    QTimer *Timer1;            // refresh of the on-duty list, every 300 s

    void FormActivate();       // fills the activity drop-down
    void Edit1KeyPress();      // Enter in the entry box: clock-in or clock-out
    void Timer1Timer();        // timer tick: the list read again
    void CarElenco();          // reads the people on duty into the list

    // The lines of the list as they are shown (empty lines included).
    QStringList lines() const;

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    bool m_fillFailed = false;  // the last fill at an activation ended with an error
};
