#include "lettering.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qreal referencePixelSize = 200;

QFont requireFont(const QString &family, QFont::Weight weight, qreal pixelSize)
{
    QFont font(family);
    font.setWeight(weight);
    font.setPixelSize(qRound(pixelSize));
    font.setStyleStrategy(QFont::PreferAntialias);
    if (QFontInfo(font).family() != family) {
        std::fprintf(stderr, "assetgen: font \"%s\" is not installed\n", qPrintable(family));
        std::exit(2);
    }
    return font;
}

qreal glyphHeight(const QFont &font, QChar glyph)
{
    QPainterPath probe;
    probe.addText(0, 0, font, QString(glyph));
    return -probe.boundingRect().top();
}

qreal referenceHeight(const Lettering &style) { return glyphHeight(style.font, style.reference); }

}  // namespace

QFont sansBold() { return requireFont(QStringLiteral("DejaVu Sans"), QFont::Bold, referencePixelSize); }
QFont serifBook() { return requireFont(QStringLiteral("DejaVu Serif"), QFont::Normal, referencePixelSize); }

QFont gothic(qreal pixelSize)
{
    QFont font = requireFont(QStringLiteral("IPAGothic"), QFont::Normal, pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// A slight squeeze turns DejaVu's wide bold figures into a clock face
// that fits the narrow cells without losing weight.
constexpr qreal figureSqueeze = 0.88;

Lettering largeDigits() { return {sansBold(), u'H', 29, figureSqueeze}; }
Lettering numberDigits() { return {sansBold(), u'H', 14, figureSqueeze}; }
Lettering smallDigits() { return {sansBold(), u'H', 10, figureSqueeze}; }
// Lowercase dominates the words, so they snap their x-height.
Lettering labels() { return {sansBold(), u'x', 8, figureSqueeze, u'H'}; }
Lettering marks() { return {sansBold(), u'x', 7, figureSqueeze, u'x'}; }

GlyphRun setRun(const Lettering &style, const QString &text)
{
    const qreal k = style.height / referenceHeight(style);
    const qreal kx = k * style.squeeze;
    QFont font = style.font;
    font.setLetterSpacing(QFont::AbsoluteSpacing, style.tracking / kx);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text) * kx - style.tracking;
    return {QTransform::fromScale(kx, k).map(raw), advance};
}

void fillRun(QPainter &p, const GlyphRun &run, qreal x, qreal baseline, const QColor &color)
{
    p.fillPath(run.path.translated(x, baseline), color);
}

qreal centredBaseline(const Lettering &style, qreal cellHeight)
{
    const qreal band = style.height * glyphHeight(style.font, style.centreOn) / referenceHeight(style);
    return std::round((cellHeight + band) / 2);
}

namespace {

QRectF gothicInk(const QFont &font)
{
    // Centre on a full ideograph so kana and Latin in the same line share
    // one baseline instead of each being centred on its own ink.
    return QFontMetricsF(font).tightBoundingRect(QStringLiteral("設"));
}

}  // namespace

void drawGothic(QPainter &p, const QString &text, qreal pixelSize, qreal left, qreal centreY,
                const QColor &color)
{
    const QFont font = gothic(pixelSize);
    const QRectF ink = gothicInk(font);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPointF(left, std::round(centreY - ink.center().y())), text);
}

void drawGothicCentred(QPainter &p, const QString &text, qreal pixelSize, qreal centreX,
                       qreal centreY, const QColor &color)
{
    const qreal width = QFontMetricsF(gothic(pixelSize)).horizontalAdvance(text);
    drawGothic(p, text, pixelSize, std::round(centreX - width / 2), centreY, color);
}
