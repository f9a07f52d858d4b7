#pragma once
#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm {
class DBGrid;
class DropDownBox;
class GreyCheckBox;
class GridModel;
class GridTable;
class Query;
}  // namespace vlm

// The organisation's driving licences of the people of one state: filtered by licence state,
// by name and by whether they expire within 45 days; expiring rows yellow, expired ones red.
// A double click opens the licence dialog, "Scheda" the person's record, "Stampa" the
// printed list in the order the list statement has at that moment.
class TFoPatenti : public QDialog {
    Q_OBJECT
public:
    // livello: the digit of the opener, kept but not used by the list.
    explicit TFoPatenti(int livello, QWidget *parent = nullptr);
    ~TFoPatenti() override;

    int livello() const { return m_livello; }

    QLineEdit *Edit1;            // "Nome"
    vlm::DropDownBox *ComboBox1; // "Volontari" (person state)
    vlm::DropDownBox *ComboBox2; // "Patente" (licence state)
    vlm::GreyCheckBox *CheckBox3;// "In scadenza"
    QPushButton *Button1;        // "Scheda"
    QPushButton *Button2;        // "Stampa"
    vlm::DBGrid *DBGrid1;

    // NOME, ID, TIPO, ESAMEPATVLM, SCADPATVLM, NUMERO, ANNO, STATOPATVLM
    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }
    // The list statement: rebuilt by each refresh, its ordering changed by a title click.
    vlm::Query *SQL1() const { return m_sql.get(); }
    // The field the grid is sorted by ("NOME" until a title click chooses another).
    QString sortField() const { return m_sortField; }

    void FormCreate();        // fills the two drop-downs
    void FormShow();          // refresh
    void Refresh();
    void DBGrid1DblClick();   // the licence dialog of the current row
    void DBGrid1TitleClick(const QString &field);
    void Button1Click();      // "Scheda"
    void Button2Click();      // "Stampa"

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void bindFilters(vlm::Query &q) const;
    // Hides the list while a window opened from it is shown, then shows it again (which
    // refreshes it).
    template <class Fn> void stepAside(Fn fn);

    int m_livello;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    std::unique_ptr<vlm::Query> m_sql;
    QString m_sortField = QStringLiteral("NOME");
    bool m_away = false;
    QLabel *Label1, *Label2, *Label3;
};
