#include "reports/TQRDonatori.h"

#include "platform/GridTable.h"

using namespace vlm;

namespace {
// Millimetres to sheet units.
constexpr double mm(double v) { return v * kUnitsPerMm; }

QFont headFont()
{
    QFont f = reportFont(12, true);
    f.setFamily(QStringLiteral("Arial Black"));
    return f;
}
}  // namespace

TQRDonatori::TQRDonatori(QObject *parent)
    : Report(QStringLiteral("TQRDonatori"), parent), m_table(std::make_unique<GridTable>())
{
    Tb1 = m_table.get();
    Tb1->addText(QStringLiteral("NOME"), 40).addText(QStringLiteral("CDF"), 16).addDate(QStringLiteral("LASTD"));
    setTable(Tb1);
    setReportTitle(QStringLiteral("Elenco Donatori"));
    setMargins(10);

    const double width = contentRect().width();
    const double xGruppo = mm(110), xData = mm(140);

    // Title and column heads, on the first page only.
    Band &t = title();
    t.setHeight(mm(22));
    QRLabel1 = t.addLabel(QStringLiteral("QRLabel1"), {0, 0, width, mm(8)}, QStringLiteral("Elenco Donatori"),
                          reportFont(14, true));
    QRLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    t.addLabel(QStringLiteral("QRLabel2"), {0, mm(12), xGruppo - mm(2), mm(7)}, QStringLiteral("NOMINATIVO"), headFont());
    t.addLabel(QStringLiteral("QRLabel3"), {xGruppo, mm(12), xData - xGruppo - mm(2), mm(7)}, QStringLiteral("GRUPPO"),
               headFont());
    t.addLabel(QStringLiteral("QRLabel4"), {xData, mm(12), width - xData, mm(7)}, QStringLiteral("ULTIMA DONAZIONE"),
               headFont());

    Band &d = detail();
    d.setHeight(mm(6));
    const QFont bold = reportFont(10, true);
    d.addField(QStringLiteral("QRDBText1"), {0, 0, xGruppo - mm(2), mm(6)}, QStringLiteral("NOME"), bold);
    d.addField(QStringLiteral("QRDBText2"), {xGruppo, 0, xData - xGruppo - mm(2), mm(6)}, QStringLiteral("CDF"), bold);
    d.addField(QStringLiteral("QRDBText3"), {xData, 0, width - xData, mm(6)}, QStringLiteral("LASTD"), bold);
}

TQRDonatori::~TQRDonatori() = default;
