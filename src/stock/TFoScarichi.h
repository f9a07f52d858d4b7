#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm {
class DBGrid;
class DropDownBox;
class GridModel;
class GridTable;
}  // namespace vlm

// Plain unloading: find an article by typing or scanning, pick one of its open lots and
// take a quantity out of it, with a note.
class TFoScarichi : public QDialog {
    Q_OBJECT
public:
    explicit TFoScarichi(QWidget *parent = nullptr);
    ~TFoScarichi() override;

    void setUserId(qint64 id) { m_userId = id; }
    qint64 userId() const { return m_userId; }
    qint64 articolo() const { return m_idf; }

    QLabel *Label1;           // "Articolo"
    vlm::DropDownBox *CB1;    // article box
    QLabel *Label3;           // description of the article found
    vlm::DBGrid *DBGrid1;     // open lots
    QLabel *Label4;           // "Quantita"
    QLineEdit *Edit1;
    QLabel *Label5;           // "Note"
    QLineEdit *Edit2;
    QPushButton *Button1;     // "Scarica"

    vlm::GridTable *lotti() const { return m_tb1; }
    vlm::GridModel *lottiModel() const { return m_model; }

    void FormActivate();                      // refills the article list
    void CB1Change(const QString &text);      // finds the first matching article
    void CB1KeyPress();                       // Enter: a scanned code is searched by its EAN
    void Button1Click();

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void caricaLotti();

    qint64 m_userId = 0;
    qint64 m_idf = 0;
    bool m_activateFailed = false;
    vlm::GridTable *m_tb1;
    vlm::GridModel *m_model;
};
