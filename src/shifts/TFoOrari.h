#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}

// The weekly shift slots still offered, each with the number of volunteers available for
// it. "+" adds a slot, a double click edits one, "G" tells the next date the slot falls on.
class TFoOrari : public QDialog {
    Q_OBJECT
public:
    explicit TFoOrari(QWidget *parent = nullptr);
    ~TFoOrari() override;

    vlm::DBGrid *DBGrid1;
    QPushButton *Button1;  // "+"
    QPushButton *Button2;  // "G"
    QLabel *Label1;

    vlm::GridTable *table() const { return m_table; }

    void FormShow();
    void Button1Click();
    void Button2Click();
    void DBGrid1DblClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void openEditor(qint64 id);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
};
