#include "reports/TQR2.h"

#include "platform/Db.h"

using namespace vlm;

TQR2::TQR2(QObject *parent) : Report(QStringLiteral("TQR2"), parent), m_query(std::make_unique<Query>(QStringLiteral("DB")))
{
    Query1 = m_query.get();
    setReportTitle(QStringLiteral("Elenco Patenti"));
    setMargins(10);

    const QFont normal = reportFont(10);
    const QFont bold = reportFont(10, true);
    const double xNome = 0, xCat = 300, xScad = 400, xNote = 520;

    Band &t = title();
    t.setHeight(48);
    t.addLabel(QStringLiteral("QRLabel1"), {0, 4, 600, 34}, QStringLiteral("Elenco scadenze Patenti"), reportFont(18, true));

    Band &h = columnHeads();
    h.setHeight(24);
    h.addLabel(QStringLiteral("QRLabel2"), {xNome, 2, 290, 20}, QStringLiteral("Nome "), bold);
    h.addLabel(QStringLiteral("QRLabel3"), {xCat, 2, 95, 20}, QStringLiteral("Categoria"), bold);
    h.addLabel(QStringLiteral("QRLabel4"), {xScad, 2, 115, 20}, QStringLiteral("Data Scadenza "), bold);
    h.addLabel(QStringLiteral("QRLabel5"), {xNote, 2, 200, 20}, QStringLiteral("Note"), bold);

    Band &d = detail();
    d.setHeight(24);
    d.addField(QStringLiteral("QRDBText1"), {xNome, 2, 290, 20}, QStringLiteral("Nome"), normal);
    d.addField(QStringLiteral("QRDBText2"), {xCat, 2, 95, 20}, QStringLiteral("PATVLM"), normal);
    d.addField(QStringLiteral("QRDBText3"), {xScad, 2, 115, 20}, QStringLiteral("SCADPATVLM"), normal);
    d.addLabel(QStringLiteral("QRLabel6"), {xNote, 2, 200, 20}, QStringLiteral("___________________________"), normal);
}

TQR2::~TQR2() = default;
