#include "platform/Report.h"

#include "platform/Db.h"
#include "platform/Env.h"
#include "platform/GridTable.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <QtMath>
#include <zint.h>

namespace vlm {

namespace {

const QSizeF kA4Mm(210.0, 297.0);

// Texts are measured on an image of 96 dots per inch, where one dot is one sheet unit.
const QImage &measureDevice()
{
    static const QImage img = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(96.0 / 0.0254));
        i.setDotsPerMeterY(qRound(96.0 / 0.0254));
        return i;
    }();
    return img;
}

int textFlags(const ReportItem &it)
{
    int f = int(it.alignment());
    if (it.wordWrap()) f |= Qt::TextWordWrap;
    else f |= Qt::TextSingleLine | Qt::TextDontClip;
    return f;
}

bool isText(const ReportItem &it)
{
    return it.kind() == ReportItem::Kind::Label || it.kind() == ReportItem::Kind::Field ||
           it.kind() == ReportItem::Kind::SysData;
}

}  // namespace

QFont reportFont(double pointSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

// ------------------------------------------------------------------ bands

ReportItem *Band::add(ReportItem *it)
{
    m_items.emplace_back(it);
    return it;
}

ReportItem *Band::addLabel(const QString &name, const QRectF &r, const QString &text, const QFont &f)
{
    auto *it = new ReportItem(ReportItem::Kind::Label, name);
    it->m_rect = r;
    it->m_text = text;
    it->m_font = f;
    return add(it);
}

ReportItem *Band::addField(const QString &name, const QRectF &r, const QString &column, const QFont &f)
{
    auto *it = new ReportItem(ReportItem::Kind::Field, name);
    it->m_rect = r;
    it->m_column = column;
    it->m_font = f;
    return add(it);
}

ReportItem *Band::addSysDate(const QString &name, const QRectF &r, const QFont &f, const QString &format)
{
    auto *it = new ReportItem(ReportItem::Kind::SysData, name);
    it->m_rect = r;
    it->m_font = f;
    it->m_format = format;
    it->m_sys = ReportItem::SysData::DateTime;
    return add(it);
}

ReportItem *Band::addPageNumber(const QString &name, const QRectF &r, const QFont &f)
{
    auto *it = new ReportItem(ReportItem::Kind::SysData, name);
    it->m_rect = r;
    it->m_font = f;
    it->m_sys = ReportItem::SysData::PageNumber;
    return add(it);
}

ReportItem *Band::addFrame(const QString &name, const QRectF &r, double penWidth)
{
    auto *it = new ReportItem(ReportItem::Kind::Frame, name);
    it->m_rect = r;
    it->m_pen = penWidth;
    return add(it);
}

ReportItem *Band::addLine(const QString &name, const QLineF &l, double penWidth)
{
    auto *it = new ReportItem(ReportItem::Kind::Line, name);
    it->m_line = l;
    it->m_rect = QRectF(l.p1(), l.p2()).normalized();
    it->m_pen = penWidth;
    return add(it);
}

ReportItem *Band::addBarcode(const QString &name, const QRectF &r, const QString &column)
{
    auto *it = new ReportItem(ReportItem::Kind::Barcode, name);
    it->m_rect = r;
    it->m_column = column;
    return add(it);
}

ReportItem *Band::item(const QString &name) const
{
    for (const auto &it : m_items)
        if (it->name() == name) return it.get();
    return nullptr;
}

QList<ReportItem *> Band::items() const
{
    QList<ReportItem *> out;
    for (const auto &it : m_items) out << it.get();
    return out;
}

// ------------------------------------------------------------------ report

Report::Report(const QString &className, QObject *parent) : QObject(parent)
{
    setObjectName(className);
    auto make = [this](Band::Type t, const QString &name, double h) {
        m_bands.emplace_back(new Band(t, name, h));
        return m_bands.back().get();
    };
    m_titleBand = make(Band::Type::Title, QStringLiteral("TitleBand1"), 40);
    m_heads = make(Band::Type::ColumnHeads, QStringLiteral("ColumnHeaderBand1"), 24);
    m_detail = make(Band::Type::Detail, QStringLiteral("DetailBand1"), 20);
    m_summary = make(Band::Type::Summary, QStringLiteral("SummaryBand1"), 30);
    m_footer = make(Band::Type::PageFooter, QStringLiteral("PageFooterBand1"), 20);
    // Bands without items print nothing and take no room until a sheet gives them content.
    m_titleBand->setHeight(0);
    m_heads->setHeight(0);
    m_summary->setHeight(0);
    m_footer->setHeight(0);
    m_footer->setEnabled(false);
}

Report::~Report() = default;

void Report::setMargins(double leftMm, double topMm, double rightMm, double bottomMm)
{
    m_ml = leftMm;
    m_mt = topMm;
    m_mr = rightMm;
    m_mb = bottomMm;
}

QSizeF Report::pageSize() const { return kA4Mm * kUnitsPerMm; }

QRectF Report::contentRect() const
{
    const QSizeF s = pageSize();
    return QRectF(m_ml * kUnitsPerMm, m_mt * kUnitsPerMm, s.width() - (m_ml + m_mr) * kUnitsPerMm,
                  s.height() - (m_mt + m_mb) * kUnitsPerMm);
}

Band &Report::addChild(Band &parent, const QString &name, double height)
{
    m_bands.emplace_back(new Band(Band::Type::Child, name, height));
    parent.m_children << m_bands.back().get();
    return *m_bands.back();
}

Band *Report::band(const QString &name) const
{
    for (const auto &b : m_bands)
        if (b->name() == name) return b.get();
    return nullptr;
}

ReportItem *Report::item(const QString &name) const
{
    for (const auto &b : m_bands)
        if (ReportItem *it = b->item(name)) return it;
    return nullptr;
}

void Report::setQuery(Query *q)
{
    m_query = q;
    m_table = nullptr;
    m_dataRead = false;
    m_rows.clear();
    m_queryColumns.clear();
}

void Report::setTable(const GridTable *t)
{
    m_table = t;
    m_query = nullptr;
    m_dataRead = false;
    m_rows.clear();
    m_queryColumns.clear();
}

void Report::readData()
{
    if (m_dataRead || !m_query) return;
    if (!m_query->isOpen()) m_query->open();
    m_queryColumns = m_query->fieldNames();
    for (QString &c : m_queryColumns) c = c.toUpper();
    while (!m_query->eof()) {
        QHash<QString, QString> row;
        for (const QString &c : m_queryColumns) row.insert(c, m_query->str(c));
        m_rows << row;
        m_query->next();
    }
    m_dataRead = true;
}

QString Report::valueOf(const QString &column, int row) const
{
    if (row < 0 || column.isEmpty()) return QString();
    if (m_query) return m_rows.value(row).value(column.toUpper());
    if (m_table) return m_table->text(row, column);
    return QString();
}

double Report::bandHeight(const Band &b, int row) const
{
    double h = b.height();
    for (const auto &it : b.m_items) {
        if (!it->isVisible() || !isText(*it) || !it->wordWrap()) continue;
        const QString text = it->kind() == ReportItem::Kind::Field ? valueOf(it->column(), row) : it->text();
        QFontMetricsF fm(it->font(), &measureDevice());
        const double need =
            fm.boundingRect(QRectF(0, 0, it->rect().width(), 1e6), textFlags(*it), text).height();
        // The band grows with the item and keeps the room it had below it.
        const double below = std::max(0.0, b.height() - it->rect().bottom());
        h = std::max(h, it->rect().top() + std::max(it->rect().height(), need) + below);
    }
    return h;
}

ReportPlacedBand Report::place(const Band &b, int row, double top, int pageNo) const
{
    ReportPlacedBand pb;
    pb.band = &b;
    const QRectF content = contentRect();
    pb.rect = QRectF(content.left(), top, content.width(), bandHeight(b, row));
    const QPointF origin(content.left(), top);
    for (const auto &itp : b.m_items) {
        const ReportItem &it = *itp;
        if (!it.isVisible()) continue;
        ReportPlacedItem pi;
        pi.item = &it;
        pi.rect = it.rect().translated(origin);
        switch (it.kind()) {
        case ReportItem::Kind::Label: pi.text = it.text(); break;
        case ReportItem::Kind::Field: pi.text = valueOf(it.column(), row); break;
        case ReportItem::Kind::SysData:
            pi.text = it.text() + (it.sysData() == ReportItem::SysData::PageNumber
                                       ? QString::number(pageNo)
                                       : m_printed.toString(it.format()));
            break;
        case ReportItem::Kind::Line: pi.line = it.line().translated(origin); break;
        case ReportItem::Kind::Frame: break;
        case ReportItem::Kind::Barcode: {
            pi.text = it.column().isEmpty() ? it.text() : valueOf(it.column(), row);
            for (const auto &[x, w] : code39Bars(pi.text))
                pi.bars << QRectF(pi.rect.left() + x * pi.rect.width(), pi.rect.top(), w * pi.rect.width(),
                                  pi.rect.height());
            break;
        }
        }
        if (isText(it) && it.wordWrap()) {
            QFontMetricsF fm(it.font(), &measureDevice());
            const double need =
                fm.boundingRect(QRectF(0, 0, it.rect().width(), 1e6), textFlags(it), pi.text).height();
            if (need > pi.rect.height()) pi.rect.setHeight(need);
        }
        pb.items << pi;
    }
    return pb;
}

const QList<ReportPage> &Report::layout()
{
    readData();
    // Every column a field or a barcode names must be in the data.
    if (m_query || m_table) {
        for (const auto &b : m_bands) {
            for (const auto &it : b->m_items) {
                if (it->column().isEmpty()) continue;
                if (it->kind() != ReportItem::Kind::Field && it->kind() != ReportItem::Kind::Barcode) continue;
                const bool known = m_query ? m_queryColumns.contains(it->column().toUpper())
                                           : m_table->fieldIndex(it->column()) >= 0;
                if (!known) throw DbError(QStringLiteral("Campo '%1' non trovato").arg(it->column()));
            }
        }
    }

    m_printed = QDateTime::currentDateTime();
    m_pages.clear();
    const QRectF content = contentRect();
    const int rows = m_query ? int(m_rows.size()) : m_table ? m_table->rowCount() : -1;
    const double footerH = m_footer->isEnabled() ? m_footer->height() : 0;
    const double bottom = content.bottom() - footerH;

    ReportPage page;
    double y = content.top();
    bool body = false;  // something beside the title and the heads is on the page

    auto putNoBreak = [&](const Band &b, int row) {
        ReportPlacedBand pb = place(b, row, y, int(m_pages.size()) + 1);
        y += pb.rect.height();
        page.bands << pb;
    };
    auto beginPage = [&](int row) {
        page = ReportPage();
        y = content.top();
        body = false;
        auto withChildren = [&](const Band &b) {
            if (!b.isEnabled()) return;
            putNoBreak(b, row);
            for (const Band *c : b.children())
                if (c->isEnabled()) putNoBreak(*c, row);
        };
        if (m_pages.isEmpty()) withChildren(*m_titleBand);
        withChildren(*m_heads);
    };
    auto endPage = [&](int row) {
        if (m_footer->isEnabled()) {
            y = bottom;
            putNoBreak(*m_footer, row);
        }
        m_pages << page;
    };
    auto put = [&](const Band &b, int row) {
        if (!b.isEnabled()) return;
        auto one = [&](const Band &band) {
            const double h = bandHeight(band, row);
            if (body && y + h > bottom + 0.01) {
                endPage(row);
                beginPage(row);
            }
            putNoBreak(band, row);
            body = true;
        };
        one(b);
        for (const Band *c : b.children())
            if (c->isEnabled()) one(*c);
    };

    beginPage(rows > 0 ? 0 : -1);
    if (rows < 0) put(*m_detail, -1);
    for (int r = 0; r < rows; ++r) put(*m_detail, r);
    const int last = rows > 0 ? rows - 1 : -1;
    put(*m_summary, last);
    endPage(last);
    return m_pages;
}

QList<QPair<double, double>> Report::code39Bars(const QString &value)
{
    QString data = value;
    if (data.size() >= 2 && data.startsWith(QLatin1Char('*')) && data.endsWith(QLatin1Char('*')))
        data = data.mid(1, data.size() - 2);  // the start and stop characters; the encoder adds them
    QList<QPair<double, double>> bars;
    if (data.isEmpty()) return bars;
    const QByteArray bytes = data.toUtf8();
    zint_symbol *s = ZBarcode_Create();
    if (!s) return bars;
    s->symbology = BARCODE_CODE39;
    s->show_hrt = 0;
    s->whitespace_width = 0;
    s->border_width = 0;
    s->output_options |= BARCODE_NO_QUIET_ZONES;
    int err = ZBarcode_Encode(s, reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
    if (err < ZINT_ERROR) err = ZBarcode_Buffer_Vector(s, 0);
    if (err < ZINT_ERROR && s->vector && s->vector->width > 0) {
        const double w = s->vector->width;
        for (zint_vector_rect *r = s->vector->rectangles; r; r = r->next)
            if (r->colour == -1) bars.append({r->x / w, r->width / w});
        std::sort(bars.begin(), bars.end());
    }
    ZBarcode_Delete(s);
    return bars;
}

void Report::paintPage(QPainter &p, const ReportPage &page, double dpiX, double dpiY) const
{
    const double fx = dpiX / 96.0, fy = dpiY / 96.0;
    auto dev = [&](const QRectF &r) { return QRectF(r.left() * fx, r.top() * fy, r.width() * fx, r.height() * fy); };
    auto pen = [&](double w) {
        QPen pn(Qt::black);
        pn.setWidthF(std::max(w * fx, 1.0));
        return pn;
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const ReportPlacedBand &pb : page.bands) {
        const Qt::Edges fr = pb.band->frame();
        if (fr) {
            p.setPen(pen(pb.band->m_framePen));
            const QRectF r = dev(pb.rect);
            if (fr & Qt::TopEdge) p.drawLine(r.topLeft(), r.topRight());
            if (fr & Qt::BottomEdge) p.drawLine(r.bottomLeft(), r.bottomRight());
            if (fr & Qt::LeftEdge) p.drawLine(r.topLeft(), r.bottomLeft());
            if (fr & Qt::RightEdge) p.drawLine(r.topRight(), r.bottomRight());
        }
        for (const ReportPlacedItem &pi : pb.items) {
            const ReportItem &it = *pi.item;
            switch (it.kind()) {
            case ReportItem::Kind::Label:
            case ReportItem::Kind::Field:
            case ReportItem::Kind::SysData:
                if (pi.text.isEmpty()) break;
                p.setPen(Qt::black);
                p.setFont(it.font());  // point sizes follow the device's own resolution
                p.drawText(dev(pi.rect), textFlags(it), pi.text);
                break;
            case ReportItem::Kind::Frame:
                p.setPen(pen(it.penWidth()));
                p.setBrush(Qt::NoBrush);
                p.drawRect(dev(pi.rect));
                break;
            case ReportItem::Kind::Line:
                p.setPen(pen(it.penWidth()));
                p.drawLine(QPointF(pi.line.x1() * fx, pi.line.y1() * fy), QPointF(pi.line.x2() * fx, pi.line.y2() * fy));
                break;
            case ReportItem::Kind::Barcode:
                for (const QRectF &bar : pi.bars) p.fillRect(dev(bar), Qt::black);
                break;
            }
        }
    }
    p.restore();
}

void Report::configure(QPrinter *printer) const
{
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer->setFullPage(true);
    printer->setDocName(m_title.isEmpty() ? className() : m_title);
}

void Report::print(QPrinter *printer)
{
    QPainter p;
    if (!p.begin(printer)) return;
    const double dx = printer->logicalDpiX(), dy = printer->logicalDpiY();
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0) printer->newPage();
        paintPage(p, m_pages[i], dx, dy);
    }
    p.end();
}

