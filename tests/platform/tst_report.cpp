// Printed sheets: bands, pagination, data from a query or a grid table, barcodes, the PDF
// output and the preview. The PDFs are read back with pdftotext and pdftoppm.
#include "platform/Db.h"
#include "platform/GridTable.h"
#include "platform/Report.h"
#include "support/Answerer.h"
#include "support/TestDb.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vlm;
using vlmtest::TestDb;

namespace {

QString pdfText(const QString &path, int page = 0)
{
    QProcess p;
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << path << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Dark runs along a horizontal line of an image.
int darkRuns(const QImage &img, int y, int x0, int x1)
{
    int runs = 0;
    bool in = false;
    for (int x = x0; x < x1; ++x) {
        const bool dark = qGray(img.pixel(x, y)) < 128;
        if (dark && !in) ++runs;
        in = dark;
    }
    return runs;
}

// A small list sheet over a grid table.
struct ListSheet {
    GridTable table;
    Report r{QStringLiteral("TQRProva")};
    explicit ListSheet(int rows)
    {
        table.addText(QStringLiteral("NOME"), 35).addText(QStringLiteral("NOTE"), 60).addDate(QStringLiteral("DATA"));
        for (int i = 1; i <= rows; ++i) {
            const int row = table.append();
            table.set(row, QStringLiteral("NOME"), QStringLiteral("Persona%1").arg(i, 3, 10, QLatin1Char('0')));
            table.set(row, QStringLiteral("NOTE"), QStringLiteral("nota%1").arg(i));
            table.set(row, QStringLiteral("DATA"), QDate(2026, 3, 1).addDays(i));
        }
        r.setReportTitle(QStringLiteral("Elenco Prova"));
        r.setMargins(10);
        r.title().setHeight(40);
        r.title().addLabel(QStringLiteral("QRLabel1"), {0, 0, 400, 30}, QStringLiteral("Elenco Prova"), reportFont(16, true));
        r.columnHeads().setHeight(24);
        r.columnHeads().setFrame(Qt::BottomEdge);
        r.columnHeads().addLabel(QStringLiteral("QRLabel2"), {0, 2, 200, 20}, QStringLiteral("Nominativo"), reportFont(10, true));
        r.columnHeads().addLabel(QStringLiteral("QRLabel3"), {260, 2, 200, 20}, QStringLiteral("Annotazioni"), reportFont(10, true));
        r.columnHeads().addLabel(QStringLiteral("QRLabel4"), {560, 2, 120, 20}, QStringLiteral("Giorno"), reportFont(10, true));
        r.detail().setHeight(20);
        r.detail().addField(QStringLiteral("QRDBText1"), {0, 2, 250, 18}, QStringLiteral("NOME"));
        r.detail().addField(QStringLiteral("QRDBText2"), {260, 2, 290, 18}, QStringLiteral("NOTE"));
        r.detail().addField(QStringLiteral("QRDBText3"), {560, 2, 120, 18}, QStringLiteral("DATA"));
        r.summary().setHeight(30);
        r.summary().addLabel(QStringLiteral("QRLabel5"), {0, 6, 300, 20}, QStringLiteral("Fine elenco"));
        r.pageFooter().setEnabled(true);
        r.pageFooter().setHeight(20);
        r.pageFooter().addPageNumber(QStringLiteral("QRSysData2"), {600, 2, 100, 18})->setText(QStringLiteral("Pagina "));
        r.setTable(&table);
    }
};

}  // namespace

class TstReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { VLM_TEST_INIT; }
    void init() { TestDb::reset(); }
    void cleanupTestCase() { TestDb::dropProgram(); }

    void sheetTextReadBackFromPdf();
    void paginationRepeatsHeadsOnEveryPage();
    void bandsAdjustedAtRunTime();
    void wrappedTextStretchesItsBand();
    void queryDataAndMissingColumn();
    void barcodeDrawsCode39Bars();
    void previewClosedLeavesNothing();
    void previewWritesReportDir();
};

