#pragma once
#include <QDate>
#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableWidget;
class QTimer;

// The day's work as a timetable: 36 half-hour rows from 06:00 and one column per vehicle
// (with the vehicles' stand-bys) or per person. With "Auto" ticked it comes back to today
// and alternates the two views every two minutes.
class TFoGiorno : public QDialog {
    Q_OBJECT
public:
    // livello: the vehicles digit of the user; the navigation controls show from 7 on.
    explicit TFoGiorno(QWidget *parent = nullptr, int livello = 0);
    ~TFoGiorno() override;

    QCheckBox *CheckBox1;   // "Tipo" (hidden): ticked for the person view
    QCheckBox *CheckBox2;   // "Auto"
    QPushButton *Button1;   // ">"  switch view
    QPushButton *Button2;   // "-"  previous day
    QPushButton *Button3;   // "+"  next day
    QTableWidget *Foglio;   // row 0 titles, column 0 times
    QTimer *Timer1;

    QDate giorno() const { return m_giorno; }
    void setGiorno(const QDate &d) { m_giorno = d; }
    bool personView() const;
    // The refresh interval of "Auto", in milliseconds (two minutes).
    int intervallo() const;
    void setIntervallo(int ms);

    // Handlers.
    void FormShow();
    void Button1Click();      // switch view
    void Button2Click();      // previous day
    void Button3Click();      // next day
    void CheckBox2Click();    // "Auto"
    void Timer1Timer();       // back to today, other view
    void Riempi();            // the rebuild of the sheet

    // The colours of a cell as the sheet draws it.
    static QColor cellBackground(int row, int col, const QString &text);

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void dimensiona();
    void addColumn(const QString &title);
    int columnOf(const QString &title) const;
    void setCell(int row, int col, const QString &text);

    QDate m_giorno;
};
