#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
class MaskEdit;
}  // namespace vlm

// The vehicle register: every vehicle of the fleet in a list, the selected vehicle's data
// and its maintenance jobs. Works on a connection of its own, closed after each load.
class TFoMezzi : public QDialog {
    Q_OBJECT
public:
    explicit TFoMezzi(QWidget *parent = nullptr);
    ~TFoMezzi() override;

    QListWidget *List1;
    QLineEdit *Edit1;              // "Codice"
    QLineEdit *Edit2;              // "Targa"
    QLineEdit *Edit3;              // "Marca"
    QLineEdit *Edit4;              // "Modello"
    QLineEdit *Edit5;              // "Telaio"
    QComboBox *CBTipo;             // "Tipo "
    vlm::MaskEdit *EdI;            // "Immatricolazione"
    vlm::MaskEdit *MaskEdit1;      // "Scad. Revisione "
    QComboBox *ComboBox1;          // "Stato"
    vlm::DBGrid *DBGrid1;          // "Manutenzioni"
    QPushButton *Button4;          // "Nuovo"
    QPushButton *Button3;          // "Salva"
    QPushButton *Button2;          // "Cancella"
    QPushButton *Button1;          // "Stampa"

    // The key of the vehicle shown; 0 for none or a new one.
    qint64 id() const { return m_id; }
    vlm::GridTable *table() const { return m_table; }

    void CarLista();         // the vehicle list from the server
    void List1Click();       // load the selected vehicle
    void CarTabella();       // the selected vehicle's maintenance jobs
    void Button4Click();     // "Nuovo"
    void Button3Click();     // "Salva"
    void Button2Click();     // "Cancella"
    void Button1Click();     // "Stampa"
    void DBGrid1DblClick();  // open the maintenance job of the current row
    // A blank row at the end of the maintenance grid, as Down on the last row or Insert
    // give it: opening it makes a new job.
    void appendBlankRow();

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void selectKey(qint64 key);

    qint64 m_id = 0;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_editing = false;  // hidden while a maintenance job is open
};
