#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace vlm { class DBGrid; class DropDownBox; class GridModel; class GridTable; }

// The register of blood donors: the list filtered by status, blood group, name and sex,
// each row coloured by the donor's last donation, the record of a donor opened by a
// double click (or "Nuovo" for a new one), and the check of the stored donors against the
// donor master-data file ("Import Anagrafiche"), the import of the donations exported by
// the booking agenda ("Import Donazioni") and the printed list ("Stampa"). Opened with the donors digit, which it
// hands on to every record it opens.
class TFoEleDon : public QDialog {
    Q_OBJECT
public:
    explicit TFoEleDon(QWidget *parent = nullptr);
    ~TFoEleDon() override;

    void setLivello(int digit) { m_livello = digit; }
    int livello() const { return m_livello; }

    vlm::DBGrid *DBGrid1;
    vlm::DropDownBox *ComboBox1;  // "Stato"
    vlm::DropDownBox *ComboBox2;  // "Gruppo Sanguigno"
    QLineEdit *Edit1;             // "Nome"
    QComboBox *ComboBox3;         // "Sesso"
    QPushButton *Button1;         // "Nuovo"
    QPushButton *Button2;         // "Import Anagrafiche"
    QPushButton *Button3;         // "Import Donazioni"
    QPushButton *Button4;         // "Stampa"
    QLabel *Label5;               // number of rows listed

    vlm::GridTable *table() const { return m_table; }
    vlm::GridModel *model() const { return m_model; }
    // The text of the last list query, as it was sent.
    QString lastSql() const { return m_lastSql; }

    void FormShow();
    void FormActivate();
    void CarElenco();       // builds the list from the filters
    void DBGrid1DblClick();
    void Button1Click();    // "Nuovo"
    void Button2Click();    // "Import Anagrafiche"
    // The check of the stored donors against the lines of a master-data file.
    void importAnagrafiche(const QStringList &lines);
    void Button3Click();    // "Import Donazioni"
    void Button4Click();    // "Stampa"
    // Adds the donations of the booking agenda's export lines; returns how many were added.
    int importDonazioni(const QStringList &lines);

    // Background of a row: yellow, red or aqua by the last donation, none otherwise.
    QVariant rowColor(int row) const;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void setVisible(bool visible) override;

private:
    void openRecord(qint64 id, const QString &caption);

    int m_livello = 0;
    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    QString m_lastSql;
    bool m_editing = false;  // hidden while the record of a donor is open
};
