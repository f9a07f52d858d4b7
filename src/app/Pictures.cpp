#include "app/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace vlm {

QPixmap logoPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size * 0.04;
    p.setPen(QPen(QColor(180, 0, 0), size * 0.03));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(m, m, size - 2 * m, size - 2 * m));
    const qreal a = size * 0.16, c = size / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 0, 0));
    p.drawRect(QRectF(c - a / 2, c - a * 1.9, a, a * 3.2));
    p.drawRect(QRectF(c - a * 1.6, c - a * 0.8, a * 3.2, a));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(int(size * 0.09));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(140, 0, 0));
    p.drawText(QRectF(0, size * 0.70, size, size * 0.12), Qt::AlignCenter, QStringLiteral("VELMORA"));
    f.setPixelSize(int(size * 0.065));
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(0, size * 0.80, size, size * 0.09), Qt::AlignCenter, QStringLiteral("Valdrena"));
    return pm;
}

QPixmap buttonPicture(const QString &kind, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QColor col(30, 90, 160);
    if (kind == QLatin1String("clock")) col = QColor(60, 60, 60);
    else if (kind == QLatin1String("pill")) col = QColor(0, 140, 90);
    else if (kind == QLatin1String("ambulance")) col = QColor(200, 30, 30);
    else if (kind == QLatin1String("social")) col = QColor(230, 120, 0);
    else if (kind == QLatin1String("calendar")) col = QColor(30, 90, 160);
    else if (kind == QLatin1String("car")) col = QColor(90, 90, 140);
    else if (kind == QLatin1String("flag")) col = QColor(150, 40, 140);
    else if (kind == QLatin1String("doctor")) col = QColor(0, 120, 150);
    p.setPen(QPen(col.darker(130), s * 0.05));
    p.setBrush(col.lighter(175));
    p.drawRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.15, s * 0.15);
    p.setPen(QPen(col, s * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (kind == QLatin1String("clock")) {
        p.drawEllipse(QRectF(s * 0.22, s * 0.22, s * 0.56, s * 0.56));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.5, s * 0.32));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.64, s * 0.58));
    } else if (kind == QLatin1String("pill")) {
        p.save();
        p.translate(s / 2, s / 2);
        p.rotate(-35);
        p.drawRoundedRect(QRectF(-s * 0.3, -s * 0.12, s * 0.6, s * 0.24), s * 0.12, s * 0.12);
        p.drawLine(QPointF(0, -s * 0.12), QPointF(0, s * 0.12));
        p.restore();
    } else if (kind == QLatin1String("ambulance") || kind == QLatin1String("car")) {
        p.drawRect(QRectF(s * 0.18, s * 0.36, s * 0.44, s * 0.26));
        p.drawPolyline(QPolygonF({QPointF(s * 0.62, s * 0.42), QPointF(s * 0.74, s * 0.42), QPointF(s * 0.82, s * 0.52),
                                   QPointF(s * 0.82, s * 0.62), QPointF(s * 0.62, s * 0.62)}));
        p.drawEllipse(QPointF(s * 0.3, s * 0.66), s * 0.05, s * 0.05);
        p.drawEllipse(QPointF(s * 0.7, s * 0.66), s * 0.05, s * 0.05);
        if (kind == QLatin1String("ambulance")) {
            p.drawLine(QPointF(s * 0.40, s * 0.42), QPointF(s * 0.40, s * 0.56));
            p.drawLine(QPointF(s * 0.33, s * 0.49), QPointF(s * 0.47, s * 0.49));
        }
    } else if (kind == QLatin1String("social")) {
        p.drawEllipse(QPointF(s * 0.38, s * 0.36), s * 0.08, s * 0.08);
        p.drawEllipse(QPointF(s * 0.62, s * 0.36), s * 0.08, s * 0.08);
        p.drawArc(QRectF(s * 0.24, s * 0.5, s * 0.28, s * 0.3), 0, 180 * 16);
        p.drawArc(QRectF(s * 0.48, s * 0.5, s * 0.28, s * 0.3), 0, 180 * 16);
    } else if (kind == QLatin1String("calendar")) {
        p.drawRect(QRectF(s * 0.24, s * 0.28, s * 0.52, s * 0.46));
        p.drawLine(QPointF(s * 0.24, s * 0.40), QPointF(s * 0.76, s * 0.40));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j)
                p.drawPoint(QPointF(s * (0.34 + 0.16 * i), s * (0.50 + 0.12 * j)));
    } else if (kind == QLatin1String("flag")) {
        p.drawLine(QPointF(s * 0.3, s * 0.22), QPointF(s * 0.3, s * 0.8));
        p.drawPolygon(QPolygonF({QPointF(s * 0.3, s * 0.24), QPointF(s * 0.72, s * 0.34), QPointF(s * 0.3, s * 0.46)}));
    } else if (kind == QLatin1String("doctor")) {
        p.drawArc(QRectF(s * 0.28, s * 0.22, s * 0.36, s * 0.4), 180 * 16, 180 * 16);
        p.drawLine(QPointF(s * 0.46, s * 0.62), QPointF(s * 0.46, s * 0.72));
        p.drawEllipse(QPointF(s * 0.66, s * 0.66), s * 0.07, s * 0.07);
        p.drawArc(QRectF(s * 0.46, s * 0.6, s * 0.2, s * 0.2), 180 * 16, 180 * 16);
    }
    return pm;
}

}  // namespace vlm
