#pragma once
#include <QDialog>
#include <QStringList>
#include <QTableView>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTime;
namespace vlm {
class GridTable;
class MaskEdit;
}  // namespace vlm
class SlotModel;

// The editable grid of the slots.
class SlotGrid : public QTableView {
    Q_OBJECT
public:
    explicit SlotGrid(QWidget *parent = nullptr);
    // Writes what is being typed into a cell to the slot table and ends the editing.
    void commitEdits();
};

// One visit of a specialist and its appointment slots: generates the slots over the
// visit's times, books people into them, copies the visit to another day and prints the
// appointment sheet.
class TFoAppunta : public QDialog {
    Q_OBJECT
public:
    explicit TFoAppunta(QWidget *parent = nullptr);
    ~TFoAppunta() override;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QComboBox *ComboBox1;      // "Medico"
    QComboBox *ComboBox2;      // "Stanza"
    vlm::MaskEdit *MaskEdit1;  // "Data"
    vlm::MaskEdit *MaskEdit2;  // "Dalle"
    vlm::MaskEdit *MaskEdit3;  // "Alle"
    QLineEdit *Edit1;          // "Ogni" ... "Min."
    QPlainTextEdit *Memo1;     // "Note"
    SlotGrid *DBGrid1;         // "Appuntamenti": ORA, NOME, TELEFONO, NOTE
    QPushButton *Button1;      // "Genera"
    QPushButton *Button2;      // "Salva"
    QPushButton *Button3;      // "Copia"
    QPushButton *Button4;      // "Stampa"

    // The visit edited; 0 for a new one (and after "Copia").
    qint64 visitId() const { return m_visitId; }
    void setVisitId(qint64 id) { m_visitId = id; }
    // Set when the user changes a slot in the grid; cleared on loading and after saving.
    bool edited() const { return m_edited; }
    // The slots shown; closed (no rows, nothing to save) after "Copia".
    vlm::GridTable *table() const { return m_table; }
    bool tableOpen() const { return m_tableOpen; }

    void FormActivate();  // loads the visit and its slots
    void CarTabella();    // loads the slots of the visit
    void Button1Click();  // "Genera"
    void Button2Click();  // "Salva"
    void Button3Click();  // "Copia"
    void Button4Click();  // "Stampa"

    // The start times of the slots from start to end (the end included when it falls on a
    // step), every `minutes` minutes, as hh:mm texts.
    static QStringList slotTimes(const QTime &start, const QTime &end, int minutes);
    // A time typed into a time box ("hh:mm"); throws the conversion error otherwise.
    static QTime strToTime(const QString &text);
    // The length of a slot typed into "Ogni": whole minutes from 1 to 59; throws otherwise.
    static int slotLength(const QString &text);

    void done(int r) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    friend class SlotModel;
    void markEdited() { m_edited = true; }
    bool save();  // false when it stopped before the end

    vlm::GridTable *m_table;
    SlotModel *m_model;
    qint64 m_visitId = 0;
    bool m_edited = false;
    bool m_tableOpen = true;
    bool m_loaded = false;
};
