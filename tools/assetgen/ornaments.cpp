#include "ornaments.h"

#include <QPainter>
#include <QPainterPath>

void hairline(QPainter &p, int x0, int x1, int y, const QColor &color)
{
    p.fillRect(QRect(x0, y, x1 - x0, 1), color);
}

void dottedRule(QPainter &p, int x0, int x1, int y, const QColor &color)
{
    constexpr int pitch = 3;
    for (int x = x0; x < x1; x += pitch)
        p.fillRect(QRect(x, y, 1, 1), color);
}

void lozenge(QPainter &p, QPointF centre, double radius, const QColor &color)
{
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - radius);
    path.lineTo(centre.x() + radius, centre.y());
    path.lineTo(centre.x(), centre.y() + radius);
    path.lineTo(centre.x() - radius, centre.y());
    path.closeSubpath();
    p.fillPath(path, color);
}
