#pragma once

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

class ClockSource {
public:
    virtual LocalDateTime Now() = 0;

protected:
    ~ClockSource() = default;
};

}  // namespace orvalen
