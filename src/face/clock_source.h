#pragma once

#include <ctime>

namespace orvalen {

// One reading of the local date and time.
struct LocalDateTime {
    int year;
    int month;  // 1..12
    int day;    // 1..31
    int hour;   // 0..23
    int minute;
    int second;  // 0..60
};

// The local date and time of an instant, in the C library's zone (TZ), so
// that daylight saving and a faked clock apply as everywhere else.
LocalDateTime LocalDateTimeAt(std::time_t instant);

class ClockSource {
public:
    virtual LocalDateTime Now() = 0;

protected:
    ~ClockSource() = default;
};

}  // namespace orvalen
