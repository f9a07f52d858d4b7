#pragma once
#include <QDialog>
#include <QHash>
#include <QPair>
#include <QStringList>

class CheckDelegate;
class QComboBox;
class QLabel;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}  // namespace vlm

// The equipment list of one vehicle at a time: which article, how many pieces, where it
// is stowed and when it expires. Rows are edited, appended and deleted in the grid and
// written back with "Salva"; "Stampa" prints the list the crew checks the vehicle with.
class TFoCheck : public QDialog {
    Q_OBJECT
public:
    explicit TFoCheck(QWidget *parent = nullptr);
    ~TFoCheck() override;

    QLabel *Label1;          // "Mezzo"
    QComboBox *ComboBox1;    // the vehicle, by its code
    vlm::DBGrid *DBGrid1;    // the vehicle's list
    QPushButton *Button1;    // "Salva"
    QPushButton *Button2;    // " - "
    QPushButton *Button3;    // "Stampa"

    // QUANTITA, CODICE (the article's name), DESCRIZIONE, SCADENZA, POSIZIONE, ID; IDF is
    // the article the row was read or picked with (0: not known).
    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }
    qint64 vehicleKey() const { return m_idm; }
    // The names offered in the article column.
    const QStringList &articleNames() const { return m_nomi; }

    // Handlers.
    void FormActivate();     // fills the vehicles and the article names
    void ComboBox1Change();  // another vehicle: its list is read again
    void CarTabella();       // reads the current vehicle's list
    void Button1Click();     // "Salva"
    void Button2Click();     // " - "
    void Button3Click();     // "Stampa"

    // Appends an empty row to the grid and makes it current, as moving past the last row does.
    void appendRow();
    // Ends an edit in progress, keeping what was typed.
    void postEdit();
    // Sets a cell as typing into it does (article names also set the description).
    void setCell(int row, const QString &field, const QVariant &value);

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool isBlankNewRow(int row) const;

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    CheckDelegate *m_delegate;
    qint64 m_idm = 0;
    QStringList m_nomi;                                  // article names, by name
    QHash<QString, QPair<qint64, QString>> m_articoli;   // name -> first article's key, description
};
