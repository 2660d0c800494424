#include "artwork.h"
#include "lettering.h"
#include "ornaments.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

void fillInk(QPainter &p, QRectF area)
{
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0, palette::inkLight);
    shade.setColorAt(1, palette::inkDeep);
    p.fillRect(area, shade);
}

// Gold rule that fades in from `fadeFrom`, ending in a lozenge at `to`.
void taperedRule(QPainter &p, int fadeFrom, int to, int y)
{
    QLinearGradient fade(fadeFrom, 0, to, 0);
    QColor clear = palette::gold;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(1, palette::gold);
    p.fillRect(QRect(std::min(fadeFrom, to), y, std::abs(to - fadeFrom), 1), fade);
    lozenge(p, QPointF(to + (to > fadeFrom ? 3.0 : -3.0), y + 0.5), 2.5, palette::gold);
}

// Word centred on `centreX`, with dotted gold rules running out to both edges.
void centredCaption(QPainter &p, const QString &text, const Lettering &style, int centreX, int left,
                    int right, int height)
{
    const GlyphRun run = setRun(style, text);
    const qreal x = std::round(centreX - run.advance / 2);
    const qreal baseline = centredBaseline(style, height);
    fillRun(p, run, x, baseline, palette::ink);
    const int ruleY = int(baseline - style.height / 2);
    constexpr int gap = 9;
    dottedRule(p, left, int(x) - gap, ruleY, palette::gold);
    dottedRule(p, int(x + run.advance) + gap, right, ruleY, palette::gold);
}

Lettering titleLettering()
{
    return {serifBook(), u'H', 12, 1.0, u'H', 2.2};
}

// Small lowercase words on white.
Lettering captionLettering(qreal xHeight)
{
    return {sansBold(), u'x', xHeight, 1.0, u'x', 1.0};
}

Lettering buttonLettering()
{
    return {sansBold(), u'H', 9, 1.0, u'H', 1.0};
}

}  // namespace

void paintTitleBar(QPainter &p, QSize size)
{
    // The emblem overlaps the lowest rows, so the design ends above them.
    constexpr int hidden = 3;
    const int visible = size.height() - hidden;
    fillInk(p, QRectF(0, 0, size.width(), visible));
    p.fillRect(QRect(0, visible, size.width(), hidden), palette::inkDeep);
    hairline(p, 0, size.width(), 0, palette::inkLight.lighter(130));
    hairline(p, 0, size.width(), visible - 2, palette::gold);

    const Lettering style = titleLettering();
    const GlyphRun name = setRun(style, QStringLiteral("Orvalen"));
    const qreal x = std::round((size.width() - name.advance) / 2);
    const qreal baseline = centredBaseline(style, visible - 2);
    fillRun(p, name, x, baseline, palette::ivory);

    const int ruleY = int(baseline - style.height / 2);
    constexpr int gap = 10, margin = 14;
    taperedRule(p, margin, int(x) - gap, ruleY);
    taperedRule(p, size.width() - margin, int(x + name.advance) + gap, ruleY);
}

void paintBanner(QPainter &p, QSize size, const QString &message)
{
    fillInk(p, QRectF(QPointF(0, 0), size));
    constexpr int inset = 2;
    hairline(p, inset, size.width() - inset, inset, palette::gold);
    hairline(p, inset, size.width() - inset, size.height() - inset - 1, palette::gold);
    const qreal middle = size.height() / 2.0;
    drawGothicCentred(p, message, 16, size.width() / 2.0, middle, palette::ivory);
    constexpr qreal ornamentInset = 12;
    lozenge(p, QPointF(ornamentInset, middle), 2.5, palette::gold);
    lozenge(p, QPointF(size.width() - ornamentInset, middle), 2.5, palette::gold);
}

void paintBottomPanel(QPainter &p, QSize size)
{
    // Digits sit on this panel, so the only mark is a faint rule on top.
    constexpr int margin = 16;
    hairline(p, margin, size.width() - margin, 0, palette::hairline);
}

void paintRevealStrip(QPainter &p, QSize size)
{
    centredCaption(p, QStringLiteral("config"), captionLettering(6), size.width() / 2, 14,
                   size.width() - 14, size.height());
}

std::array<DialogControl, 6> dialogControls()
{
    return {{
        {QRect(14, 62, 13, 11), QStringLiteral("ノーマルスタイル")},
        {QRect(14, 84, 13, 13), QStringLiteral("スマートスタイル")},
        {QRect(14, 106, 13, 13), QStringLiteral("エンブレムスタイル")},
        {QRect(164, 60, 13, 13), QStringLiteral("戦争反対意思表示")},
        {QRect(164, 84, 13, 13), QStringLiteral("クロック表示")},
        {QRect(164, 106, 13, 13), QStringLiteral("am / pm 表示")},
    }};
}

namespace {

constexpr qreal labelSize = 11;
constexpr qreal headingSize = 12;
constexpr int labelGap = 5;
constexpr int dialogMargin = 12;

void paintDialogHeading(QPainter &p, QSize size)
{
    const Lettering style = captionLettering(7);
    const GlyphRun run = setRun(style, QStringLiteral("config"));
    constexpr qreal baseline = 19;
    fillRun(p, run, dialogMargin, baseline, palette::ink);
    const int ruleY = int(baseline - style.height / 2);
    const int ruleEnd = size.width() - dialogMargin;
    dottedRule(p, dialogMargin + int(run.advance) + 8, ruleEnd, ruleY, palette::gold);
    lozenge(p, QPointF(ruleEnd + 2, ruleY + 0.5), 2.5, palette::gold);
}

// Column heading with a gold lozenge before it and a faint rule beneath,
// spanning the column from its controls' left edge.
void paintColumnHeading(QPainter &p, const QString &text, int textLeft, int columnLeft,
                        int columnRight)
{
    constexpr qreal centreY = 44;
    constexpr int ruleY = 53;  // midway between the heading and the first control
    drawGothic(p, text, headingSize, textLeft, centreY, palette::ink);
    lozenge(p, QPointF(textLeft - 7, centreY), 2.5, palette::gold);
    hairline(p, columnLeft, columnRight, ruleY, palette::hairline);
}

void paintOkButton(QPainter &p, QRect box)
{
    // Half-pixel inset puts the one-pixel border exactly on the box's edge pixels.
    const QRectF face = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, palette::inkLight);
    shade.setColorAt(1, palette::inkDeep);
    p.setPen(QPen(palette::gold, 1.0));
    p.setBrush(shade);
    p.drawRoundedRect(face, 5, 5);

    const Lettering style = buttonLettering();
    const GlyphRun run = setRun(style, QStringLiteral("OK"));
    fillRun(p, run, std::round(face.center().x() - run.advance / 2),
            box.top() + centredBaseline(style, box.height()), palette::ivory);
}

}  // namespace

void paintDialogBackground(QPainter &p, QSize size)
{
    paintDialogHeading(p, size);
    const int right = size.width() - dialogMargin;
    paintColumnHeading(p, QStringLiteral("スタイル設定"), 33, 14, 146);
    paintColumnHeading(p, QStringLiteral("オプション設定"), 185, 164, right);
    for (const DialogControl &control : dialogControls())
        drawGothic(p, control.label, labelSize, control.box.right() + 1 + labelGap,
                   control.box.top() + control.box.height() / 2.0, palette::ink);
    paintOkButton(p, QRect(254, 128, 35, 27));
    dottedRule(p, dialogMargin, right, size.height() - 7, palette::gold);
}
