#include "platform/GridTable.h"
#include "platform/Convert.h"
#include "platform/Db.h"
#include "platform/Guard.h"

#include <QHeaderView>
#include <QTime>
#include <algorithm>

namespace vlm {

QColor weekdayColor(const QDate &d)
{
    if (!d.isValid()) return QColor(Qt::black);
    switch (dayOfWeek(d)) {
    case 1: return QColor(0, 128, 0);
    case 2: return QColor(255, 0, 0);
    case 3: return QColor(0, 0, 255);
    case 4: return QColor(0, 0, 128);
    case 5: return QColor(0, 255, 0);
    case 6: return QColor(128, 0, 128);
    default: return QColor(255, 0, 255);
    }
}

GridTable &GridTable::addField(const QString &name, FieldType type, int size)
{
    m_fields.append(GridField{name, type, size});
    for (auto &r : m_rows) r.append(QVariant());
    return *this;
}

int GridTable::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int GridTable::append()
{
    m_rows.append(QList<QVariant>(m_fields.size()));
    return m_rows.size() - 1;
}

QVariant GridTable::convert(const QVariant &v, const GridField &f) const
{
    if (v.isNull() || !v.isValid()) return QVariant();
    switch (f.type) {
    case FieldType::Integer: {
        bool ok = false;
        const qlonglong n = v.toString().trimmed().toLongLong(&ok);
        if (ok) return n;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok) return qlonglong(d);
        throw DbError(QStringLiteral("'%1' non è un valore intero valido").arg(v.toString()));
    }
    case FieldType::Float: return v.toDouble();
    case FieldType::Date:
        if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().date();
        if (v.typeId() == QMetaType::QString) {
            QDate d = QDate::fromString(v.toString().left(10), QStringLiteral("dd/MM/yyyy"));
            if (!d.isValid()) d = QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
            return d.isValid() ? QVariant(d) : QVariant();
        }
        return v.toDate();
    case FieldType::DateTime:
        if (v.typeId() == QMetaType::QDate) return v.toDate().startOfDay();
        return v.toDateTime();
    case FieldType::Time:
        if (v.typeId() == QMetaType::QTime) return v;
        return QTime::fromString(v.toString(), QStringLiteral("hh:mm:ss"));
    case FieldType::Text: {
        QString s = v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                  : v.typeId() == QMetaType::QTime ? v.toTime().toString(QStringLiteral("hh:mm:ss"))
                                                   : v.toString();
        if (f.size > 0 && s.size() > f.size) s.truncate(f.size);
        return s;
    }
    }
    return v;
}

void GridTable::set(int row, const QString &field, const QVariant &v)
{
    const int i = fieldIndex(field);
    if (i < 0) throw DbError(QStringLiteral("Campo '%1' non trovato").arg(field));
    m_rows[row][i] = convert(v, m_fields[i]);
}

QVariant GridTable::value(int row, const QString &field) const
{
    const int i = fieldIndex(field);
    if (i < 0 || row < 0 || row >= m_rows.size()) return QVariant();
    return m_rows[row][i];
}

QString GridTable::displayText(const QVariant &v, FieldType type)
{
    if (v.isNull() || !v.isValid()) return QString();
    switch (type) {
    case FieldType::Date: return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case FieldType::DateTime: {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.date().toString(QStringLiteral("dd/MM/yyyy"))
                                        : dt.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    }
    case FieldType::Time: return v.toTime().toString(QStringLiteral("hh:mm:ss"));
    default: return v.toString();
    }
}

QString GridTable::text(int row, const QString &field) const
{
    const int i = fieldIndex(field);
    if (i < 0 || row < 0 || row >= m_rows.size()) return QString();
    return displayText(m_rows[row][i], m_fields[i].type);
}

qint64 GridTable::integer(int row, const QString &field) const { return value(row, field).toLongLong(); }

