#include "reports/TQR4.h"

#include "platform/Db.h"

using namespace vlm;

TQR4::TQR4(QObject *parent) : Report(QStringLiteral("TQR4"), parent), m_query(std::make_unique<Query>(QStringLiteral("DB")))
{
    Query1 = m_query.get();
    Query1->add(QStringLiteral("select * from Appuntamenti where IDVISITA=:IDV"));
    setReportTitle(QStringLiteral("Appuntamenti"));
    setMargins(10);

    const double width = contentRect().width();
    const double mm = kUnitsPerMm;

    // Title, first page only: the specialist and the day, centred.
    Band &t = title();
    t.setHeight(26 * mm);
    QRLabel1 = t.addLabel(QStringLiteral("QRLabel1"), {0, 2 * mm, width, 10 * mm}, QString(), reportFont(18, true));
    QRLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QRLabel2 = t.addLabel(QStringLiteral("QRLabel2"), {0, 13 * mm, width, 10 * mm}, QString(), reportFont(18));
    QRLabel2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Column heads on every page.
    const double xOra = 0, xNome = 25 * mm, xTel = 130 * mm;
    Band &h = columnHeads();
    h.setHeight(10 * mm);
    h.setFrame(Qt::BottomEdge);
    h.addLabel(QStringLiteral("QRLabel3"), {xOra, 1 * mm, 24 * mm, 8 * mm}, QStringLiteral("Ora"), reportFont(16, true));
    h.addLabel(QStringLiteral("QRLabel4"), {xNome, 1 * mm, 100 * mm, 8 * mm}, QStringLiteral("Nome "), reportFont(16, true));
    h.addLabel(QStringLiteral("QRLabel5"), {xTel, 1 * mm, 60 * mm, 8 * mm}, QStringLiteral("Telefono"), reportFont(16, true));

    // One block per slot: time, name and phone on a line, the note below.
    Band &d = detail();
    d.setHeight(14 * mm);
    d.setFrame(Qt::BottomEdge);
    const QFont f = reportFont(12);
    d.addField(QStringLiteral("QRDBText1"), {xOra, 1 * mm, 24 * mm, 6 * mm}, QStringLiteral("ORA"), f);
    d.addField(QStringLiteral("QRDBText2"), {xNome, 1 * mm, 104 * mm, 6 * mm}, QStringLiteral("NOME"), f);
    d.addField(QStringLiteral("QRDBText3"), {xTel, 1 * mm, 60 * mm, 6 * mm}, QStringLiteral("TELEFONO"), f);
    ReportItem *note = d.addField(QStringLiteral("QRDBText4"), {xNome, 7 * mm, width - xNome, 6 * mm}, QStringLiteral("NOTE"), f);
    note->setWordWrap(true);
}

TQR4::~TQR4() = default;
