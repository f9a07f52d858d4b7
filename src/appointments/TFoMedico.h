#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The record of one specialist: name, speciality, state and notes.
class TFoMedico : public QDialog {
    Q_OBJECT
public:
    explicit TFoMedico(QWidget *parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Edit1;        // "Professionista"
    QLineEdit *Edit2;        // "Specializzazione"
    QComboBox *ComboBox1;    // "Stato"
    QPlainTextEdit *Memo1;   // "Informazioni"
    QPushButton *Button1;    // "Salva"

    // The specialist edited; 0 for a new one (the new key once it is stored).
    qint64 recordId() const { return m_id; }
    void setRecordId(qint64 id) { m_id = id; }

    void Button1Click();

private:
    qint64 m_id = 0;
};
