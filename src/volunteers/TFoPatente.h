#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The organisation's driving licence of one person: number, category, exam and expiry
// dates, state. Opened by the licence list with the person's key; "Salva" writes the five
// licence columns and leaves the dialog open.
class TFoPatente : public QDialog {
    Q_OBJECT
public:
    explicit TFoPatente(QWidget *parent = nullptr);

    void setIdv(qint64 id) { m_idv = id; }
    qint64 idv() const { return m_idv; }

    QLabel *Text1;         // the person's name
    QLineEdit *Edit4;      // "Patente N°"
    QLineEdit *Edit1;      // "Categoria"
    QLineEdit *Edit2;      // "Data Esame"
    QLineEdit *Edit3;      // "Scadenza"
    QComboBox *ComboBox1;  // "Stato"
    QPushButton *Button1;  // "Salva"

    void Button1Click();

private:
    qint64 m_idv = 0;
};
