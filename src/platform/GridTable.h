#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QList>
#include <QStringList>
#include <QTableView>
#include <QVariant>
#include <functional>

// In-memory tables with fixed, typed fields that a list window fills from a query, the
// read-only model over them, and the grid that shows it.
namespace vlm {

class Query;

// The colour of a dated row's text by its weekday: Sunday green, Monday red, Tuesday blue,
// Wednesday navy, Thursday lime, Friday purple, Saturday fuchsia (black without a date).
QColor weekdayColor(const QDate &d);

enum class FieldType { Integer, Float, Date, DateTime, Time, Text };

struct GridField {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;  // Text: longer texts are cut to this size (0: no limit)
};

class GridTable {
public:
    GridTable() = default;
    GridTable &addField(const QString &name, FieldType type, int size = 0);
    GridTable &addText(const QString &name, int size) { return addField(name, FieldType::Text, size); }
    GridTable &addInt(const QString &name) { return addField(name, FieldType::Integer); }
    GridTable &addDate(const QString &name) { return addField(name, FieldType::Date); }

    int fieldCount() const { return m_fields.size(); }
    int fieldIndex(const QString &name) const;  // -1 when unknown
    const GridField &field(int i) const { return m_fields[i]; }
    const QList<GridField> &fields() const { return m_fields; }

    void empty() { m_rows.clear(); }
    int rowCount() const { return m_rows.size(); }
    // Appends an empty row and returns its index; set() then fills it (Append/FieldByName/Post).
    int append();
    // Stores a value converted to the field's type; a text is cut to the field's size.
    void set(int row, const QString &field, const QVariant &v);
    QVariant value(int row, const QString &field) const;
    QVariant valueAt(int row, int fieldIndex) const { return m_rows[row][fieldIndex]; }
    QString text(int row, const QString &field) const;  // display text (dates dd/mm/yyyy)
    qint64 integer(int row, const QString &field) const;

    // Sorts ascending by a field, stable; an unknown field leaves the order as it is.
    void sortBy(const QString &field);

    // Fills from a query: empties the table, then one row per query row with each listed
    // column copied into the field of the same position in `fields` (column -> field).
    // The query is opened by the caller and closed afterwards.
    void fillFrom(Query &q, const QList<QPair<QString, QString>> &columnToField);
    // Same with every field taken from the query column of the same name.
    void fillFrom(Query &q);

    static QString displayText(const QVariant &v, FieldType type);

private:
    QVariant convert(const QVariant &v, const GridField &f) const;
    QList<GridField> m_fields;
    QList<QList<QVariant>> m_rows;
};

// A column of a grid: its title and the field it shows.
struct GridColumn {
    QString title;
    QString field;
    int width = 0;
};

// Read-only, whole-row model over a grid table. Cell colours come from an optional
// callback (background and text colour by row and field).
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using ColorFn = std::function<QVariant(int row, const QString &field, int role)>;
    explicit GridModel(GridTable *table, QObject *parent = nullptr);

    void setColumns(const QList<GridColumn> &cols);
    const QList<GridColumn> &columns() const { return m_cols; }
    void setColorFn(ColorFn fn) { m_color = std::move(fn); }
    GridTable *table() const { return m_table; }
    // Tells the views that the table's rows changed.
    void refresh();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    GridTable *m_table;
    QList<GridColumn> m_cols;
    ColorFn m_color;
};

// The read-only grid: whole rows selected, a click on a column title sorts the table
// ascending by that column's field (each click sorts anew). A window may map a title to
// another field with setSortField, or take over the click with setTitleClick.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);
    void setGridModel(GridModel *m);
    GridModel *gridModel() const { return m_model; }
    int currentRow() const;  // -1 when none
    void setCurrentRow(int row);
    void setSortField(const QString &title, const QString &field) { m_sortMap.insert(title, field); }
    void setTitleClick(std::function<void(const QString &field)> fn) { m_titleClick = std::move(fn); }
    // Sorts as a click on the column's title does.
    void clickTitle(int column);

Q_SIGNALS:
    void rowDoubleClicked(int row);

private:
    GridModel *m_model = nullptr;
    QHash<QString, QString> m_sortMap;
    std::function<void(const QString &)> m_titleClick;
};

}  // namespace vlm
