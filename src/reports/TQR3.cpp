#include "reports/TQR3.h"

#include "platform/Db.h"

using namespace vlm;

TQR3::TQR3(QObject *parent) : Report(QStringLiteral("TQR3"), parent), m_query(std::make_unique<Query>(QStringLiteral("DB")))
{
    Query1 = m_query.get();
    Query1->add(QStringLiteral("select * from mezzi order by revisione"));
    setQuery(Query1);
    setReportTitle(QStringLiteral("Elenco scadenze Revisioni"));
    setMargins(10);

    const QFont normal = reportFont(10);
    const QFont bold = reportFont(10, true);
    // Columns across the printable width (about 718 units).
    const double xSigla = 0, xMarca = 120, xModello = 250, xScad = 385, xNote = 500;

    title().setHeight(56);
    title().addLabel(QStringLiteral("QRLabel1"), {0, 8, 718, 36}, QStringLiteral("Elenco scadenze Revisioni"),
                     reportFont(20, true));

    Band &h = columnHeads();
    h.setHeight(28);
    h.setFrame(Qt::BottomEdge);
    h.addLabel(QStringLiteral("QRLabel2"), {xSigla, 4, 115, 20}, QStringLiteral("Sigla "), bold);
    h.addLabel(QStringLiteral("QRLabel3"), {xMarca, 4, 260, 20}, QStringLiteral("Marca e Modello"), bold);
    h.addLabel(QStringLiteral("QRLabel4"), {xScad, 4, 115, 20}, QStringLiteral("Data Scadenza "), bold);
    h.addLabel(QStringLiteral("QRLabel5"), {xNote, 4, 218, 20}, QStringLiteral("Note"), bold);

    Band &d = detail();
    d.setHeight(26);
    d.addField(QStringLiteral("QRDBText1"), {xSigla, 4, 115, 20}, QStringLiteral("siglamezzo"), normal);
    d.addField(QStringLiteral("QRDBText2"), {xMarca, 4, 125, 20}, QStringLiteral("Marca"), normal);
    d.addField(QStringLiteral("QRDBText3"), {xModello, 4, 130, 20}, QStringLiteral("Modello"), normal);
    d.addField(QStringLiteral("QRDBText4"), {xScad, 4, 115, 20}, QStringLiteral("Revisione"), normal);
    d.addLabel(QStringLiteral("QRLabel6"), {xNote, 4, 218, 20}, QStringLiteral("___________________________"), normal);
}

TQR3::~TQR3() = default;
