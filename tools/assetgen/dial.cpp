#include "artwork.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The centre sits on a pixel corner of the even cell, so the ring is
// symmetric and the top and bottom rows stay white.
constexpr QPointF centre{dialCell / 2.0, dialCell / 2.0};
constexpr qreal ringRadius = 11.5;
constexpr qreal ringWidth = 1.0;
// Quarter ticks and the hand are two pixels wide: centred on the pixel
// corner they cover whole columns at 12, 3, 6 and 9 and stay crisp.
constexpr qreal tickOuter = 10;
constexpr qreal quarterTickInner = 7;
constexpr qreal quarterTickWidth = 2;
constexpr qreal hourDotRadius = 0.75;
constexpr qreal hourDotDistance = 9;
constexpr qreal handLength = 9;
constexpr qreal tailLength = 2.5;
constexpr qreal handWidth = 2;
constexpr qreal hubRadius = 2;

void paintRing(QPainter &p)
{
    p.setPen(QPen(palette::ink, ringWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, ringRadius, ringRadius);
}

void paintTicks(QPainter &p)
{
    p.save();
    p.translate(centre);
    for (int hour = 0; hour < 12; ++hour) {
        if (hour % 3 == 0) {
            p.fillRect(QRectF(-quarterTickWidth / 2, -tickOuter, quarterTickWidth,
                              tickOuter - quarterTickInner),
                       palette::ink);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(palette::ink);
            p.drawEllipse(QPointF(0, -hourDotDistance), hourDotRadius, hourDotRadius);
        }
        p.rotate(30);
    }
    p.restore();
}

void paintHand(QPainter &p, qreal degrees)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    p.setPen(QPen(palette::gold, handWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, tailLength), QPointF(0, -handLength));
    p.restore();

    p.setPen(Qt::NoPen);
    p.setBrush(palette::goldDeep);
    p.drawEllipse(centre, hubRadius, hubRadius);
    p.setBrush(palette::goldLight);
    p.drawEllipse(centre, hubRadius * 0.45, hubRadius * 0.45);
}

}  // namespace

void paintDial(QPainter &p, qreal degrees)
{
    paintRing(p);
    paintTicks(p);
    paintHand(p, degrees);
}
