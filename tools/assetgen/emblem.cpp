#include "artwork.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// Heater shield: a gently arched top, straight flanks, and curves that
// meet in a point.
QPainterPath shieldPath(const QRectF &r, bool arched = true)
{
    const qreal cx = r.center().x();
    const qreal shoulder = r.top() + r.height() * 0.40;
    const qreal arch = arched ? r.height() * 0.035 : 0;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.quadTo(QPointF(cx, r.top() + 2 * arch), r.topRight());
    path.lineTo(r.right(), shoulder);
    path.cubicTo(QPointF(r.right(), r.top() + r.height() * 0.76),
                 QPointF(cx + r.width() * 0.20, r.bottom() - r.height() * 0.07),
                 QPointF(cx, r.bottom()));
    path.cubicTo(QPointF(cx - r.width() * 0.20, r.bottom() - r.height() * 0.07),
                 QPointF(r.left(), r.top() + r.height() * 0.76), QPointF(r.left(), shoulder));
    path.closeSubpath();
    return path;
}

// Shrinks the shield evenly along its outline; the point needs more room
// than the flanks because it is acute.
QRectF inset(const QRectF &r, qreal by)
{
    return r.adjusted(by, by, -by, -by * 1.9);
}

// Room around the shield: its neighbours on the clock overlap the top and
// bottom rows, and the shadow needs a few more below.
constexpr qreal sideMargin = 36;
constexpr qreal endMargin = 12;
constexpr qreal rimWidth = 9;
constexpr qreal innerRuleInset = 6;

// What a drawing of the shield shows: the emblem shows everything, an icon
// only what stays legible at its size.
struct Detail {
    qreal rim;    // width, in drawing units
    bool arched;  // the top's arch; a flat top keeps the rim one crisp row
    bool stars;
    bool fine;    // bevel, inner rule, feather lines, olive branch, the dove's eye
};