static int compareValues(const QVariant &a, const QVariant &b, FieldType t)
{
    const bool an = a.isNull() || !a.isValid(), bn = b.isNull() || !b.isValid();
    if (an || bn) return an == bn ? 0 : (an ? -1 : 1);  // empty values first
    switch (t) {
    case FieldType::Integer: return a.toLongLong() < b.toLongLong() ? -1 : a.toLongLong() > b.toLongLong();
    case FieldType::Float: return a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble();
    case FieldType::Date: return a.toDate() < b.toDate() ? -1 : a.toDate() > b.toDate();
    case FieldType::DateTime: return a.toDateTime() < b.toDateTime() ? -1 : a.toDateTime() > b.toDateTime();
    case FieldType::Time: return a.toTime() < b.toTime() ? -1 : a.toTime() > b.toTime();
    case FieldType::Text: return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    }
    return 0;
}

void GridTable::sortBy(const QString &field)
{
    const int i = fieldIndex(field);
    if (i < 0) return;
    const FieldType t = m_fields[i].type;
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [i, t](const QList<QVariant> &a, const QList<QVariant> &b) { return compareValues(a[i], b[i], t) < 0; });
}

void GridTable::fillFrom(Query &q, const QList<QPair<QString, QString>> &columnToField)
{
    empty();
    // Column and field positions are looked up once, not for every row.
    QList<QPair<int, int>> map;
    for (const auto &cf : columnToField) {
        const int c = q.fieldIndex(cf.first);
        if (c < 0) throw DbError(QStringLiteral("Campo '%1' non trovato").arg(cf.first));
        const int f = fieldIndex(cf.second);
        if (f < 0) throw DbError(QStringLiteral("Campo '%1' non trovato").arg(cf.second));
        map.append({c, f});
    }
    m_rows.reserve(q.rowCount());
    for (; !q.eof(); q.next()) {
        QList<QVariant> row(m_fields.size());
        for (const auto &cf : map) row[cf.second] = convert(q.valueAt(cf.first), m_fields[cf.second]);
        m_rows.append(std::move(row));
    }
}

void GridTable::fillFrom(Query &q)
{
    QList<QPair<QString, QString>> map;
    for (const auto &f : m_fields)
        if (q.hasField(f.name)) map.append({f.name, f.name});
    fillFrom(q, map);
}

// ---------------------------------------------------------------- model

GridModel::GridModel(GridTable *table, QObject *parent) : QAbstractTableModel(parent), m_table(table) {}

void GridModel::setColumns(const QList<GridColumn> &cols)
{
    beginResetModel();
    m_cols = cols;
    endResetModel();
}

void GridModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_table->rowCount(); }
int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_cols.size(); }

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_table->rowCount() || index.column() >= m_cols.size()) return QVariant();
    const QString &field = m_cols[index.column()].field;
    if (role == Qt::DisplayRole) return m_table->text(index.row(), field);
    if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && m_color) return m_color(index.row(), field, role);
    return QVariant();
}

QVariant GridModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section < m_cols.size()) return m_cols[section].title;
    return QAbstractTableModel::headerData(section, o, role);
}

// ---------------------------------------------------------------- grid

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) { guard([&] { clickTitle(c); }); });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { Q_EMIT rowDoubleClicked(i.row()); });
}

void DBGrid::setGridModel(GridModel *m)
{
    m_model = m;
    setModel(m);
    for (int i = 0; i < m->columns().size(); ++i)
        if (m->columns()[i].width > 0) setColumnWidth(i, m->columns()[i].width);
}

int DBGrid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void DBGrid::setCurrentRow(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount()) return;
    setCurrentIndex(m_model->index(row, 0));
    selectRow(row);
}

void DBGrid::clickTitle(int column)
{
    if (!m_model || column < 0 || column >= m_model->columns().size()) return;
    const GridColumn &c = m_model->columns()[column];
    const QString field = m_sortMap.value(c.title, c.field);
    if (m_titleClick) {
        m_titleClick(field);
        return;
    }
    m_model->table()->sortBy(field);
    m_model->refresh();
    setCurrentRow(0);
}

}  // namespace vlm
