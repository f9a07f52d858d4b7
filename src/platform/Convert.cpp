#include "platform/Convert.h"
#include "platform/Db.h"

#include <QRegularExpression>

namespace vlm {

bool isDateText(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2,4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch()) return false;
    int y = m.captured(3).toInt();
    if (m.captured(3).size() <= 2) y += 2000;
    return QDate(y, m.captured(2).toInt(), m.captured(1).toInt()).isValid();
}

QDate strToDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2,4})\\s*$"));
    const auto m = re.match(text);
    if (m.hasMatch()) {
        int y = m.captured(3).toInt();
        if (m.captured(3).size() <= 2) y += 2000;
        const QDate d(y, m.captured(2).toInt(), m.captured(1).toInt());
        if (d.isValid()) return d;
    }
    throw DbError(QStringLiteral("'%1' non è una data valida").arg(text));
}

QString dateToStr(const QDate &d) { return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }

QTime strToTime(const QString &text)
{
    const QString t = QString(text).remove(QLatin1Char(' '));
    for (const char *fmt : {"H:mm:ss", "H:mm"}) {
        const QTime tm = QTime::fromString(t, QString::fromLatin1(fmt));
        if (tm.isValid()) return tm;
    }
    throw DbError(QStringLiteral("'%1' non è un orario valido").arg(text.trimmed()));
}

qint64 strToInt(const QString &text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    if (!ok) throw DbError(QStringLiteral("'%1' non è un valore intero valido").arg(text));
    return n;
}

qint64 strToIntDef(const QString &text, qint64 def)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? n : def;
}

double strToFloat(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok) throw DbError(QStringLiteral("'%1' non è un valore numerico valido").arg(text));
    return d;
}

QString serverDateText(const QString &s)
{
    return s.mid(6, 4) + QLatin1Char('-') + s.mid(3, 2) + QLatin1Char('-') + s.mid(0, 2);
}

QDate dateFromSerial(qint64 days) { return QDate(1899, 12, 30).addDays(days); }
qint64 serialFromDate(const QDate &d) { return QDate(1899, 12, 30).daysTo(d); }

int dayOfWeek(const QDate &d) { return d.dayOfWeek() % 7 + 1; }

QString italianWeekday(const QDate &d)
{
    static const char *names[] = {"Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica"};
    return d.isValid() ? QString::fromUtf8(names[d.dayOfWeek() - 1]) : QString();
}

static const char *kMonths[] = {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno",
                                "Luglio", "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"};

QString italianMonth(int month)
{
    return month >= 1 && month <= 12 ? QString::fromUtf8(kMonths[month - 1]) : QString();
}

int monthFromItalian(const QString &name)
{
    const QString n = name.trimmed();
    for (int i = 0; i < 12; ++i)
        if (n.compare(QString::fromUtf8(kMonths[i]), Qt::CaseInsensitive) == 0) return i + 1;
    return 0;
}

}  // namespace vlm
