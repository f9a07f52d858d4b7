#pragma once
#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QLineF>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QImage;
class QPainter;
class QPrinter;
class QWidget;

// Printed sheets: an A4 portrait page made of bands (a title printed once at the top of
// the first page, column heads at the top of every page, a detail band per data row with
// optional child bands, a summary after the last row, a page footer at the bottom of every
// page) holding labels, data fields, system data, frames, lines and Code 39 barcodes.
//
// A sheet is laid out into pages first and the pages are painted afterwards, so the same
// layout goes to the print preview, the printer chosen there and a PDF file.
//
// Positions and sizes are in sheet units of 1/96 inch (the designer's pixels), measured
// from the top-left corner of the band (x from the left margin); margins are millimetres.
//
//   vlm::Report r(QStringLiteral("TQR2"), this);
//   r.setMargins(10);
//   r.title().setHeight(40);
//   r.title().addLabel("QRLabel1", {0, 0, 400, 30}, "Elenco Patenti", vlm::reportFont(14, true));
//   r.columnHeads().addLabel("QRLabel2", {0, 0, 200, 20}, "Nome", vlm::reportFont(10, true));
//   r.detail().addField("QRDBText1", {0, 0, 200, 20}, "NOME");
//   r.setQuery(&q);  // opened by the caller
//   r.preview(this);
namespace vlm {

class Query;
class GridTable;
class Report;

// The font of a sheet's texts: Arial of the given size in points.
QFont reportFont(double pointSize = 10, bool bold = false);

// Sheet units per millimetre, and the A4 page in sheet units.
constexpr double kUnitsPerMm = 96.0 / 25.4;

class ReportItem {
public:
    enum class Kind { Label, Field, SysData, Frame, Line, Barcode };
    enum class SysData { DateTime, Date, Time, PageNumber };

    Kind kind() const { return m_kind; }
    QString name() const { return m_name; }

    // A label's text; the prefix of system data; the fixed value of a barcode without column.
    void setText(const QString &t) { m_text = t; }
    QString text() const { return m_text; }
    // The data column of a field or a barcode.
    void setColumn(const QString &c) { m_column = c; }
    QString column() const { return m_column; }

    QRectF rect() const { return m_rect; }
    void setRect(const QRectF &r) { m_rect = r; }
    void setHeight(double h) { m_rect.setHeight(h); }
    void setWidth(double w) { m_rect.setWidth(w); }
    void moveTo(double left, double top) { m_rect.moveTo(left, top); }
    // The two ends of a line, relative to its band.
    QLineF line() const { return m_line; }
    void setLine(const QLineF &l) { m_line = l; }

    QFont font() const { return m_font; }
    void setFont(const QFont &f) { m_font = f; }
    Qt::Alignment alignment() const { return m_align; }
    void setAlignment(Qt::Alignment a) { m_align = a; }
    // Wrapped text: the item grows downwards to hold every line, and its band with it.
    bool wordWrap() const { return m_wrap; }
    void setWordWrap(bool w) { m_wrap = w; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool v) { m_visible = v; }
    double penWidth() const { return m_pen; }
    void setPenWidth(double w) { m_pen = w; }

    SysData sysData() const { return m_sys; }
    // The format of date and time system data (QDateTime::toString form).
    void setFormat(const QString &f) { m_format = f; }
    QString format() const { return m_format; }

private:
    friend class Band;
    friend class Report;
    ReportItem(Kind k, const QString &name) : m_kind(k), m_name(name) {}

    Kind m_kind;
    QString m_name, m_text, m_column, m_format;
    QRectF m_rect;
    QLineF m_line;
    QFont m_font = reportFont();
    Qt::Alignment m_align = Qt::AlignLeft | Qt::AlignTop;
    bool m_wrap = false;
    bool m_visible = true;
    double m_pen = 1;
    SysData m_sys = SysData::DateTime;
};

class Band {
public:
    enum class Type { Title, ColumnHeads, Detail, Child, Summary, PageFooter };

    QString name() const { return m_name; }
    Type type() const { return m_type; }

    // A band switched off is not printed (nor are its child bands).
    void setEnabled(bool e) { m_enabled = e; }
    bool isEnabled() const { return m_enabled; }
    void setHeight(double h) { m_height = h; }
    double height() const { return m_height; }
    // Lines drawn along the chosen sides of the band, across the printable width.
    void setFrame(Qt::Edges sides, double penWidth = 1)
    {
        m_frame = sides;
        m_framePen = penWidth;
    }
    Qt::Edges frame() const { return m_frame; }

    ReportItem *addLabel(const QString &name, const QRectF &r, const QString &text, const QFont &f = reportFont());
    ReportItem *addField(const QString &name, const QRectF &r, const QString &column, const QFont &f = reportFont());
    // Date and time of printing (or the page number), after the item's text as a prefix.
    ReportItem *addSysDate(const QString &name, const QRectF &r, const QFont &f = reportFont(),
                           const QString &format = QStringLiteral("dd/MM/yyyy hh:mm"));
    ReportItem *addPageNumber(const QString &name, const QRectF &r, const QFont &f = reportFont());
    ReportItem *addFrame(const QString &name, const QRectF &r, double penWidth = 1);
    ReportItem *addLine(const QString &name, const QLineF &l, double penWidth = 1);
    // Code 39 bars of a column's value (or of setText when the column is empty). Asterisks
    // around the value are the start and stop characters and are drawn as such.
    ReportItem *addBarcode(const QString &name, const QRectF &r, const QString &column);

