#include "artwork.h"
#include "lettering.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>

namespace {

// DejaVu's slash is drawn lighter than its bold figures; thickening the
// outline evenly brings its colour up to the digits beside it.
constexpr qreal slashWeightGain = 0.06;

QPainterPath slashOutline(const Lettering &style)
{
    const QPainterPath glyph = setRun(style, QStringLiteral("/")).path;
    QPainterPathStroker thicken;
    thicken.setWidth(style.height * slashWeightGain);
    thicken.setJoinStyle(Qt::MiterJoin);
    thicken.setMiterLimit(1.2);
    return glyph.united(thicken.createStroke(glyph));
}

}  // namespace

void paintFigures(QPainter &p, QSize cell, const Lettering &style, const QString &text)
{
    const GlyphRun run = setRun(style, text);
    const qreal x = std::round((cell.width() - run.advance) / 2);
    fillRun(p, run, x, centredBaseline(style, cell.height()), palette::ink);
}

void paintColon(QPainter &p, QSize cell, const Lettering &style)
{
    const GlyphRun run = setRun(style, QStringLiteral(":"));
    const QRectF ink = run.path.boundingRect();
    // Whole-pixel offsets keep the dots' edges on the pixel grid as far
    // as the outlines allow.
    const qreal x = std::round((cell.width() - ink.width()) / 2 - ink.left());
    const qreal y = std::round((cell.height() - ink.height()) / 2 - ink.top());
    fillRun(p, run, x, y, palette::ink);
}

void paintSlash(QPainter &p, QSize cell, const Lettering &style)
{
    const QPainterPath slash = slashOutline(style);
    const QRectF ink = slash.boundingRect();
    const qreal x = std::round((cell.width() - ink.width()) / 2 - ink.left());
    p.fillPath(slash.translated(x, centredBaseline(style, cell.height())), palette::ink);
}

void paintFittedSlash(QPainter &p, QSize cell)
{
    // Size the figures so the slash's ink fills the cell less a pixel
    // margin; the stroke then matches figures of that size.
    constexpr qreal margin = 1;
    Lettering style = largeDigits();
    style.height *= (cell.height() - 2 * margin) / slashOutline(style).boundingRect().height();
    const QPainterPath slash = slashOutline(style);
    const QRectF ink = slash.boundingRect();
    p.fillPath(slash.translated((cell.width() - ink.width()) / 2 - ink.left(), margin - ink.top()),
               palette::ink);
}

void paintLabel(QPainter &p, int labelWidth, int layoutHeight, const Lettering &style,
                const QString &text, bool bright)
{
    const GlyphRun run = setRun(style, text);
    const qreal x = std::round((labelWidth - run.advance) / 2);
    // Dim and bright share the outlines and the placement; only the ink
    // changes, so lighting a label never moves it.
    fillRun(p, run, x, centredBaseline(style, layoutHeight),
            bright ? palette::ink : palette::dim);
}
