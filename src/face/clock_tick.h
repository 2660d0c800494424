#pragma once

// The twice-a-second refresh of the face.

#include <cstdint>
#include <string_view>

#include "common/event_pump.h"
#include "face/clock_source.h"
#include "face/surface.h"

namespace orvalen {

// Day of the week of a date of the proleptic Gregorian calendar, 1 = Sunday.
int DayOfWeek(int year, int month, int day);

class ClockFace final {
public:
    ClockFace(Surface& surface, ClockSource& clock, EventPump& pump) : surface_(surface), clock_(clock), pump_(pump) {}

    // Reads the clock twice, for the time and then for the date, and sets
    // the time, weekday, seconds dial and date readouts in that order.
    // amPmOption is the setting as it stands: exactly "on" gives 12-hour time.
    void ClockTick(const std::string& amPmOption);

    // Lets pending events run first, then shows frame position / 5.
    void ShowSecondsDial(std::int16_t position);

    // Tenths of a second within the minute, 0..590.
    std::int16_t DialPosition = 0;

private:
    Surface& surface_;
    ClockSource& clock_;
    EventPump& pump_;
};

}  // namespace orvalen
