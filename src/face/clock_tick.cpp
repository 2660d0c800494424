#include "face/clock_tick.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "face/readouts.h"
#include "face/text_fields.h"

namespace orvalen {
namespace {

// "H:mm:ss" and "yyyy/MM/dd", built here and never from the locale: three
// numbers of at most 11 characters each and two separators.
using ClockText = std::array<char, 36>;

// The decimal digits of value, at least width of them with a sign, as
// printf's "%0*d" writes them.
char* PutNumber(char* out, int value, int width) {
    std::array<char, 11> digits;
    const char* first = digits.data();
    const char* last = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    if (*first == '-') {
        *out++ = *first++;
        --width;
    }
    out = std::fill_n(out, std::max(0, width - static_cast<int>(last - first)), '0');
    return std::copy(first, last, out);
}

std::string_view ThreeNumbers(ClockText& buffer, char separator, std::array<int, 3> values, std::array<int, 3> widths) {
    char* out = buffer.data();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) *out++ = separator;
        out = PutNumber(out, values[i], widths[i]);
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

std::string_view TimeText(const LocalDateTime& t, ClockText& buffer) {
    return ThreeNumbers(buffer, ':', {t.hour, t.minute, t.second}, {1, 2, 2});
}

std::string_view DateText(const LocalDateTime& t, ClockText& buffer) {
    return ThreeNumbers(buffer, '/', {t.year, t.month, t.day}, {4, 2, 2});
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
