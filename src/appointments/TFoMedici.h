#pragma once
#include <QDialog>

class QComboBox;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}  // namespace vlm

// The register of the visiting specialists, filtered by state; opens their records.
class TFoMedici : public QDialog {
    Q_OBJECT
public:
    explicit TFoMedici(QWidget *parent = nullptr);
    ~TFoMedici() override;

    QComboBox *ComboBox1;  // state: "ATTIVO", "DISMESSO", "TUTTI"
    QPushButton *Button1;  // "Nuovo"
    vlm::DBGrid *DBGrid1;

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    void FormShow();
    void CarTabella();       // the list from the server
    void ComboBox1Change();
    void Button1Click();     // new specialist
    void DBGrid1DblClick();  // open the selected specialist

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void openRecord(int row);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while a record is open
};
