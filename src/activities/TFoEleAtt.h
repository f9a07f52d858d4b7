#pragma once
#include <QDialog>

class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}  // namespace vlm

// The list of activities and courses, latest end first; opens them and creates new ones.
class TFoEleAtt : public QDialog {
    Q_OBJECT
public:
    // livello: the activities digit of the user's access level.
    explicit TFoEleAtt(int livello, QWidget *parent = nullptr);
    ~TFoEleAtt() override;

    vlm::DBGrid *DBGrid1;
    QPushButton *Button1;  // "Nuova"

    int livello() const { return m_livello; }
    // ATTIVITA, DATAI, DATAF, ID, DESCRIZ, CHIUSO
    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    void FormShow();         // reload
    void Button1Click();     // new activity
    void DBGrid1DblClick();  // open the selected activity

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void openEditor(qint64 id);

    int m_livello;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while an activity is open
};
