#pragma once

// The readouts: each sets its slots from the glyph banks.

#include <string_view>

#include "face/surface.h"

namespace orvalen {

inline constexpr std::array<std::string_view, 7> WeekdayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// The hour and minute digits from a time text "H:mm:ss"; in 12-hour form
// (amPmOption exactly "on") also the am and pm marks.
void ShowTime(Surface& surface, std::string_view timeText, std::string_view amPmOption);

// Lights today's label and dims every other one. An unknown name changes
// nothing.
void ShowWeekday(Surface& surface, std::string_view weekdayName);

// The year digits, the month and the day from a date text "yyyy/MM/dd".
void ShowDate(Surface& surface, std::string_view dateText);

}  // namespace orvalen
