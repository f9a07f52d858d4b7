#pragma once
#include <QDialog>

class QLabel;
namespace vlm { class DBGrid; class DropDownBox; class GridModel; class GridTable; class MaskEdit; }

// The donations of a period, narrowed by blood group, sex and donation type, with their
// number. Built again when a date box is left, a drop-down changes or a column title is
// clicked (which makes that column the order of the list).
class TFoRepDon : public QDialog {
    Q_OBJECT
public:
    explicit TFoRepDon(QWidget *parent = nullptr);
    ~TFoRepDon() override;

    vlm::DBGrid *DBGrid1;
    vlm::MaskEdit *MaskEdit1;     // "Dal"
    vlm::MaskEdit *MaskEdit2;     // "Al"
    vlm::DropDownBox *ComboBox1;  // "Gruppo Sanguigno"
    vlm::DropDownBox *ComboBox2;  // "Sesso"
    vlm::DropDownBox *ComboBox3;  // "Tipo"
    QLabel *Label6;               // "Donazioni"
    QLabel *Label7;               // number of donations listed

    // The period as date texts dd/mm/yyyy.
    void setPeriodo(const QString &dal, const QString &al);
    // The column the list is ordered by.
    void setOrdine(const QString &field) { m_ordine = field; }
    QString ordine() const { return m_ordine; }

    vlm::GridTable *table() const { return m_table; }
    // The text of the last report query, as it was sent.
    QString lastSql() const { return m_lastSql; }

    void FormShow();
    void CarReport();  // builds the list from the period and the filters

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    QString m_ordine = QStringLiteral("Data");
    QString m_lastSql;
};
