// A week of running at two ticks a second, against a clock that runs through
// the calendar's and the zone's awkward moments: after every tick each slot
// must hold exactly the picture that the time calls for.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>

#include "shell/form1.h"
#include "support/fakes.h"

namespace orvalen {
namespace {

using testing::FakeServices;

// Sets TZ for the life of a test and puts the old one back.
class ZoneScope final {
public:
    explicit ZoneScope(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope() {
        if (old_.empty()) unsetenv("TZ"); else setenv("TZ", old_.c_str(), 1);
        tzset();
    }

private:
    std::string old_;
};

std::time_t Utc(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return timegm(&t);
}

// Day of the week from the day count of the civil calendar, 0 = Sunday:
// worked out apart from the clock's own rule.
int WeekdayIndex(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = era * 146097L + doe - 719468;  // days since 1970-01-01, a Thursday
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

// What every slot should show at the local time t.
struct Expected {
    std::array<PictureId, ElementCount> picture{};
    std::array<bool, ElementCount> checked{};

    void Set(Element e, PictureId id) {
        picture[Index(e)] = id;
        checked[Index(e)] = true;
    }
};

Expected ExpectedFace(const LocalDateTime& t, bool twelveHour) {
    Expected x;
    const auto large = [](int d) { return BankEntry(Bank::LargeDigits, d); };
    int hour = t.hour;
    if (twelveHour) {
        const bool afternoon = hour >= 12;
        x.Set(Element::AmMark, BankEntry(Bank::Marks, afternoon ? AmDim : AmBright));
        x.Set(Element::PmMark, BankEntry(Bank::Marks, afternoon ? PmBright : PmDim));
        if (afternoon) hour -= 12;
    }
    x.Set(Element::HourTens, hour < 10 ? large(LargeBlank) : large(hour / 10));
    x.Set(Element::HourUnits, large(hour % 10));
    x.Set(Element::Colon, picture::Colon);
    x.Set(Element::MinuteTens, large(t.minute / 10));
    x.Set(Element::MinuteUnits, large(t.minute % 10));
    x.Set(Element::SecondsDial, BankEntry(Bank::DialFrames, t.second % 60 * 2));
    const int year[] = {t.year / 1000, t.year / 100 % 10, t.year / 10 % 10, t.year % 10};
    for (int k = 0; k < 4; ++k) {
        x.Set(ReadoutSlot(Index(Element::YearThousands) + k), BankEntry(Bank::SmallDigits, year[k]));
    }
    x.Set(Element::Month, BankEntry(Bank::Numbers, t.month - 1));
    x.Set(Element::DateSlash, picture::Slash);
    x.Set(Element::Day, BankEntry(Bank::Numbers, t.day - 1));
    const int today = WeekdayIndex(t.year, t.month, t.day);
    for (int k = 0; k < 7; ++k) {
        x.Set(WeekdaySlot(k), BankEntry(k == today ? Bank::BrightWeekdays : Bank::DimWeekdays, k));
    }
    return x;
}

std::string Describe(std::time_t instant, const LocalDateTime& t, Element e, PictureId shown, PictureId wanted) {
    std::ostringstream out;
    out << "at " << instant << " (" << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute
        << ':' << t.second << " local) " << Definition(e).role << " shows picture " << shown << ", not " << wanted;
    return out.str();
}

// A stretch of running: from an instant, for some hours, with the clock set
// by some seconds at given points.
struct ClockJump {
    int afterHours;
    std::time_t bySeconds;
};
struct Stretch {
    const char* what;
    std::time_t start;
    int hours;
    std::vector<ClockJump> jumps;
};

TEST(SimulatedWeek, EverySlotShowsWhatTheTimeCallsForAfterEveryTick) {
    const ZoneScope berlin("Europe/Berlin");
    const std::vector<Stretch> week = {
        {"New Year, Friday into Saturday", Utc(2027, 12, 31, 11), 24, {}},
        {"29 February and the end of the month", Utc(2028, 2, 28, 11), 48, {}},
        {"clocks go forward, 2:00 is 3:00", Utc(2028, 3, 25, 11), 36, {}},
        {"clocks go back, 3:00 is 2:00 again", Utc(2028, 10, 28, 10), 36, {}},
        {"set back an hour, then forward a day", Utc(2028, 6, 30, 10), 24, {{6, -3600}, {12, 86400}}},
    };
    constexpr int TicksPerHour = 7200;

    long ticks = 0;
    long mismatches = 0;
    std::string first;
    for (const Stretch& stretch : week) {
        SCOPED_TRACE(stretch.what);
        FakeServices services;
        Settings settings;
        DragValues drag;
        services.SetTime(LocalDateTimeAt(stretch.start));
        Form1 form(services, settings, drag);
        form.Form_Load();

        std::time_t clock = stretch.start;
        for (int half = 0; half < stretch.hours * TicksPerHour; ++half) {
            if (half % TicksPerHour == 0) {
                for (const ClockJump& jump : stretch.jumps) {
                    if (jump.afterHours * TicksPerHour == half) clock += jump.bySeconds;
                }
                // Twelve-hour time every other hour: a change of the setting
                // shows at the next tick.
                settings.AmPmOption = half / TicksPerHour % 2 ? "on" : "off";
            }
            const std::time_t instant = clock + half / 2;
            const LocalDateTime local = LocalDateTimeAt(instant);
            services.SetTime(local);
            form.Timer1_Timer();
            ++ticks;

            const Expected expected = ExpectedFace(local, settings.AmPmOption == "on");
            for (int i = 0; i < ElementCount; ++i) {
                const auto e = static_cast<Element>(i);
                if (!expected.checked[i] || form.window.elements[e].picture == expected.picture[i]) continue;
                if (mismatches++ == 0) first = Describe(instant, local, e, form.window.elements[e].picture, expected.picture[i]);
            }
        }
    }
    EXPECT_EQ(ticks, 7L * 24 * TicksPerHour);
    EXPECT_EQ(mismatches, 0) << "first: " << first;
}

// The zone's own changes, seen through the clock's conversion.
TEST(SimulatedWeek, LocalTimeFollowsTheZonesChangesBothWays) {
    const ZoneScope berlin("Europe/Berlin");
    struct Case {
        std::time_t instant;
        int hour, minute, second;
    };
    const Case cases[] = {
        {Utc(2028, 3, 26, 0, 59, 59), 1, 59, 59},   // last second of winter time
        {Utc(2028, 3, 26, 1, 0, 0), 3, 0, 0},       // 2:00 never comes
        {Utc(2028, 10, 29, 0, 59, 59), 2, 59, 59},  // last second of summer time
        {Utc(2028, 10, 29, 1, 0, 0), 2, 0, 0},      // the hour from 2:00 runs twice
        {Utc(2028, 10, 29, 1, 59, 59), 2, 59, 59},
        {Utc(2028, 10, 29, 2, 0, 0), 3, 0, 0},
    };
    for (const Case& c : cases) {
        const LocalDateTime t = LocalDateTimeAt(c.instant);
        EXPECT_EQ((std::array{t.hour, t.minute, t.second}), (std::array{c.hour, c.minute, c.second})) << c.instant;
    }
}

}  // namespace
}  // namespace orvalen
