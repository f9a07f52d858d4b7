#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
namespace vlm {
class DBGrid;
class DropDownBox;
class GridModel;
class GridTable;
}  // namespace vlm

// The movements of one article: its open lots, its stock and its whole history. An
// article is found by typing or scanning into the article box; a scanned package code
// also offers the load of its lot. The lot dialog loads a lot or unloads from the
// selected one.
class TFoFarMov : public QDialog {
    Q_OBJECT
public:
    explicit TFoFarMov(QWidget *parent = nullptr);
    ~TFoFarMov() override;

    void setUserId(qint64 id) { m_userId = id; }
    qint64 userId() const { return m_userId; }
    void setArticolo(qint64 id) { m_idf = id; }
    qint64 articolo() const { return m_idf; }

    vlm::DropDownBox *ComboBox1;  // article box
    QLabel *Label1;               // "Articolo"
    QLabel *Label2;               // article name
    QLabel *Label3;               // description
    QLabel *Label4;               // "Q.TA Totale "
    QLabel *Label5;               // stock
    vlm::DBGrid *DBGrid2;         // open lots
    QPushButton *Button1;         // "Movimentazione"
    vlm::DBGrid *DBGrid1;         // history

    vlm::GridTable *lotti() const { return m_tb2; }
    vlm::GridTable *storia() const { return m_tb1; }
    vlm::GridModel *lottiModel() const { return m_model2; }
    vlm::GridModel *storiaModel() const { return m_model1; }

    void FormShow();
    void FormActivate();           // reloads everything of the current article
    void ComboBox1KeyPress();      // Enter: find the article
    void ComboBox1Change(const QString &text);
    void Button1Click();

    QVariant lotColor(int row, int role) const;
    QVariant historyColor(int row, int role) const;

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void aggiorna(bool tendina);
    void apriLotto(qint64 idl, const QString &lotto, const QString &scadenza);

    qint64 m_userId = 0;
    qint64 m_idf = 0;
    bool m_dropped = false;      // the article list was opened
    bool m_refreshFailed = false;
    vlm::GridTable *m_tb1;
    vlm::GridTable *m_tb2;
    vlm::GridModel *m_model1;
    vlm::GridModel *m_model2;
};
