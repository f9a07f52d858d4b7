#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
class MaskEdit;
}  // namespace vlm

// The news board: the notices listed by date, the one clicked shown in the boxes on the
// right, written, changed and deleted with the buttons beside them.
class TFoNotizie : public QDialog {
    Q_OBJECT
public:
    explicit TFoNotizie(QWidget *parent = nullptr);
    ~TFoNotizie() override;

    // The notice the buttons work on: the one last clicked in the list, 0 after "New".
    qint64 currentId() const { return m_idn; }

    vlm::DBGrid *DBGrid1;
    QLabel *Label1;
    vlm::MaskEdit *MaskEdit1;
    QPlainTextEdit *Memo1;
    QPushButton *Button1;  // "Del"
    QPushButton *Button2;  // "New"
    QPushButton *Button3;  // "Salva "

    void FormShow();
    void CarTabella();
    void DBGrid1CellClick(int row);
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    std::unique_ptr<vlm::GridTable> Tb1;
    vlm::GridModel *m_model;
    qint64 m_idn = 0;
};
