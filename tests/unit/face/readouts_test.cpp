#include "face/readouts.h"

#include <gtest/gtest.h>

namespace orvalen {
namespace {

constexpr int Blank = LargeBlank;

PictureId Large(int d) { return BankEntry(Bank::LargeDigits, d); }
PictureId Mark(Mark m) { return BankEntry(Bank::Marks, m); }

struct TimeCase {
    std::string_view text;
    std::string_view amPm;
    std::array<int, 4> digits;  // hour tens, hour units, minute tens, minute units
    bool afternoonLit;          // only looked at in 12-hour form
};

TEST(ShowTime, SetsTheDigitsAndMarksOfEveryRowOfTheTimeTable) {
    const TimeCase cases[] = {
        {"9:05:07", "off", {Blank, 9, 0, 5}, false},  {"0:30:00", "off", {Blank, 0, 3, 0}, false},
        {"18:10:39", "off", {1, 8, 1, 0}, false},     {"0:15:00", "on", {Blank, 0, 1, 5}, false},
        {"11:59:59", "on", {1, 1, 5, 9}, false},      {"12:00:00", "on", {Blank, 0, 0, 0}, true},
        {"18:10:39", "on", {Blank, 6, 1, 0}, true},   {"23:45:00", "on", {1, 1, 4, 5}, true},
        {"18:10:39", "On", {1, 8, 1, 0}, false},      {"23:45:00", "ON", {2, 3, 4, 5}, false},
        {"09:05:07", "off", {Blank, 9, 0, 5}, false},
    };
    for (const TimeCase& c : cases) {
        Surface s;
        ShowTime(s, c.text, c.amPm);
        const Element slots[] = {Element::HourTens, Element::HourUnits, Element::MinuteTens, Element::MinuteUnits};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(s[slots[i]].picture, Large(c.digits[i])) << c.text << " " << c.amPm;
        if (c.amPm == "on") {
            EXPECT_EQ(s[Element::AmMark].picture, Mark(c.afternoonLit ? AmDim : AmBright)) << c.text;
            EXPECT_EQ(s[Element::PmMark].picture, Mark(c.afternoonLit ? PmBright : PmDim)) << c.text;
        } else {
            EXPECT_EQ(s[Element::AmMark].picture, Mark(AmDim)) << "24-hour time leaves the marks alone";
            EXPECT_EQ(s[Element::PmMark].picture, Mark(PmDim));
        }
        EXPECT_EQ(s[Element::Colon].picture, picture::Colon);
    }
}

TEST(ShowTime, LeavesTheMarksAsTheLastTwelveHourTickLeftThem) {
    Surface s;
    ShowTime(s, "18:10:39", "on");
    ShowTime(s, "9:00:00", "off");
    EXPECT_EQ(s[Element::PmMark].picture, Mark(PmBright));
}

TEST(ShowDate, ShowsYearDigitsMonthAndDay) {
    struct DateCase {
        std::string_view text;
        std::array<int, 4> year;
        int month;
        int day;
    };
    const DateCase cases[] = {
        {"2003/04/19", {2, 0, 0, 3}, 4, 19},
        {"2026/12/31", {2, 0, 2, 6}, 12, 31},
        {"2027/01/01", {2, 0, 2, 7}, 1, 1},
    };
    for (const DateCase& c : cases) {
        Surface s;
        ShowDate(s, c.text);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(s[ReadoutSlot(6 + k)].picture, BankEntry(Bank::SmallDigits, c.year[k])) << c.text;
        EXPECT_EQ(s[Element::Month].picture, BankEntry(Bank::Numbers, c.month - 1)) << c.text;
        EXPECT_EQ(s[Element::Day].picture, BankEntry(Bank::Numbers, c.day - 1)) << c.text;
        EXPECT_EQ(s[Element::DateSlash].picture, picture::Slash);
    }
}

// Which labels are bright, Sunday first.
std::string Lit(const Surface& s) {
    std::string lit;
    for (int k = 0; k < 7; ++k) {
        const PictureId p = s[WeekdaySlot(k)].picture;
        EXPECT_TRUE(p == BankEntry(Bank::BrightWeekdays, k) || p == BankEntry(Bank::DimWeekdays, k));
        lit += p == BankEntry(Bank::BrightWeekdays, k) ? '*' : '.';
    }
    return lit;
}

TEST(ShowWeekday, LightsOnlyTodayAcrossTheWeekEndAndAcrossAJumpOfDays) {
    Surface s;
    EXPECT_EQ(Lit(s), ".......");
    ShowWeekday(s, "Wed");
    EXPECT_EQ(Lit(s), "...*...");
    ShowWeekday(s, "Fri");  // the clock jumped two days: Wednesday must not stay lit
    EXPECT_EQ(Lit(s), ".....*.");
    ShowWeekday(s, "Sat");
    ShowWeekday(s, "Sun");
    EXPECT_EQ(Lit(s), "*......");
    ShowWeekday(s, "sun");  // not a weekday name: nothing changes
    EXPECT_EQ(Lit(s), "*......");
}

TEST(ShowWeekday, MondayLightsTheWideLabelUntilTuesday) {
    Surface s;
    ShowWeekday(s, "Mon");
    EXPECT_EQ(s.Width(Element::Monday), 47 * 15);
    ShowWeekday(s, "Tue");
    EXPECT_EQ(s.Width(Element::Monday), 36 * 15);
}

}  // namespace
}  // namespace orvalen
