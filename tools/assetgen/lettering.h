#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

class QPainter;
class QColor;
class QRectF;

// Latin lettering is set as outlines rather than with drawText: outlines
// let every cell put the same reference height on whole pixels and keep
// the placement identical across sizes and scales.
struct Lettering {
    QFont font;            // held at a large reference size
    QChar reference;       // 'H' snaps cap height, 'x' snaps x-height
    qreal height = 10;     // reference glyph height in logical pixels
    qreal squeeze = 1.0;   // horizontal factor applied to the outlines
    QChar centreOn = u'H'; // glyph whose ink band is centred in a cell
    qreal tracking = 0;    // extra space between letters, logical pixels
};

struct GlyphRun {
    QPainterPath path;     // baseline at y = 0, pen position starts at x = 0
    qreal advance = 0;     // without trailing tracking, for centring
};

GlyphRun setRun(const Lettering &style, const QString &text);

// The faces the artwork relies on; aborts when one is missing, because
// a substituted face would silently change the look of every picture.
QFont sansBold();
QFont serifBook();
QFont gothic(qreal pixelSize);

// Shared letter styles, so digits, numbers and years read as one family.
Lettering largeDigits();
Lettering numberDigits();
Lettering smallDigits();
Lettering labels();
Lettering marks();

void fillRun(QPainter &p, const GlyphRun &run, qreal x, qreal baseline, const QColor &color);

// Baseline that centres the `centreOn` band of `style` in a cell, rounded
// so the snapped reference height lands on whole pixels.
qreal centredBaseline(const Lettering &style, qreal cellHeight);

// Draws Japanese text with its ink box centred vertically on `centreY`.
void drawGothic(QPainter &p, const QString &text, qreal pixelSize, qreal left, qreal centreY,
                const QColor &color);
// Same, centred horizontally on `centreX` by advance width.
void drawGothicCentred(QPainter &p, const QString &text, qreal pixelSize, qreal centreX,
                       qreal centreY, const QColor &color);
