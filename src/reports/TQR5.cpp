#include "reports/TQR5.h"

#include "platform/GridTable.h"

using namespace vlm;

TQR5::TQR5(QObject *parent) : Report(QStringLiteral("TQR5"), parent), m_table(std::make_unique<GridTable>())
{
    Tb1 = m_table.get();
    Tb1->addText(QStringLiteral("ARTICOLO"), 40)
        .addText(QStringLiteral("DESCRIZIONE"), 60)
        .addDate(QStringLiteral("SCADENZA"))
        .addText(QStringLiteral("QUANTITA"), 3)
        .addText(QStringLiteral("POSIZIONE"), 25);
    setTable(Tb1);
    setReportTitle(QStringLiteral("Check List"));
    setMargins(10);

    const QFont normal = reportFont(10);
    const QFont bold = reportFont(10, true);
    // Cells across the printable width (about 718 units), framed one by one.
    struct Cell {
        double x, w;
    };
    const Cell qta{0, 50}, art{50, 300}, pos{350, 170}, scad{520, 100}, ver{620, 98};
    const double h = 22;

    title().setHeight(50);
    QRLabel1 = title().addLabel(QStringLiteral("QRLabel1"), {0, 8, 718, 30}, QStringLiteral("Check List"), reportFont(16, true));
    QRLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    Band &hd = columnHeads();
    hd.setHeight(h);
    const QList<QPair<Cell, QString>> heads = {{qta, QStringLiteral("Q.ta")},
                                               {art, QStringLiteral("Articolo")},
                                               {pos, QStringLiteral("Posizione")},
                                               {scad, QStringLiteral("Scadenza")},
                                               {ver, QStringLiteral("Verificato")}};
    int n = 2;
    for (const auto &c : heads) {
        hd.addFrame(QStringLiteral("QRShape%1").arg(n), {c.first.x, 0, c.first.w, h});
        ReportItem *l = hd.addLabel(QStringLiteral("QRLabel%1").arg(n), {c.first.x + 4, 0, c.first.w - 8, h}, c.second, bold);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ++n;
    }

    Band &d = detail();
    d.setHeight(h);
    const QList<QPair<Cell, QString>> fields = {{qta, QStringLiteral("QUANTITA")},
                                                {art, QStringLiteral("ARTICOLO")},
                                                {pos, QStringLiteral("POSIZIONE")},
                                                {scad, QStringLiteral("SCADENZA")}};
    n = 1;
    for (const auto &c : fields) {
        d.addFrame(QStringLiteral("QRShape%1").arg(n + 10), {c.first.x, 0, c.first.w, h});
        ReportItem *f = d.addField(QStringLiteral("QRDBText%1").arg(n), {c.first.x + 4, 0, c.first.w - 8, h}, c.second, normal);
        f->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ++n;
    }
    // The box the crew ticks.
    d.addFrame(QStringLiteral("QRShape20"), {ver.x, 0, ver.w, h});
}

TQR5::~TQR5() = default;

void TQR5::ordina()
{
    // Stable sorts: the last key sorted is the first key of the order.
    Tb1->sortBy(QStringLiteral("ARTICOLO"));
    Tb1->sortBy(QStringLiteral("POSIZIONE"));
}
