#pragma once

// The optional panels, applied after a layout in the order banner, dial,
// am/pm. The banner and the "on" form of the am/pm marks move things
// relative to where the layout put them.

#include <string_view>

#include "face/main_window.h"
#include "layout/placements.h"

namespace orvalen {

inline constexpr double BannerGrowth = 436.516;   // added to the window height
inline constexpr double BannerDrop = 435;         // added to the Top of what moves down
inline constexpr double AmPmShift = 449.37;       // added to the Left of the time row
inline constexpr double PmMarkDrop = 255;         // pm mark below the am mark

// Only the word "on" does anything.
void ApplyBannerOption(MainWindow& window, std::string_view word);

// "on" shows the marks and shifts the time row; "off" puts the row back and
// parks the marks; any other word does nothing.
void ApplyAmPmOption(MainWindow& window, std::string_view word);

}  // namespace orvalen
