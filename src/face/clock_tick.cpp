#include "face/clock_tick.h"

#include <array>
#include <cstdio>
#include <string>

#include "face/readouts.h"
#include "face/text_fields.h"

namespace orvalen {
namespace {

// "H:mm:ss" and "yyyy/MM/dd", built here and never from the locale.
using ClockText = std::array<char, 24>;

std::string_view TimeText(const LocalDateTime& t, ClockText& buffer) {
    const int n = std::snprintf(buffer.data(), buffer.size(), "%d:%02d:%02d", t.hour, t.minute, t.second);
    return {buffer.data(), static_cast<std::size_t>(n)};
}

std::string_view DateText(const LocalDateTime& t, ClockText& buffer) {
    const int n = std::snprintf(buffer.data(), buffer.size(), "%04d/%02d/%02d", t.year, t.month, t.day);
    return {buffer.data(), static_cast<std::size_t>(n)};
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
    // Days since 1970-01-01 (a Thursday) by the civil-calendar algorithm.
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = static_cast<long long>(era) * 146097 + dayOfEra - 719468;
    const int thursdayBased = static_cast<int>(((days % 7) + 7) % 7);
    return (thursdayBased + 4) % 7 + 1;
}

void ClockFace::ClockTick(const std::string& amPmOption) {
    ClockText timeBuffer;
    ClockText dateBuffer;
    const std::string_view time = TimeText(clock_.Now(), timeBuffer);
    const LocalDateTime date = clock_.Now();
    const std::string_view dateText = DateText(date, dateBuffer);
    const std::string_view weekday = WeekdayNames[DayOfWeek(date.year, date.month, date.day) - 1];

    DialPosition = static_cast<std::int16_t>(NumericValue(GetField(time, ":", 3)) * 10);
    if (DialPosition == 600) DialPosition = 0;

    ShowTime(surface_, time, amPmOption);
    ShowWeekday(surface_, weekday);
    ShowSecondsDial(DialPosition);
    ShowDate(surface_, dateText);
}

void ClockFace::ShowSecondsDial(std::int16_t position) {
    pump_.DoEvents();
    surface_.SetPicture(Element::SecondsDial, BankEntry(Bank::DialFrames, position / 5));
}

}  // namespace orvalen