    ReportItem *item(const QString &name) const;
    ReportItem *label(const QString &name) const { return item(name); }
    QList<ReportItem *> items() const;
    const QList<Band *> &children() const { return m_children; }

private:
    friend class Report;
    Band(Type t, const QString &name, double height) : m_type(t), m_name(name), m_height(height) {}
    ReportItem *add(ReportItem *it);

    Type m_type;
    QString m_name;
    double m_height;
    bool m_enabled = true;
    Qt::Edges m_frame;
    double m_framePen = 1;
    std::vector<std::unique_ptr<ReportItem>> m_items;
    QList<Band *> m_children;
};

// A laid-out page: the bands placed on it with the texts they print.
struct ReportPlacedItem {
    const ReportItem *item = nullptr;
    QRectF rect;         // on the page, sheet units
    QLineF line;         // for lines
    QString text;        // for texts and barcodes
    QList<QRectF> bars;  // for barcodes: the bars, on the page
};
struct ReportPlacedBand {
    const Band *band = nullptr;
    QRectF rect;
    QList<ReportPlacedItem> items;
};
struct ReportPage {
    QList<ReportPlacedBand> bands;
};

class Report : public QObject {
    Q_OBJECT
public:
    // className names the sheet ("TQR1"): it is the object name, the document name and the
    // name of the PDF written to VLM_REPORT_DIR.
    explicit Report(const QString &className, QObject *parent = nullptr);
    ~Report() override;

    QString className() const { return objectName(); }
    // The report title: the preview window's caption and the PDF's title.
    void setReportTitle(const QString &t) { m_title = t; }
    QString reportTitle() const { return m_title; }

    void setMargins(double mm) { setMargins(mm, mm, mm, mm); }
    void setMargins(double leftMm, double topMm, double rightMm, double bottomMm);
    // The A4 page and the printable area inside the margins, in sheet units.
    QSizeF pageSize() const;
    QRectF contentRect() const;

    Band &title() { return *m_titleBand; }
    Band &columnHeads() { return *m_heads; }
    Band &detail() { return *m_detail; }
    Band &summary() { return *m_summary; }
    Band &pageFooter() { return *m_footer; }
    // A band printed right after its parent, each time the parent prints.
    Band &addChild(Band &parent, const QString &name, double height = 20);
    Band *band(const QString &name) const;
    // An item of any band, by name; nullptr when none.
    ReportItem *item(const QString &name) const;
    ReportItem *label(const QString &name) const { return item(name); }

    // The data: the rows of a query opened by the caller (read from its current row to
    // its end, once), or the rows of a grid table. Without data the detail prints once.
    void setQuery(Query *q);
    void setTable(const GridTable *t);

    // Lays the sheet out now (reading the data); throws DbError for a column the data does
    // not have. The output calls below lay out themselves.
    const QList<ReportPage> &layout();
    int pageCount() { return layout().size(); }

    // The modal print preview; returns when it is closed. With VLM_REPORT_DIR set the
    // sheet is also written there as <class name>.pdf.
    void preview(QWidget *parent = nullptr);
    // Writes the sheet as a PDF file; false when the file cannot be written.
    bool toPdf(const QString &path);
    // Paints the laid-out pages on a printer (its page set to A4, full page).
    void print(QPrinter *printer);
    // One page as an image at the given resolution (white background).
    QImage renderPage(int index, double dpi = 96);

    // The bars of a Code 39 symbol for a value (asterisks around it are the start and stop
    // characters), as fractions 0..1 of the symbol's width; empty when the value cannot be
    // encoded.
    static QList<QPair<double, double>> code39Bars(const QString &value);

private:
    void readData();
    QString valueOf(const QString &column, int row) const;
    double bandHeight(const Band &b, int row) const;
    ReportPlacedBand place(const Band &b, int row, double top, int pageNo) const;
    void paintPage(QPainter &p, const ReportPage &page, double dpiX, double dpiY) const;
    void configure(QPrinter *printer) const;

    QString m_title;
    double m_ml = 10, m_mt = 10, m_mr = 10, m_mb = 10;
    std::vector<std::unique_ptr<Band>> m_bands;
    Band *m_titleBand, *m_heads, *m_detail, *m_summary, *m_footer;
    Query *m_query = nullptr;
    const GridTable *m_table = nullptr;
    bool m_dataRead = false;
    QList<QHash<QString, QString>> m_rows;  // the query's rows, column (upper case) -> text
    QStringList m_queryColumns;
    QList<ReportPage> m_pages;
    QDateTime m_printed;
};

}  // namespace vlm
