#pragma once
#include <QDialog>

class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}  // namespace vlm

// The document register: the registered documents, newest first; a file is attached to
// the selected entry and written back to the export folder with a double click.
class TFoProt : public QDialog {
    Q_OBJECT
public:
    explicit TFoProt(QWidget *parent = nullptr);
    ~TFoProt() override;

    // The operator text stored with an attachment (the main window's caption).
    void setOperatore(const QString &op) { m_operatore = op; }
    QString operatore() const { return m_operatore; }

    vlm::DBGrid *DBGrid1;
    QPushButton *Button1;  // "Allega File"

    void FormShow();
    void CarTabella();
    void Button1Click();
    void DBGrid1DblClick();

    // The name an attachment is stored under: the part of the path after its last folder
    // separator, cut to 30 characters.
    static QString storedName(const QString &path);

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 selectedId() const;

    std::unique_ptr<vlm::GridTable> Tb1;
    vlm::GridModel *m_model;
    QString m_operatore;
};
