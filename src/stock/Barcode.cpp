#include "stock/Barcode.h"

namespace vlm {

namespace {

// The GS1 group separator (FNC1 inside the data): it ends an element of variable length.
constexpr QChar kGroupSeparator(0x1D);

bool isPackageCode(const QString &code) { return code.startsWith(QLatin1String("010")); }

// Elements whose data are six digits of a date, so that the next element starts right after.
bool isDateElement(const QString &ai)
{
    static const QStringList dateAis = {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                                        QStringLiteral("15"), QStringLiteral("16"), QStringLiteral("17")};
    return dateAis.contains(ai);
}

}  // namespace

QString EanDaCodice(const QString &code)
{
    if (!isPackageCode(code)) return QString();
    return code.mid(3, 13);
}

QString ScadenzaDaCodice(const QString &code)
{
    if (!isPackageCode(code)) return QString();
    const QString ai = code.mid(16, 2);
    const QString d = code.mid(18, 6);
    if (d.size() < 6) return QString();
    const QString yy = d.mid(0, 2), mm = d.mid(2, 2), dd = d.mid(4, 2);
    if (ai == QLatin1String("17")) {
        const QString day = dd == QLatin1String("00") ? QStringLiteral("28") : dd;
        return day + QLatin1Char('/') + mm + QStringLiteral("/20") + yy;
    }
    if (ai == QLatin1String("11")) return dd + QLatin1Char('/') + mm + QStringLiteral("/21") + yy;
    return QString();
}

QString LottoDaCodice(const QString &code)
{
    if (!isPackageCode(code)) return QString();
    if (!isDateElement(code.mid(16, 2))) return QString();
    if (code.mid(24, 2) != QLatin1String("10")) return QString();
    QString lot = code.mid(26);
    const int gs = lot.indexOf(kGroupSeparator);
    if (gs >= 0) lot.truncate(gs);
    return lot;
}

}  // namespace vlm
