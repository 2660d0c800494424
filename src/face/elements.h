#pragma once

// The display surface of the main window: every image element, defined once.

#include <array>
#include <cstdint>
#include <string_view>

#include "face/pictures.h"

namespace orvalen {

// The elements by role. The first fourteen are the readout slot array
// Image9 in index order, the next seven the weekday row Image12.
enum class Element : std::uint8_t {
    HourTens, HourUnits, Colon, MinuteTens, MinuteUnits, AmMark,
    YearThousands, YearHundreds, YearTens, YearUnits, Month, DateSlash, Day, PmMark,
    Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday,
    SecondsDial, TitleBar, Emblem, Banner, BottomPanel, RevealStrip,
};

inline constexpr int ElementCount = 27;

// The pointer events an element reports.
enum PointerEvents : std::uint8_t {
    NoEvents = 0,
    Drags = 1,         // button down, move and up: drag and reveal
    EndsOnDoubleClick = 2,
    OpensOnClick = 4,  // the reveal strip's way into the settings
};

struct ElementDefinition {
    std::string_view formName;
    std::string_view role;
    PictureId initialPicture;
    float left;   // design position, twips
    float top;
    int stackRank;  // 1 is topmost
    std::uint8_t events;
};

constexpr PictureId Digit0 = BankEntry(Bank::LargeDigits, 0);
constexpr PictureId Small0 = BankEntry(Bank::SmallDigits, 0);
constexpr PictureId Number1 = BankEntry(Bank::Numbers, 0);
constexpr PictureId DimDay(int k) { return BankEntry(Bank::DimWeekdays, k); }
constexpr std::uint8_t Slot = Drags | EndsOnDoubleClick;

// Every element starts visible with its initial picture at its design place.
inline constexpr std::array<ElementDefinition, ElementCount> Elements = {{
    {"Image9(0)", "HourTens", Digit0, 480, 5205, 12, Slot},
    {"Image9(1)", "HourUnits", Digit0, 900, 5205, 23, Slot},
    {"Image9(2)", "Colon", picture::Colon, 1320, 5325, 26, Slot},
    {"Image9(3)", "MinuteTens", Digit0, 1500, 5205, 25, Slot},
    {"Image9(4)", "MinuteUnits", Digit0, 1920, 5205, 24, Slot},
    {"Image9(5)", "AmMark", BankEntry(Bank::Marks, AmDim), 7500, 3915, 11, Slot},
    {"Image9(6)", "YearThousands", Small0, 2385, 5205, 3, Slot},
    {"Image9(7)", "YearHundreds", Small0, 2565, 5205, 2, Slot},
    {"Image9(8)", "YearTens", Small0, 2745, 5205, 22, Slot},
    {"Image9(9)", "YearUnits", Small0, 2925, 5205, 9, Slot},
    {"Image9(10)", "Month", Number1, 3165, 5205, 21, Slot},
    {"Image9(11)", "DateSlash", picture::Slash, 3585, 5205, 20, Slot},
    {"Image9(12)", "Day", Number1, 3765, 5205, 19, Slot},
    {"Image9(13)", "PmMark", BankEntry(Bank::Marks, PmDim), 8100, 3855, 5, Slot},
    {"Image12(0)", "Sunday", DimDay(0), 45, 5865, 10, Drags},
    {"Image12(1)", "Monday", DimDay(1), 645, 5865, 18, Drags},
    {"Image12(2)", "Tuesday", DimDay(2), 1305, 5865, 17, Drags},
    {"Image12(3)", "Wednesday", DimDay(3), 1905, 5865, 16, Drags},
    {"Image12(4)", "Thursday", DimDay(4), 2565, 5865, 15, Drags},
    {"Image12(5)", "Friday", DimDay(5), 3210, 5865, 14, Drags},
    {"Image12(6)", "Saturday", DimDay(6), 3765, 5865, 13, Drags},
    {"Image15", "SecondsDial", picture::DialStart, 2340, 5481, 7, Slot},
    {"Image14", "TitleBar", picture::TitleBar, 0, 0, 8, Slot},
    {"Image13", "Emblem", picture::Emblem, 0, 420, 1, Slot},
    {"Image16", "Banner", picture::Banner, -60, 4620, 6, Slot},
    {"Image2", "BottomPanel", picture::BottomPanel, -30, 5040, 27, Slot},
    {"Image17", "RevealStrip", picture::RevealStrip, 15, 6180, 4, OpensOnClick},
}};

constexpr int Index(Element e) { return static_cast<int>(e); }
constexpr const ElementDefinition& Definition(Element e) { return Elements[Index(e)]; }

// Image9(i) and Image12(k).
constexpr Element ReadoutSlot(int i) { return static_cast<Element>(i); }
constexpr Element WeekdaySlot(int k) { return static_cast<Element>(Index(Element::Sunday) + k); }

// The elements from the bottom of the stacking order to its top: the order
// in which they are painted.
constexpr std::array<Element, ElementCount> PaintOrder() {
    std::array<Element, ElementCount> order{};
    for (int i = 0; i < ElementCount; ++i) order[ElementCount - Elements[i].stackRank] = static_cast<Element>(i);
    return order;
}

// The design of the window itself, in twips.
inline constexpr float DesignWindowLeft = 5295;
inline constexpr float DesignWindowTop = 3540;
inline constexpr double DesignClientWidth = 10935;
inline constexpr double DesignClientHeight = 11970;

}  // namespace orvalen
