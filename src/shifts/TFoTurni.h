#pragma once
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QPushButton;
namespace vlm {
class DBGrid;
class GridModel;
class GridTable;
}

// The shift roster: every row of Turni, or the rows of the day chosen in the drop-down,
// and the import of the monthly shift sheet (comma-separated text) through TurniTmp.
class TFoTurni : public QDialog {
    Q_OBJECT
public:
    explicit TFoTurni(QWidget *parent = nullptr);
    ~TFoTurni() override;

    vlm::DBGrid *DBGrid1;
    QCheckBox *CheckBox1;   // "Sovrascrivere"
    QPushButton *Button1;   // "Import"
    QComboBox *ComboBox1;   // day of the roster (empty: every day)

    vlm::GridTable *table() const { return m_table; }

    void FormShow();
    void Button1Click();
    void ComboBox1Change();
    // Builds the roster view from Turni for the day in the drop-down (every day when empty).
    void CarTabella();
    // Loads a sheet file into TurniTmp and from there into Turni.
    void importa(const QString &fileName);

    // Pieces of the sheet's reading, used by the import.
    // "8" -> "08:00", "14" -> "14:00", "8:30" stays.
    static QString oraNormale(const QString &part);
    // An hours cell "start-end" -> {start, end}; no dash: empty start, end its first five characters.
    static QPair<QString, QString> orario(const QString &cell);
    // The month "01".."12" named in the title (the last name found in calendar order), empty when none.
    static QString meseDaTitolo(const QString &title);
    // The year: the right-most blank-separated word that reads as a number above 0, empty when none.
    static QString annoDaTitolo(const QString &title);
    // A text as a single-quoted SQL string literal (quotes and backslashes escaped).
    static QString letterale(const QString &text);

protected:
    void showEvent(QShowEvent *e) override;

private:
    qint64 cercaVolontario(const QString &cell);

    vlm::GridTable *m_table;
    vlm::GridModel *m_model;
    bool m_filling = false;
    QString m_shown;  // the day the view was built for
};
