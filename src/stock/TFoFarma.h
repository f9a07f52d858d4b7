#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The record of one article: code, name, description, producer, EAN and minimum stock,
// with the stock the list showed for it. Key 0 makes a new article.
class TFoFarma : public QDialog {
    Q_OBJECT
public:
    explicit TFoFarma(QWidget *parent = nullptr);

    void setId(qint64 id) { m_id = id; }
    qint64 id() const { return m_id; }

    QLineEdit *Edit1;        // "Codice"
    QLineEdit *Edit2;        // "Nome"
    QLineEdit *Edit3;        // "Decrizione"
    QLineEdit *Edit4;        // "Produttore"
    QLineEdit *Edit6;        // "Codice EAN"
    QLineEdit *Edit5;        // "Scorta Minima"
    QLabel *LabelQta;        // "Q.ta"
    QLabel *LabelValore;     // the stock value, large and bold
    QPushButton *Button1;    // "Salva"
    QPushButton *Button2;    // "Cancella"

    // Reads the article with this key into the boxes; the key becomes the one read
    // (0 when no article has it).
    void carica(qint64 id);

    void Button1Click();
    void Button2Click();

private:
    qint64 m_id = 0;
};
