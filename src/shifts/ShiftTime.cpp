#include "shifts/ShiftTime.h"

#include "platform/Convert.h"

#include <QTime>

namespace vlm {

QString timeText(const QString &text)
{
    // A one-digit hour leaves a blank in its box ("8 :30"): strToTime takes it.
    return strToTime(text).toString(QStringLiteral("hh:mm:ss"));
}

}  // namespace vlm
