#pragma once
#include <QString>

class QDate;
class QTime;

// The link that adds an appointment to the recipient's web calendar, as the assignment
// mails of the services and of the events end with it.
namespace vlm {

// The event-template address of the web calendar: the setting CALENDARIO, or the public
// calendar's address when the setting is missing.
QString indirizzoCalendario();

// A value placed inside the link's query: the characters that would end or change a query
// value (% & # +) are escaped and a line break becomes %0A; blanks are left to SpaziUrl like
// the rest of the link.
QString valoreLink(const QString &v);

// A calendar time stamp, yyyymmdd "T" hhmm "00": `giorno` is the day already written yyyymmdd.
QString istanteCalendario(const QString &giorno, const QTime &ora);
QString istanteCalendario(const QDate &giorno, const QTime &ora);

// The whole link: the address (indirizzoCalendario), "?action=TEMPLATE&dates=", the dates,
// then `resto` (the query keys that follow, values already passed through valoreLink), all
// through SpaziUrl.
QString linkCalendario(const QString &indirizzo, const QString &date, const QString &resto);

}  // namespace vlm
