#include "catalogue.h"

#include "artwork.h"
#include "lettering.h"

#include <QPainter>

namespace {

const QString peaceMessage = QStringLiteral("私はあらゆる戦争に反対します。");

struct Weekday {
    const char *file;
    const char *label;
};
constexpr Weekday weekdays[] = {
    {"sun", "Sun"}, {"mon", "Mon"}, {"tue", "Tue"}, {"wed", "Wed"},
    {"thu", "Thu"}, {"fri", "Fri"}, {"sat", "Sat"},
};
constexpr QSize weekdayCell{36, 21};
// The bright Monday is wider to the right; its label stays in the
// common cell so it lines up with the others.
constexpr int wideMondayWidth = 47;

constexpr int dialFrames = 120;
constexpr qreal degreesPerFrame = 3;

void addPanels(std::vector<Picture> &out)
{
    out.push_back({"title-bar.png", {285, 31}, [](QPainter &p) { paintTitleBar(p, {285, 31}); }});
    out.push_back({"emblem.png", {284, 284}, [](QPainter &p) { paintEmblem(p, {284, 284}); }});
    out.push_back({"banner.png", {291, 30},
                   [](QPainter &p) { paintBanner(p, {291, 30}, peaceMessage); }});
    out.push_back({"bottom-panel.png", {285, 100},
                   [](QPainter &p) { paintBottomPanel(p, {285, 100}); }});
    out.push_back({"reveal-strip.png", {284, 21},
                   [](QPainter &p) { paintRevealStrip(p, {284, 21}); }});
    out.push_back({"dialog-background.png", {294, 170},
                   [](QPainter &p) { paintDialogBackground(p, {294, 170}); }});
}

void addFigures(std::vector<Picture> &out)
{
    constexpr QSize large{26, 39}, small{12, 16}, number{26, 20};
    for (int d = 0; d <= 9; ++d) {
        const QString digit = QString::number(d);
        out.push_back({"large-digits/" + digit + ".png", large,
                       [=](QPainter &p) { paintFigures(p, large, largeDigits(), digit); }});
        out.push_back({"small-digits/" + digit + ".png", small,
                       [=](QPainter &p) { paintFigures(p, small, smallDigits(), digit); }});
    }
    out.push_back({"large-digits/blank.png", large, [](QPainter &) {}});
    for (int n = 1; n <= 31; ++n) {
        const QString text = QString::number(n);
        out.push_back({"numbers/" + text + ".png", number,
                       [=](QPainter &p) { paintFigures(p, number, numberDigits(), text); }});
    }
    out.push_back({"colon.png", {9, 28}, [](QPainter &p) { paintColon(p, {9, 28}, largeDigits()); }});
    out.push_back({"slash.png", {10, 20}, [=](QPainter &p) { paintSlash(p, {10, 20}, numberDigits()); }});
    out.push_back({"large-slash.png", {16, 31}, [](QPainter &p) { paintFittedSlash(p, {16, 31}); }});
}

void addLabels(std::vector<Picture> &out)
{
    for (const Weekday &day : weekdays) {
        const QString label = QString::fromLatin1(day.label);
        const QString stem = QStringLiteral("weekdays/") + QLatin1String(day.file);
        const bool wide = QLatin1String(day.file) == QLatin1String("mon");
        const QSize brightSize(wide ? wideMondayWidth : weekdayCell.width(), weekdayCell.height());
        for (const bool bright : {true, false}) {
            out.push_back({stem + (bright ? "-bright.png" : "-dim.png"), bright ? brightSize : weekdayCell,
                           [=](QPainter &p) {
                               paintLabel(p, weekdayCell.width(), weekdayCell.height(), labels(),
                                          label, bright);
                           }});
        }
    }
    // Bright marks are a row taller; both are laid out for the dim height.
    constexpr QSize dimMark{24, 15}, brightMark{24, 16};
    for (const char *mark : {"am", "pm"}) {
        const QString text = QString::fromLatin1(mark);
        for (const bool bright : {true, false}) {
            out.push_back({"marks/" + text + (bright ? "-bright.png" : "-dim.png"),
                           bright ? brightMark : dimMark, [=](QPainter &p) {
                               paintLabel(p, dimMark.width(), dimMark.height(), marks(), text, bright);
                           }});
        }
    }
}

void addDial(std::vector<Picture> &out)
{
    constexpr QSize frame{dialCell, dialCell};
    for (int i = 0; i < dialFrames; ++i) {
        out.push_back({"dial/" + QString::number(i) + ".png", frame,
                       [=](QPainter &p) { paintDial(p, i * degreesPerFrame); }});
    }
    // The start picture is frame 0 less its bottom row, which is white.
    out.push_back({"dial-start.png", {dialCell, dialCell - 1}, [](QPainter &p) { paintDial(p, 0); }});
}

}  // namespace

std::vector<Picture> icons()
{
    std::vector<Picture> out;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString side = QString::number(size);
        out.push_back({side + 'x' + side + "/apps/orvalen.png", {size, size},
                       [=](QPainter &p) { paintIcon(p, size); }});
    }
    return out;
}

std::vector<Picture> catalogue()
{
    std::vector<Picture> out;
    addPanels(out);
    addFigures(out);
    addLabels(out);
    addDial(out);
    return out;
}
