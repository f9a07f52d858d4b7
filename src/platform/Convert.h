#pragma once
#include <QDate>
#include <QTime>
#include <QString>

// Text conversions as the windows use them. Dates in controls are dd/mm/yyyy texts; the
// strict conversions throw DbError (shown by the error guard) on a text that is no date
// or no number, the ...Def ones give the default instead.
namespace vlm {

QDate strToDate(const QString &text);             // "25/12/2026" -> date; throws
bool isDateText(const QString &text);
QString dateToStr(const QDate &d);                // dd/mm/yyyy, empty for an invalid date
qint64 strToInt(const QString &text);             // throws
// A time of day typed as h:mm or h:mm:ss; a blank left by a one-digit hour ("8 :30") is
// allowed. Anything else throws the conversion error.
QTime strToTime(const QString &text);
qint64 strToIntDef(const QString &text, qint64 def);
double strToFloat(const QString &text);           // accepts , or . as decimal mark; throws
// yyyy-mm-dd cut by position from a dd/mm/yyyy text (characters 7-10, 4-5, 1-2).
QString serverDateText(const QString &ddmmyyyy);
// Days counted from 30/12/1899 (day 0), the date an empty date reads as.
QDate dateFromSerial(qint64 days);
qint64 serialFromDate(const QDate &d);

// Sunday = 1 ... Saturday = 7.
int dayOfWeek(const QDate &d);
QString italianWeekday(const QDate &d);           // "Lunedì" ... "Domenica"
QString italianMonth(int month);                  // 1 -> "Gennaio"
int monthFromItalian(const QString &name);        // 0 when unknown

}  // namespace vlm
