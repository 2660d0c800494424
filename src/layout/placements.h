#pragma once

// Where the normal and the mini layout put each element, in the order they
// place them. The mini layout lifts every group below the emblem.

#include <array>
#include <cstdint>

#include "face/elements.h"

namespace orvalen {

// A Left far beyond the window's right edge, where the mini layout puts the
// emblem and the am/pm option parks its marks.
inline constexpr double ParkedLeft = 12482.64;

struct Placement {
    Element element;
    float left;  // twips
    float top;
    std::uint8_t liftGroup;  // elements the mini layout lifts together; 0: not lifted
};

inline constexpr std::array<Placement, 25> Placements = {{
    {Element::HourTens, 60, 4800, 1},
    {Element::HourUnits, 480, 4800, 1},
    {Element::Colon, 900, 4920, 1},
    {Element::MinuteTens, 1080, 4800, 1},
    {Element::MinuteUnits, 1500, 4800, 1},
    {Element::YearThousands, 2400, 4800, 2},
    {Element::YearHundreds, 2580, 4800, 2},
    {Element::YearTens, 2760, 4800, 2},
    {Element::YearUnits, 2940, 4800, 2},
    {Element::Month, 3180, 4800, 3},
    {Element::DateSlash, 3600, 4800, 3},
    {Element::Day, 3780, 4800, 3},
    {Element::Sunday, 60, 5460, 4},
    {Element::Monday, 660, 5460, 4},
    {Element::Tuesday, 1320, 5460, 4},
    {Element::Wednesday, 1920, 5460, 4},
    {Element::Thursday, 2580, 5460, 4},
    {Element::Friday, 3240, 5460, 4},
    {Element::Saturday, 3780, 5460, 4},
    {Element::TitleBar, 0, 0, 0},
    {Element::Emblem, 0, 420, 0},
    {Element::SecondsDial, 1920, 5025, 5},
    {Element::BottomPanel, -15, 4635, 6},
    {Element::Banner, -60, 4650, 7},
    {Element::RevealStrip, 15, 5790, 8},
}};

// The Left the normal and the mini layout give an element they place.
constexpr float StandardLeft(Element e) {
    for (const Placement& p : Placements)
        if (p.element == e) return p.left;
    return 0;
}

}  // namespace orvalen
