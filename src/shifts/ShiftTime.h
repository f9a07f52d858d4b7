#pragma once
#include <QString>

// Times of day as the shift windows take them from their hh:mm boxes.
namespace vlm {

// "8:30", "8 :30", "08:30" or "08:30:00" -> "08:30:00", the text the server stores in a TIME
// column. A text that is no time of the day (blank places, "25:00", "8.30") throws DbError,
// the conversion error shown by the error guard.
QString timeText(const QString &text);

}  // namespace vlm
