#include "core/CalendarLink.h"

#include "core/Services.h"

#include <QDate>
#include <QTime>

namespace vlm {

namespace {
const QString kCalendarioDefault = QStringLiteral("https://calendar.google.com/calendar/event");
}

QString indirizzoCalendario()
{
    const QString calendario = LeggiDato(QStringLiteral("CALENDARIO"));
    return calendario.isEmpty() ? kCalendarioDefault : calendario;
}

QString valoreLink(const QString &v)
{
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v.at(i);
        switch (c.unicode()) {
        case '%': out += QStringLiteral("%25"); break;
        case '&': out += QStringLiteral("%26"); break;
        case '#': out += QStringLiteral("%23"); break;
        case '+': out += QStringLiteral("%2B"); break;
        case '\r':
            // CR LF, or a lone CR, is one line break.
            if (i + 1 < v.size() && v.at(i + 1) == QLatin1Char('\n')) ++i;
            out += QStringLiteral("%0A");
            break;
        case '\n': out += QStringLiteral("%0A"); break;
        default: out += c;
        }
    }
    return out;
}

QString istanteCalendario(const QString &giorno, const QTime &ora)
{
    return giorno + QLatin1Char('T') + ora.toString(QStringLiteral("hhmm")) + QStringLiteral("00");
}

QString istanteCalendario(const QDate &giorno, const QTime &ora)
{
    return istanteCalendario(giorno.toString(QStringLiteral("yyyyMMdd")), ora);
}

QString linkCalendario(const QString &indirizzo, const QString &date, const QString &resto)
{
    return SpaziUrl(indirizzo + QStringLiteral("?action=TEMPLATE&dates=") + date + resto);
}

}  // namespace vlm
