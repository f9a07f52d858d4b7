#include "reports/TQR1.h"

#include "platform/Db.h"

using namespace vlm;

namespace {
const QString kLinea = QStringLiteral("______________________________");
}

TQR1::TQR1(QObject *parent) : Report(QStringLiteral("TQR1"), parent), m_query(std::make_unique<Query>(QStringLiteral("DB")))
{
    Query1 = m_query.get();
    Query1->add(QStringLiteral("select *,concat('*',codicefiscale,'*') barcode from servizic where ID=:IDS"));
    setReportTitle(QStringLiteral("Servizio Sanitario"));
    setMargins(10);

    const QFont normal = reportFont(10);
    const QFont bold = reportFont(10, true);
    const double lx = 0, vx = 110, rx = 380, rvx = 490;

    // Upper part: every label followed by its value in bold.
    DetailBand1 = &detail();
    Band &d = *DetailBand1;
    d.setHeight(500);
    int n = 0;
    auto name = [&n](const char *prefix) { return QString::fromLatin1(prefix) + QLatin1Char('_') + QString::number(++n); };
    auto label = [&](double x, double y, double w, const QString &text) { return d.addLabel(name("QRLabel"), {x, y, w, 20}, text, normal); };
    auto field = [&](double x, double y, double w, const QString &col) { return d.addField(name("QRDBText"), {x, y, w, 20}, col, bold); };

    label(lx, 0, 105, QStringLiteral("Servizio N°"));
    field(vx, 0, 200, QStringLiteral("ID"));
    label(rx, 0, 105, QStringLiteral("Data Stampa "));
    d.addSysDate(QStringLiteral("QRSysData1"), {rvx, 0, 228, 20}, bold);
    label(lx, 24, 105, QStringLiteral("NRE"));
    field(vx, 24, 260, QStringLiteral("NRE"));
    label(rx, 24, 105, QStringLiteral("Data Servizio "));
    field(rvx, 24, 228, QStringLiteral("dataservizio"));
    label(lx, 48, 105, QStringLiteral("Ora Partenza"));
    field(vx, 48, 260, QStringLiteral("orariopartenza"));
    label(rx, 48, 105, QStringLiteral("Servizio"));
    field(rvx, 48, 228, QStringLiteral("servizio"));
    label(lx, 72, 105, QStringLiteral("Trasportato"));
    field(vx, 72, 200, QStringLiteral("nomepz"));
    field(vx + 205, 72, 400, QStringLiteral("cognomepz"));
    label(lx, 96, 105, QStringLiteral("C.F."));
    field(vx, 96, 260, QStringLiteral("codicefiscale"));
    d.addBarcode(QStringLiteral("QRBarcode1"), {vx, 120, 340, 40}, QStringLiteral("barcode"));
    label(lx, 168, 105, QStringLiteral("Indirizzo"));
    field(vx, 168, 380, QStringLiteral("indirizzoabitazione"));
    field(vx + 385, 168, 223, QStringLiteral("comuneabitazione"));
    label(lx, 192, 105, QStringLiteral("Telefono "));
    field(vx, 192, 260, QStringLiteral("telefonoab"));
    label(rx, 192, 105, QStringLiteral("Orario visita"));
    field(rvx, 192, 228, QStringLiteral("orariovisita"));
    label(lx, 216, 105, QStringLiteral("Partenza"));
    field(vx, 216, 260, QStringLiteral("luogoprelievo"));
    label(rx, 216, 105, QStringLiteral("Piano"));
    field(rvx, 216, 228, QStringLiteral("pianoabitazione"));
    label(lx, 240, 105, QStringLiteral("Destinazione"));
    field(vx, 240, 608, QStringLiteral("destinazionepz"));
    label(lx, 264, 105, QStringLiteral("Peso"));
    field(vx, 264, 60, QStringLiteral("pesopz"));
    QRLabel30 = d.addLabel(QStringLiteral("QRLabel30"), {vx + 65, 264, 190, 20}, QStringLiteral(" "), bold);
    label(rx, 264, 105, QStringLiteral("Portare"));
    QRLabel31 = d.addLabel(QStringLiteral("QRLabel31"), {rvx, 264, 228, 20}, QString(), bold);
    label(lx, 288, 105, QStringLiteral("Mezzo"));
    field(vx, 288, 120, QStringLiteral("siglamezzo"));
    field(vx + 125, 288, 135, QStringLiteral("targamezzo"));
    label(rx, 288, 105, QStringLiteral("Autista"));
    field(rvx, 288, 228, QStringLiteral("Autista"));
    label(lx, 312, 105, QStringLiteral("Soccorritore"));
    field(vx, 312, 380, QStringLiteral("Volontario1"));
    field(vx, 336, 380, QStringLiteral("Volontario2"));
    field(vx, 360, 380, QStringLiteral("Volontario3"));
    label(lx, 392, 105, QStringLiteral("Note"));
    QRShape1 = d.addFrame(QStringLiteral("QRShape1"), {vx, 392, 600, 100});
    QRDBText20 = d.addField(QStringLiteral("QRDBText20"), {vx + 4, 396, 592, 92}, QStringLiteral("note"), bold);
    QRDBText20->setWordWrap(true);

    // Lower part: the crew writes the times, the people carried and notes by hand.
    ChildBand1 = &addChild(d, QStringLiteral("ChildBand1"), 430);
    Band &c = *ChildBand1;
    c.setFrame(Qt::TopEdge);
    auto hand = [&](double x, double y, const QString &text) {
        c.addLabel(name("QRLabel"), {x, y, 355, 20}, text + QLatin1Char(' ') + kLinea, normal);
    };
    const QStringList tempi = {QStringLiteral("Km Partenza"),         QStringLiteral("Ora Inizio missione"),
                               QStringLiteral("Arrivo Obbiettivo"),   QStringLiteral("Km Arrivo"),
                               QStringLiteral("Partenza Obbiettivo"), QStringLiteral("Arrivo a Destinazione"),
                               QStringLiteral("Fine Missione"),       QStringLiteral("Ora Libero in sede")};
    for (int i = 0; i < tempi.size(); ++i) hand(i % 2 ? 362 : 0, 10 + (i / 2) * 24, tempi[i]);
    double y = 10 + 4 * 24 + 8;
    for (const QString &chi : {QStringLiteral("PRIMO TRASPORTATO"), QStringLiteral("SECONDO TRASPORTATO")}) {
        c.addLabel(name("QRLabel"), {0, y, 400, 20}, chi, bold);
        y += 24;
        hand(0, y, QStringLiteral("Cognome"));
        hand(362, y, QStringLiteral("Nome"));
        y += 24;
        hand(0, y, QStringLiteral("Data Nascita"));
        hand(362, y, QStringLiteral("Luogo di Nascita"));
        y += 24;
        hand(0, y, QStringLiteral("Residente a:"));
        hand(362, y, QStringLiteral("Prov"));
        y += 24;
        hand(0, y, QStringLiteral("Via"));
        y += 30;
    }
    c.addLabel(name("QRLabel"), {0, y, 718, 20}, QStringLiteral("Note ") + kLinea + kLinea, normal);
    for (int i = 1; i <= 3; ++i)
        c.addLabel(name("QRLabel"), {0, y + i * 24, 718, 20}, kLinea + kLinea + kLinea.left(10), normal);
    c.setHeight(y + 4 * 24 + 4);
}

TQR1::~TQR1() = default;
