#include "layout/options.h"

#include <array>

#include "common/units.h"

namespace orvalen {
namespace {

constexpr std::array<Element, 22> BannerMoves = {
    Element::HourTens, Element::HourUnits, Element::Colon, Element::MinuteTens, Element::MinuteUnits,
    Element::YearThousands, Element::YearHundreds, Element::YearTens, Element::YearUnits,
    Element::Month, Element::DateSlash, Element::Day,
    Element::Sunday, Element::Monday, Element::Tuesday, Element::Wednesday,
    Element::Thursday, Element::Friday, Element::Saturday,
    Element::SecondsDial, Element::BottomPanel, Element::RevealStrip,
};

constexpr std::array<Element, 6> TimeRow = {
    Element::HourTens, Element::HourUnits, Element::Colon, Element::MinuteTens, Element::MinuteUnits,
    Element::SecondsDial,
};

}  // namespace

void ApplyBannerOption(MainWindow& window, std::string_view word) {
    if (word != "on") return;
    Surface& s = window.elements;
    s.SetVisible(Element::Banner, true);
    window.SetHeight(window.Height() + BannerGrowth);
    window.CollapsedHeight = static_cast<std::int16_t>(RoundHalfEven(window.Height()));
    for (Element e : BannerMoves) s.SetTop(e, s[e].top + BannerDrop);
}

void ApplyAmPmOption(MainWindow& window, std::string_view word) {
    Surface& s = window.elements;
    if (word == "on") {
        for (Element e : TimeRow) s.SetLeft(e, s[e].left + AmPmShift);
        const double markTop = s[Element::HourTens].top;
        s.SetLeft(Element::AmMark, 0);
        s.SetTop(Element::AmMark, markTop);
        s.SetLeft(Element::PmMark, 0);
        s.SetTop(Element::PmMark, markTop + PmMarkDrop);
    } else if (word == "off") {
        for (Element e : TimeRow) s.SetLeft(e, StandardLeft(e));
        s.SetLeft(Element::AmMark, ParkedLeft);
        s.SetLeft(Element::PmMark, ParkedLeft);
    }
}

}  // namespace orvalen
