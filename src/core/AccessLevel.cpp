#include "core/AccessLevel.h"

#include <QString>

namespace vlm {

int levelDigit(qint64 level, int k)
{
    qint64 divisor = 1;
    for (int i = 1; i < k; ++i) divisor *= 10;
    const QString s = QString::number(level / divisor);
    const QChar c = s.isEmpty() ? QChar() : s.back();
    return c.isDigit() ? c.digitValue() : 0;
}

}  // namespace vlm
