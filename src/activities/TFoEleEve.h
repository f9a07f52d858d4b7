#pragma once
#include <QDialog>

class QCheckBox;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}  // namespace vlm

// The list of events and missions, from today on or all of them with "Passati"; opens,
// creates and deletes them.
class TFoEleEve : public QDialog {
    Q_OBJECT
public:
    explicit TFoEleEve(QWidget *parent = nullptr);
    ~TFoEleEve() override;

    vlm::DBGrid *DBGrid1;
    QCheckBox *CheckBox1;  // "Passati"
    QPushButton *Button1;  // "Nuova"
    QPushButton *Button2;  // "Cancella "

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    void FormShow();         // reload
    void CarTabella();       // the reload itself
    void CheckBox1Click();   // reload
    void Button1Click();     // new event
    void Button2Click();     // delete the selected event with its participants
    void DBGrid1DblClick();  // open the selected event

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void openEditor(qint64 id);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while an event is open
};
