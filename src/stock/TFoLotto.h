#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
namespace vlm {
class MaskEdit;
}

// Loads a new lot of an article, or unloads from the lot it was opened on: a negative
// quantity takes that many pieces out of the lot, zero or more loads a new lot.
class TFoLotto : public QDialog {
    Q_OBJECT
public:
    explicit TFoLotto(QWidget *parent = nullptr);

    void setArticolo(qint64 id) { m_idf = id; }
    void setOperatore(qint64 id) { m_idv = id; }
    void setLotto(qint64 id) { m_idl = id; }  // 0: a new lot
    qint64 articolo() const { return m_idf; }
    qint64 operatore() const { return m_idv; }
    qint64 lotto() const { return m_idl; }

    QLineEdit *Edit1;        // "Articolo" (not editable)
    vlm::MaskEdit *MaskEdit1;  // "Scadenza"
    QLineEdit *Edit2;        // "Lotto"
    vlm::MaskEdit *MaskEdit2;  // "Quantità"
    QPushButton *Button1;    // "Annulla"
    QPushButton *Button2;    // "Salva"

    void FormShow();
    void Button2Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 m_idf = 0;
    qint64 m_idv = 0;
    qint64 m_idl = 0;
};
