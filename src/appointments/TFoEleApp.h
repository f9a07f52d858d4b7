#pragma once
#include <QDialog>

class QComboBox;
class QPushButton;
namespace vlm {
class DBGrid;
class GreyCheckBox;
class GridModel;
class GridTable;
}  // namespace vlm

// The visits of the specialists with their number of slots and of free slots: coming
// visits, past visits or all of them, for one specialist or for all. Works on its own
// connection Db2, closed again after every build of the list.
class TFoEleApp : public QDialog {
    Q_OBJECT
public:
    explicit TFoEleApp(QWidget *parent = nullptr);
    ~TFoEleApp() override;

    QComboBox *ComboBox1;         // specialist
    vlm::GreyCheckBox *CheckBox1; // "Passati": unchecked coming, checked past, greyed all
    vlm::DBGrid *DBGrid1;
    QPushButton *Button1;         // " + "
    QPushButton *Button2;         // " - "

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    void FormCreate();       // the active specialists into the drop-down
    void FormShow();
    void CarTabella();       // the list from the server
    void ComboBox1Change();
    void CheckBox1Click();
    void Button1Click();     // new visit
    void Button2Click();     // delete the selected visit
    void DBGrid1DblClick();  // open the selected visit

    // The colours of a cell as the grid draws it.
    QVariant cellColor(int row, const QString &field, int role) const;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void openVisit(int row);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    QString m_sortField;
    bool m_editing = false;  // hidden while a visit is open
};
