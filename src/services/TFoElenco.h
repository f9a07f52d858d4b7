#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
namespace vlm {
class DBGrid;
class GreyCheckBox;
class GridModel;
class GridTable;
}  // namespace vlm

// The list of services: narrowed by kind (social, sanitary or both), by past or coming
// dates and by a name search; opens, creates and deletes services.
class TFoElenco : public QDialog {
    Q_OBJECT
public:
    explicit TFoElenco(QWidget *parent = nullptr);
    ~TFoElenco() override;

    QLineEdit *Edit1;              // search
    vlm::GreyCheckBox *CheckBox2;  // "Servizi Sociali "
    vlm::GreyCheckBox *CheckBox1;  // "Passati"
    vlm::DBGrid *SG1;
    QPushButton *Button1;  // " + "
    QPushButton *Button2;  // " - "

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    // Handlers.
    void FormShow();           // reload
    void CheckBox2Click();     // caption by kind, then reload
    void SG1DblClick();        // open the selected service
    void Button1Click();       // new service
    void Button2Click();       // delete the selected service
    void CarElenco();          // the reload itself

    // The colours of a cell, as the grid draws it.
    QVariant cellColor(int row, const QString &field, int role) const;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void openEditor(qint64 id, bool nuovo);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while a service is open
};
