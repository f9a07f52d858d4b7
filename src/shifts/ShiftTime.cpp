#include "shifts/ShiftTime.h"

#include "platform/Db.h"

#include <QTime>

namespace vlm {

QString timeText(const QString &text)
{
    // A one-digit hour leaves a blank in its box ("8 :30").
    const QString t = QString(text).remove(QLatin1Char(' '));
    QTime time;
    for (const char *fmt : {"H:mm:ss", "H:mm"}) {
        time = QTime::fromString(t, QString::fromLatin1(fmt));
        if (time.isValid()) break;
    }
    if (!time.isValid())
        throw DbError(QStringLiteral("'%1' non è un orario valido").arg(text));
    return time.toString(QStringLiteral("hh:mm:ss"));
}

}  // namespace vlm
