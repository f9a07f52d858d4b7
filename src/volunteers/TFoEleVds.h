#pragma once
#include <QDate>
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm { class DBGrid; class DropDownBox; class GridModel; class GridTable; class MaskEdit; class Query; }

// The register of every person of table volontari (volunteers, staff, users): one row per
// person with the date of his last activity of any kind (transport service, clock-in,
// event, shift), coloured when he has not been active for a month or for four months,
// filtered by state, name, role, qualification (with the date of the last exam for it)
// and interest. A double click opens the person's record, "Nuovo" the record of a new
// person. Opened with the volunteers digit, which it hands on to every record it opens.
class TFoEleVds : public QDialog {
    Q_OBJECT
public:
    explicit TFoEleVds(QWidget *parent = nullptr);
    ~TFoEleVds() override;

    void setLivello(int digit) { m_livello = digit; }
    int livello() const { return m_livello; }

    vlm::DBGrid *DBGrid1;
    vlm::DropDownBox *cbStato;     // "Stato"
    vlm::DropDownBox *CB1;         // "Livello " (the role)
    QLineEdit *Edit1;              // "Nome"
    vlm::DropDownBox *ComboBox1;   // "Titolo"
    vlm::MaskEdit *MaskEdit1;      // "Data Esame <"
    QComboBox *ComboBox2;          // "Interessi"
    QCheckBox *CheckBox2;          // "No"
    QLabel *Label6;                // number of rows listed
    QPushButton *Button1;          // "Nuovo"
    QPushButton *Button2;          // "Import"
    QPushButton *Button3;          // "Export (Google)"
    QPushButton *Button4;          // "Invio Mail"
    QPushButton *Button5;          // "Stampa"

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }
    // The where part of the last list statement (empty without filters); its values are
    // named parameters that bindFilter() binds on another statement using the clause.
    QString filterClause() const { return m_filtro; }
    void bindFilter(vlm::Query &q) const;
    // The text of the last list statement, as it was sent.
    QString lastSql() const { return m_lastSql; }

    void FormShow();
    void FormActivate();    // refills the drop-downs, sets the exam date limit
    void Aggiorna();        // builds the list from the filters
    void DBGrid1DblClick();
    void Button1Click();    // "Nuovo"

    // Background of a row by its last activity: yellow after 31 days, red after 120.
    QVariant rowColor(int row) const;

    // The zero date of the date system, the last activity of someone never active.
    static QDate zeroDate() { return QDate(1899, 12, 30); }

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void setVisible(bool visible) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void openRecord(qint64 id, const QString &caption);

    int m_livello = 0;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    QString m_filtro;
    QString m_lastSql;
    // The values of the filter clause's parameters.
    QString m_stato, m_nome, m_ruolo, m_titolo;
    bool m_editing = false;  // hidden while the record of a person is open
};