static bool writePdf(const QString &path, const QString &title, const QList<ReportPage> &pages,
                     const std::function<void(QPainter &, const ReportPage &, double, double)> &paint)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QPdfWriter w(&file);
    w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    w.setResolution(300);
    w.setTitle(title);
    w.setCreator(QStringLiteral("Valdrena"));
    QPainter p;
    if (!p.begin(&w)) return false;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) w.newPage();
        paint(p, pages[i], w.logicalDpiX(), w.logicalDpiY());
    }
    return p.end();
}

bool Report::toPdf(const QString &path)
{
    layout();
    return writePdf(path, m_title.isEmpty() ? className() : m_title, m_pages,
                    [this](QPainter &p, const ReportPage &pg, double dx, double dy) { paintPage(p, pg, dx, dy); });
}

QImage Report::renderPage(int index, double dpi)
{
    layout();
    const QSizeF s = pageSize() * (dpi / 96.0);
    QImage img(qCeil(s.width()), qCeil(s.height()), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    img.fill(Qt::white);
    if (index < 0 || index >= m_pages.size()) return img;
    QPainter p(&img);
    paintPage(p, m_pages[index], dpi, dpi);
    return img;
}

void Report::preview(QWidget *parent)
{
    layout();
    const QString dir = env::reportDir();
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        writePdf(QDir(dir).filePath(className() + QStringLiteral(".pdf")), m_title.isEmpty() ? className() : m_title,
                 m_pages, [this](QPainter &p, const ReportPage &pg, double dx, double dy) { paintPage(p, pg, dx, dy); });
    }
    QPrinter printer(QPrinter::HighResolution);
    configure(&printer);
    QPrintPreviewDialog dlg(&printer, parent);
    dlg.setWindowTitle(m_title.isEmpty() ? className() : m_title);
    dlg.resize(900, 860);
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *pr) { print(pr); });
    dlg.setWindowModality(Qt::ApplicationModal);
    dlg.exec();
}

}  // namespace vlm
