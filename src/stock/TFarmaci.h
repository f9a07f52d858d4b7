#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}  // namespace vlm

// The articles of the store with their stock: what is left in their open lots, the first
// expiry among those lots, and the minimum stock. Narrowed by a search typed or scanned
// into the search box and by three filters; opens the record of an article.
class TFarmaci : public QDialog {
    Q_OBJECT
public:
    explicit TFarmaci(QWidget *parent = nullptr);
    ~TFarmaci() override;

    void setUserId(qint64 id) { m_userId = id; }
    qint64 userId() const { return m_userId; }
    // The text the list is searched by (empty: every article).
    QString searchText() const { return m_search; }

    QLabel *Label1;          // "Articolo"
    QLineEdit *Edit1;        // search box
    QCheckBox *CheckBox1;    // "Sottoscorta"
    QCheckBox *CheckBox2;    // "Giacenza zero"
    QCheckBox *CheckBox3;    // "Con Scaduti"
    vlm::DBGrid *DBGrid1;
    QPushButton *Button1;    // "Nuovo"
    QPushButton *Button2;    // "Movimentazione"

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    // Handlers.
    void FormShow();
    void CarElenco();                 // reload the list
    void Edit1KeyPress(int key);      // Enter in the search box
    void Edit1Edited(const QString &text);
    void DBGrid1DblClick();
    void Button1Click();
    void Button2Click();              // "Movimentazione"

    // Background and text colour of a row, as the grid paints it.
    QVariant cellColor(int row, const QString &field, int role) const;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void openEditor(bool existing);

    qint64 m_userId = 0;
    QString m_search;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while the record of an article is open
};