void paintShadow(QPainter &p, const QPainterPath &outline)
{
    // A soft shadow from stacked strokes, wider ones fainter, lifts the
    // shield off the white ground without a blur pass.
    const QPainterPath dropped = outline.translated(0, 2.5);
    for (int i = 4; i >= 1; --i) {
        QColor shade = palette::ink;
        shade.setAlphaF(0.035);
        p.setPen(QPen(shade, i * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(dropped);
    }
}

void paintRim(QPainter &p, const QRectF &shieldBounds, const QPainterPath &outer,
              const QPainterPath &inner, const Detail &detail)
{
    QLinearGradient metal(shieldBounds.topLeft(), shieldBounds.bottomRight());
    metal.setColorAt(0.0, palette::goldLight);
    metal.setColorAt(0.45, palette::gold);
    metal.setColorAt(1.0, palette::goldDeep);
    p.setPen(Qt::NoPen);
    p.fillPath(outer.subtracted(inner), metal);
    if (!detail.fine)
        return;

    // Bevel: light along the outer edge, dark where the rim meets the field.
    QColor shine = palette::ivory;
    shine.setAlphaF(0.55);
    p.strokePath(shieldPath(inset(shieldBounds, 1.6)), QPen(shine, 1.0));
    p.strokePath(outer, QPen(palette::goldDeep, 1.2));
    p.strokePath(inner, QPen(palette::goldDeep, 1.4));
}

void paintField(QPainter &p, const QRectF &shieldBounds, const QPainterPath &field, const Detail &detail)
{
    QLinearGradient depth(0, shieldBounds.top(), 0, shieldBounds.bottom());
    depth.setColorAt(0.0, palette::inkLight);
    depth.setColorAt(0.55, palette::ink);
    depth.setColorAt(1.0, palette::inkDeep);
    p.fillPath(field, depth);

    p.save();
    p.setClipPath(field);
    QRadialGradient glow(QPointF(shieldBounds.center().x() - 40, shieldBounds.top() + 40), 150);
    QColor light = palette::ivory;
    light.setAlphaF(0.13);
    QColor none = light;
    none.setAlphaF(0);
    glow.setColorAt(0, light);
    glow.setColorAt(1, none);
    p.fillRect(shieldBounds, glow);
    p.restore();
    if (!detail.fine)
        return;

    QColor rule = palette::gold;
    rule.setAlphaF(0.75);
    p.strokePath(shieldPath(inset(shieldBounds, detail.rim + innerRuleInset)), QPen(rule, 1.0));
}

// The dove is drawn in 100-unit coordinates, facing left, wings raised.
QPainterPath doveBody()
{
    QPainterPath body;
    body.moveTo(12.5, 47);                           // beak tip
    body.cubicTo(15.5, 44.5, 18.5, 43, 21.5, 42);    // upper mandible
    body.cubicTo(23, 35, 32.5, 33, 37, 39);          // crown and nape
    body.cubicTo(41, 44, 48, 47, 58, 48.5);          // back
    body.cubicTo(64, 49.5, 69, 49.5, 74, 49);        // rump
    body.lineTo(93, 43);                             // tail, upper feather
    body.quadTo(92, 46.5, 89, 49);
    body.lineTo(96, 50.5);                           // middle feather
    body.quadTo(93, 54, 89, 54.5);
    body.lineTo(93, 60);                             // lower feather
    body.quadTo(82, 59.5, 73, 57);
    body.cubicTo(64, 64, 46, 67, 35, 61);            // belly
    body.cubicTo(29, 58, 25, 53, 22, 50.5);          // breast
    body.cubicTo(19, 49, 16, 48, 12.5, 47);          // lower mandible
    body.closeSubpath();
    return body;
}

QPainterPath nearWing()
{
    QPainterPath wing;
    wing.moveTo(39, 45);                             // shoulder
    wing.cubicTo(37, 32, 44, 17, 58, 8);             // leading edge
    wing.cubicTo(63, 5, 69, 3, 76, 2);               // wing tip
    // Trailing edge: each primary ends in a soft round tip.
    wing.quadTo(76, 6.5, 71, 9);
    wing.quadTo(80, 9, 80, 12);
    wing.quadTo(78, 15, 72, 16);
    wing.quadTo(81, 17, 80, 21);
    wing.quadTo(77, 24, 71, 24);
    wing.quadTo(78, 27, 76, 31);
    wing.quadTo(72, 33.5, 67, 32);
    wing.quadTo(72, 37, 69, 40.5);
    wing.quadTo(65, 42, 62, 40);
    wing.quadTo(64, 45, 60, 48.5);
    wing.cubicTo(52, 48, 45, 47.5, 39, 45);
    wing.closeSubpath();
    return wing;
}

// Only the far wing's leading feathers show, to the left of the near wing.
QPainterPath farWing()
{
    QPainterPath wing;
    wing.moveTo(35, 42);
    wing.cubicTo(31, 30, 34, 16, 43, 4);
    wing.quadTo(47, 7, 46.5, 11);
    wing.quadTo(50, 7, 54, 6.5);
    wing.quadTo(54.5, 10.5, 51.5, 13.5);
    wing.quadTo(55, 12, 59, 12.5);
    wing.cubicTo(50, 22, 45, 33, 44, 46);
    wing.closeSubpath();
    return wing;
}

// Feather lines on the near wing: from the wing's root towards each tip.
QPainterPath wingFeathers()
{
    QPainterPath lines;
    const QPointF tips[] = {{71, 9}, {72, 16}, {71, 24}, {67, 32}, {62, 40}};
    const QPointF roots[] = {{58, 14}, {56, 22}, {55, 30}, {54, 37}, {53, 43}};
    for (int i = 0; i < 5; ++i) {
        lines.moveTo(roots[i]);
        lines.quadTo((roots[i] + tips[i]) / 2 + QPointF(0, 1.5), tips[i]);
    }
    // Covert line dividing the wing's shoulder from its flight feathers.
    lines.moveTo(42, 40);
    lines.cubicTo(44, 28, 50, 18, 60, 11);
    return lines;
}

QPainterPath leaf(QPointF base, qreal angleDegrees, qreal length, qreal width)
{
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.quadTo(length * 0.45, -width, length, 0);
    shape.quadTo(length * 0.45, width, 0, 0);
    shape.closeSubpath();
    QTransform place;
    place.translate(base.x(), base.y());
    place.rotate(angleDegrees);
    return place.map(shape);
}

struct OliveBranch {
    QPainterPath stem;
    QPainterPath leaves;
    QPainterPath olives;
};

// A sprig held in the beak, leaves alternating down a curved stem.
OliveBranch oliveBranch()
{
    OliveBranch branch;
    branch.stem.moveTo(16, 47.5);
    branch.stem.cubicTo(11, 52, 7, 60, 6, 72);

    struct Leaf {
        QPointF base;
        qreal angle;
        qreal length;
    };
    const Leaf leaves[] = {
        {{13.2, 50}, 200, 9},  {{11.4, 52.6}, 40, 9.5}, {{9.6, 56}, 190, 10},
        {{8.4, 59.5}, 55, 10},  {{7.4, 63.5}, 175, 9.5}, {{6.8, 67}, 65, 9},
        {{6, 72}, 100, 8},
    };
    for (const Leaf &l : leaves)
        branch.leaves.addPath(leaf(l.base, l.angle, l.length, 2.6));
    branch.olives.addEllipse(QPointF(15.5, 57), 1.6, 2.0);
    branch.olives.addEllipse(QPointF(2.8, 63), 1.6, 2.0);
    return branch;
}

void paintOliveBranch(QPainter &p, const OliveBranch &branch)
{
    p.strokePath(branch.stem, QPen(palette::gold, 1.1, Qt::SolidLine, Qt::RoundCap));
    QLinearGradient sheen(0, 45, 0, 80);
    sheen.setColorAt(0, palette::goldLight);
    sheen.setColorAt(1, palette::gold);
    p.fillPath(branch.leaves, sheen);
    // Each leaf outlined on its own, so overlaps keep their edges.
    for (const QPolygonF &outline : branch.leaves.toSubpathPolygons())
        p.drawPolygon(outline);
    p.fillPath(branch.olives, palette::goldDeep);
}

QColor withAlpha(QColor color, qreal alpha)
{
    color.setAlphaF(alpha);
    return color;
}

// Light from the upper left: shade the lower half of a white shape.
void shadeBelow(QPainter &p, const QPainterPath &shape)
{
    const QRectF r = shape.boundingRect();
    QLinearGradient fall(0, r.top() + r.height() * 0.35, 0, r.bottom());
    fall.setColorAt(0, withAlpha(palette::featherShade, 0));
    fall.setColorAt(1, palette::featherShade);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.fillRect(r, fall);
    p.restore();
}

void paintDove(QPainter &p, QPointF centre, qreal unit, const Detail &detail)
{
    const QPainterPath body = doveBody();
    const QPainterPath near = nearWing();
    const QPainterPath far = farWing();
    const OliveBranch branch = oliveBranch();
    const QPainterPath silhouette = body.united(near).united(far);
    const QRectF art = silhouette.boundingRect()
                           .united(branch.leaves.boundingRect())
                           .united(branch.olives.boundingRect());

    p.save();
    p.translate(centre);
    p.scale(unit, unit);
    p.translate(-art.center());

    p.fillPath(silhouette.translated(1.2, 1.6), withAlpha(palette::inkDeep, 0.45));

    QLinearGradient farShade(0, 4, 0, 46);
    farShade.setColorAt(0, palette::paper);
    farShade.setColorAt(1, palette::featherShade);
    p.fillPath(far, farShade);
    p.fillPath(body, palette::paper);
    shadeBelow(p, body);
    p.fillPath(near, palette::paper);
    if (detail.fine) {
        p.strokePath(wingFeathers(), QPen(palette::featherLine, 0.55, Qt::SolidLine, Qt::RoundCap));

        p.setPen(QPen(palette::goldDeep, 0.35));
        paintOliveBranch(p, branch);

        p.setPen(Qt::NoPen);
        p.setBrush(palette::inkDeep);
        p.drawEllipse(QPointF(26, 40.5), 1.1, 1.1);
    }
    p.restore();
}

// Five-pointed gold star.
QPainterPath star(QPointF centre, qreal radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? radius * 0.42 : radius;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF point = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        i ? path.lineTo(point) : path.moveTo(point);
    }
    path.closeSubpath();
    return path;
}

// Three stars in a shallow arc fill the narrowing point of the field.
void paintStars(QPainter &p, QPointF centre)
{
    constexpr qreal spacing = 24, lift = 4, radius = 6.5;
    QLinearGradient sheen(0, centre.y() - radius, 0, centre.y() + radius);
    sheen.setColorAt(0, palette::goldLight);
    sheen.setColorAt(1, palette::gold);
    for (int i = -1; i <= 1; ++i) {
        const QPointF at = centre + QPointF(i * spacing, i ? -lift : 0);
        p.fillPath(star(at, radius), sheen);
    }
}

void paintShield(QPainter &p, const QRectF &bounds, const Detail &detail)
{
    const QPainterPath outer = shieldPath(bounds, detail.arched);
    const QPainterPath field = shieldPath(inset(bounds, detail.rim), detail.arched);
    paintRim(p, bounds, outer, field, detail);
    paintField(p, bounds, field, detail);
    // Optically centred: a little above the middle, as the shield narrows.
    paintDove(p, QPointF(bounds.center().x(), bounds.top() + bounds.height() * 0.43), 1.75, detail);
    if (detail.stars)
        paintStars(p, QPointF(bounds.center().x(), bounds.top() + bounds.height() * 0.74));
}

// The measures of the drawing (dove, stars, glow) are made for the emblem's
// shield, this tall.
constexpr qreal drawingHeight = 260;
// Width to height, as on the emblem.
constexpr qreal shieldAspect = 212 / drawingHeight;
// Icon sizes from which each detail stays legible.
constexpr int archedFrom = 48, starsFrom = 64, fineFrom = 128;

}  // namespace

void paintEmblem(QPainter &p, QSize size)
{
    const QRectF shieldBounds =
        QRectF(QPointF(0, 0), size).adjusted(sideMargin, endMargin, -sideMargin, -endMargin);
    paintShadow(p, shieldPath(shieldBounds));
    paintShield(p, shieldBounds, {rimWidth, true, true, true});
}

void paintIcon(QPainter &p, int size)
{
    // Flanks and rim on whole pixels keep the small sizes crisp; larger
    // sizes get a little room around the shield.
    const int margin = size / 32;
    const int height = size - 2 * margin;
    int width = qRound(height * shieldAspect);
    width += (size - width) % 2;  // centred on whole pixels
    const qreal unit = height / drawingHeight;
    const qreal rim = std::max(1, qRound(rimWidth * unit)) / unit;
    p.save();
    p.scale(unit, unit);
    paintShield(p, QRectF((size - width) / 2 / unit, margin / unit, width / unit, height / unit),
                {rim, size >= archedFrom, size >= starsFrom, size >= fineFrom});
    p.restore();
}