void TstReport::sheetTextReadBackFromPdf()
{
    QTemporaryDir dir;
    ListSheet s(3);
    s.r.title().addSysDate(QStringLiteral("QRSysData1"), {450, 0, 250, 20})->setText(QStringLiteral("Stampato il "));
    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    QVERIFY(s.r.toPdf(pdf));
    QCOMPARE(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    QCOMPARE(text.count(QStringLiteral("Elenco Prova")), 1);
    QCOMPARE(text.count(QStringLiteral("Nominativo")), 1);
    QVERIFY(text.contains(QStringLiteral("Stampato il ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
    // Rows in order, each on its line with its own columns.
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList rowLines;
    for (const QString &l : lines)
        if (l.contains(QStringLiteral("Persona"))) rowLines << l.simplified();
    QCOMPARE(rowLines, (QStringList{"Persona001 nota1 02/03/2026", "Persona002 nota2 03/03/2026", "Persona003 nota3 04/03/2026"}));
    QVERIFY(text.indexOf(QStringLiteral("Nominativo")) < text.indexOf(QStringLiteral("Persona001")));
    QVERIFY(text.indexOf(QStringLiteral("Persona003")) < text.indexOf(QStringLiteral("Fine elenco")));
    QVERIFY(text.contains(QStringLiteral("Pagina 1")));

    // An unwritable path is reported, not ignored.
    QVERIFY(!s.r.toPdf(QStringLiteral("/nonexistent/folder/a.pdf")));
}

void TstReport::paginationRepeatsHeadsOnEveryPage()
{
    QTemporaryDir dir;
    ListSheet s(150);
    const QString pdf = dir.filePath(QStringLiteral("b.pdf"));
    QVERIFY(s.r.toPdf(pdf));
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    QCOMPARE(s.r.pageCount(), pages);

    QStringList names;
    for (int p = 1; p <= pages; ++p) {
        const QString text = pdfText(pdf, p);
        QCOMPARE(text.count(QStringLiteral("Nominativo")), 1);  // heads on every page
        QCOMPARE(text.count(QStringLiteral("Elenco Prova")), p == 1 ? 1 : 0);  // title once
        QCOMPARE(text.count(QStringLiteral("Fine elenco")), p == pages ? 1 : 0);
        QVERIFY(text.contains(QStringLiteral("Pagina %1").arg(p)));
        const QRegularExpression re(QStringLiteral("Persona(\\d{3})"));
        auto it = re.globalMatch(text);
        int onPage = 0;
        while (it.hasNext()) {
            names << it.next().captured(1);
            ++onPage;
        }
        QVERIFY(onPage > 0);
    }
    QStringList expected;
    for (int i = 1; i <= 150; ++i) expected << QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    QCOMPARE(names, expected);  // every row once, in order, across the pages

    // No band crosses the footer or the bottom margin.
    for (const ReportPage &pg : s.r.layout())
        for (const ReportPlacedBand &b : pg.bands)
            QVERIFY(b.rect.bottom() <= s.r.contentRect().bottom() + 0.01);
}

void TstReport::bandsAdjustedAtRunTime()
{
    QTemporaryDir dir;
    ListSheet s(2);
    s.r.summary().setEnabled(false);
    s.r.label(QStringLiteral("QRLabel1"))->setText(QStringLiteral("Titolo cambiato"));
    s.r.columnHeads().item(QStringLiteral("QRLabel3"))->setVisible(false);
    const QString pdf = dir.filePath(QStringLiteral("c.pdf"));
    QVERIFY(s.r.toPdf(pdf));
    const QString text = pdfText(pdf);
    QVERIFY(!text.contains(QStringLiteral("Fine elenco")));
    QVERIFY(!text.contains(QStringLiteral("Elenco Prova")));
    QVERIFY(text.contains(QStringLiteral("Titolo cambiato")));
    QVERIFY(!text.contains(QStringLiteral("Annotazioni")));
    QVERIFY(text.contains(QStringLiteral("Persona002")));

    // A child band follows its parent each time and goes off on its own.
    Band &child = s.r.addChild(s.r.detail(), QStringLiteral("ChildBand1"), 20);
    child.addLabel(QStringLiteral("QRLabel9"), {0, 0, 200, 18}, QStringLiteral("Riga figlia"));
    QVERIFY(s.r.toPdf(pdf));
    QCOMPARE(pdfText(pdf).count(QStringLiteral("Riga figlia")), 2);
    child.setEnabled(false);
    QVERIFY(s.r.toPdf(pdf));
    QCOMPARE(pdfText(pdf).count(QStringLiteral("Riga figlia")), 0);

    // A taller detail band takes more room: fewer rows per page.
    ListSheet t(100);
    const int before = t.r.pageCount();
    t.r.detail().setHeight(60);
    QVERIFY(t.r.pageCount() > before);
}

void TstReport::wrappedTextStretchesItsBand()
{
    ListSheet s(1);
    s.table.set(0, QStringLiteral("NOTE"), QStringLiteral("una nota molto lunga che non entra in una riga sola della colonna"));
    ReportItem *note = s.r.item(QStringLiteral("QRDBText2"));
    note->setWidth(120);
    note->setWordWrap(true);
    const QList<ReportPage> &pages = s.r.layout();
    const ReportPlacedBand *detail = nullptr;
    for (const ReportPlacedBand &b : pages[0].bands)
        if (b.band == &s.r.detail()) detail = &b;
    QVERIFY(detail);
    QVERIFY2(detail->rect.height() > 40, qPrintable(QString::number(detail->rect.height())));
}

void TstReport::queryDataAndMissingColumn()
{
    TestDb::exec("insert into Notizie(Data,Notizia) values ('2026-02-01','seconda'),('2026-01-15','prima')");
    QTemporaryDir dir;
    Query q(QStringLiteral("DB"));
    q.add(QStringLiteral("select * from Notizie order by Data"));
    q.open();
    Report r(QStringLiteral("TQRNotizie"));
    r.detail().addField(QStringLiteral("QRDBText1"), {0, 0, 100, 18}, QStringLiteral("Data"));
    r.detail().addField(QStringLiteral("QRDBText2"), {120, 0, 300, 18}, QStringLiteral("NOTIZIA"));
    r.setQuery(&q);
    const QString pdf = dir.filePath(QStringLiteral("d.pdf"));
    QVERIFY(r.toPdf(pdf));
    QVERIFY(r.toPdf(pdf));  // the rows are read once and kept
    QStringList lines;
    for (const QString &l : pdfText(pdf).split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) lines << l.simplified();
    QCOMPARE(lines, (QStringList{"15/01/2026 prima", "01/02/2026 seconda"}));
    q.close();

    Query q2(QStringLiteral("DB"));
    q2.add(QStringLiteral("select ID from Notizie"));
    q2.open();
    Report bad(QStringLiteral("TQRBad"));
    bad.detail().addField(QStringLiteral("QRDBText1"), {0, 0, 100, 18}, QStringLiteral("NONESISTE"));
    bad.setQuery(&q2);
    QVERIFY_THROWS_EXCEPTION(DbError, bad.layout());
    vlm::disconnect(QStringLiteral("DB"));
}

void TstReport::barcodeDrawsCode39Bars()
{
    // Code 39: every character, start and stop included, is five bars.
    QCOMPARE(Report::code39Bars(QStringLiteral("*RSSMRA80A01H501U*")).size(), (16 + 2) * 5);
    QCOMPARE(Report::code39Bars(QStringLiteral("ABC")).size(), 5 * 5);
    QCOMPARE(Report::code39Bars(QStringLiteral("*ABC*")), Report::code39Bars(QStringLiteral("ABC")));
    QVERIFY(Report::code39Bars(QStringLiteral("**")).isEmpty());
    QVERIFY(Report::code39Bars(QString()).isEmpty());
    QVERIFY(Report::code39Bars(QStringLiteral("è")).isEmpty());

    GridTable t;
    t.addText(QStringLiteral("BARCODE"), 40);
    t.set(t.append(), QStringLiteral("BARCODE"), QStringLiteral("*AB12*"));
    Report r(QStringLiteral("TQRBar"));
    r.detail().setHeight(80);
    r.detail().addBarcode(QStringLiteral("QRDBText9"), {100, 10, 300, 50}, QStringLiteral("BARCODE"));
    r.setTable(&t);

    // On an image of the page: 30 bars across the item, nothing outside it.
    const double dpi = 150, f = dpi / 96.0;
    const QImage img = r.renderPage(0, dpi);
    const QRectF c = r.contentRect();
    const int y = int((c.top() + 35) * f);
    QCOMPARE(darkRuns(img, y, int((c.left() + 98) * f), int((c.left() + 402) * f)), 30);
    QCOMPARE(darkRuns(img, int((c.top() + 5) * f), 0, img.width()), 0);

    // And in the PDF, rendered back by poppler.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("e.pdf"));
    QVERIFY(r.toPdf(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {"-r", "150", "-gray", "-singlefile", pdf, dir.filePath("e")});
    QVERIFY(p.waitForFinished(30000));
    QImage fromPdf(dir.filePath(QStringLiteral("e.pgm")));
    QVERIFY(!fromPdf.isNull());
    QCOMPARE(darkRuns(fromPdf, y, int((c.left() + 98) * f), int((c.left() + 402) * f)), 30);
}

void TstReport::previewClosedLeavesNothing()
{
    QTemporaryDir dir;
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    qunsetenv("VLM_REPORT_DIR");

    QWidget owner;
    QPointer<Report> sheet = new Report(QStringLiteral("TQR1"), &owner);
    sheet->detail().addLabel(QStringLiteral("QRLabel1"), {0, 0, 200, 20}, QStringLiteral("Servizio"));
    bool shown = false;
    int pagesInPreview = -1;
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("QPrintPreviewDialog"), [&](QWidget *w) {
        shown = w->isVisible();
        auto *pw = w->findChild<QPrintPreviewWidget *>();
        pagesInPreview = pw ? pw->pageCount() : -1;
        static_cast<QDialog *>(w)->reject();
    });
    sheet->preview(&owner);
    QVERIFY(shown);
    QCOMPARE(pagesInPreview, 1);
    delete sheet.data();
    QVERIFY(sheet.isNull());
    QCoreApplication::processEvents();

    QDir::setCurrent(oldCwd);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QPrintPreviewDialog *>(w));
    QVERIFY(a.messages().isEmpty());
}

void TstReport::previewWritesReportDir()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("pdf"));
    qputenv("VLM_REPORT_DIR", out.toLocal8Bit());
    ListSheet s(4);
    vlmtest::Answerer a;
    a.onDialog(QStringLiteral("QPrintPreviewDialog"), [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    s.r.preview(nullptr);
    qunsetenv("VLM_REPORT_DIR");
    QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("TQRProva.pdf")});
    const QString text = pdfText(QDir(out).filePath(QStringLiteral("TQRProva.pdf")));
    QVERIFY(text.contains(QStringLiteral("Elenco Prova")));
    QVERIFY(text.contains(QStringLiteral("Persona004")));
}

QTEST_MAIN(TstReport)
#include "tst_report.moc"
