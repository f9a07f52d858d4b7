#pragma once
#include <QString>

// The pieces of a scanned package code: a GS1 element string that starts with the trade
// item number (01, first digit 0), then a date (17 expiry or 11 production, YYMMDD) and
// the lot (10). The pieces are read at fixed positions; a text that does not fit gives
// the empty text, and none of them fails.
namespace vlm {

// The EAN-13 inside the trade item number: characters 4-16 of a text starting "010".
QString EanDaCodice(const QString &code);

// The date of element 17 or 11 as a dd/mm/yyyy text. An expiry day "00" reads as the
// 28th; a production date is put one hundred years on (year 21YY). Empty for any other
// element, for a text not starting "010" and for a date whose six digits are not all there.
QString ScadenzaDaCodice(const QString &code);

// The lot: everything from character 27, when the text starts "010", a six-digit date
// element stands at 17-18 and element 10 at 25-26. A group separator ends the lot.
QString LottoDaCodice(const QString &code);

}  // namespace vlm
