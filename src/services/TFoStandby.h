#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
class MaskEdit;
}  // namespace vlm

// The entry window of one vehicle stand-by: day, start and end time, vehicle and kind.
class TFoStby : public QDialog {
    Q_OBJECT
public:
    explicit TFoStby(QWidget *parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    vlm::MaskEdit *EdI;        // "Data"
    vlm::MaskEdit *MaskEdit1;  // "Ora Inizio"
    vlm::MaskEdit *MaskEdit2;  // "Ora Fine"
    QComboBox *CBMezzo;        // "Mezzo"
    QComboBox *CBTipo;         // "Tipo Standby"
    QPushButton *Button1;      // "Salva"

    // The stand-by edited; 0 for a new one (set to the new key once it is stored).
    qint64 id() const { return m_id; }
    void setId(qint64 id) { m_id = id; }

    void FormCreate();    // the active vehicles into "Mezzo"
    void Button1Click();  // store

private:
    qint64 m_id = 0;
};

// The list of the vehicle stand-bys from today on; adds, opens and deletes them.
class TFoStandby : public QDialog {
    Q_OBJECT
public:
    explicit TFoStandby(QWidget *parent = nullptr);
    ~TFoStandby() override;

    vlm::DBGrid *DBGrid1;
    QPushButton *Button1;  // " + "
    QPushButton *Button2;  // "-"

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }

    void CarTabella();       // reload from the server
    void Button1Click();     // new stand-by
    void Button2Click();     // delete the selected stand-by
    void DBGrid1DblClick();  // open the selected stand-by

    // The colours of a cell as the grid draws it.
    QVariant cellColor(int row, const QString &field, int role) const;

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void openEntry(int row);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while a stand-by is open
};
