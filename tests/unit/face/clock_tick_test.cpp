#include "face/clock_tick.h"

#include <gtest/gtest.h>

#include "support/allocation_counter.h"
#include "support/fakes.h"

namespace orvalen {
namespace {

using testing::FakeServices;

PictureId Large(int d) { return BankEntry(Bank::LargeDigits, d); }
PictureId Small(int d) { return BankEntry(Bank::SmallDigits, d); }
PictureId Number(int n) { return BankEntry(Bank::Numbers, n - 1); }
PictureId Frame(int i) { return BankEntry(Bank::DialFrames, i); }

class ClockTickTest : public ::testing::Test {
protected:
    Surface surface;
    FakeServices services;
    ClockFace face{surface, services, services};
    std::string amPm = "off";
};

TEST_F(ClockTickTest, ShowsTheWholeFaceOfOneReading) {
    services.SetTime({2003, 4, 19, 18, 10, 39});
    face.ClockTick(amPm);
    EXPECT_EQ(surface[Element::HourTens].picture, Large(1));
    EXPECT_EQ(surface[Element::HourUnits].picture, Large(8));
    EXPECT_EQ(surface[Element::MinuteTens].picture, Large(1));
    EXPECT_EQ(surface[Element::MinuteUnits].picture, Large(0));
    EXPECT_EQ(face.DialPosition, 390);
    EXPECT_EQ(surface[Element::SecondsDial].picture, Frame(78));
    EXPECT_EQ(surface[Element::YearThousands].picture, Small(2));
    EXPECT_EQ(surface[Element::YearUnits].picture, Small(3));
    EXPECT_EQ(surface[Element::Month].picture, Number(4));
    EXPECT_EQ(surface[Element::Day].picture, Number(19));
    EXPECT_EQ(surface[Element::Saturday].picture, BankEntry(Bank::BrightWeekdays, 6));
    EXPECT_EQ(services.doEventsCalls, 1);
}

TEST_F(ClockTickTest, TurnsTheDialSixDegreesASecond) {
    const std::pair<int, int> secondToFrame[] = {{0, 0}, {30, 60}, {59, 118}, {60, 0}};
    for (auto [second, frame] : secondToFrame) {
        services.SetTime({2003, 4, 19, 18, 10, second});
        face.ClockTick(amPm);
        EXPECT_EQ(surface[Element::SecondsDial].picture, Frame(frame)) << second;
    }
}

TEST_F(ClockTickTest, TakesTimeAndDateFromTwoReadingsAcrossMidnight) {
    services.readings = {{2003, 4, 19, 23, 59, 59}, {2003, 4, 20, 0, 0, 0}};
    face.ClockTick(amPm);
    EXPECT_EQ(surface[Element::HourTens].picture, Large(2));
    EXPECT_EQ(surface[Element::Day].picture, Number(20));
    EXPECT_EQ(surface[Element::Sunday].picture, BankEntry(Bank::BrightWeekdays, 0)) << "weekday of the date reading";
}

TEST_F(ClockTickTest, LetsEventsRunAfterTimeAndWeekdayAndBeforeDialAndDate) {
    services.SetTime({2003, 4, 19, 18, 10, 39});
    services.onEvents = [&] {
        EXPECT_EQ(surface[Element::HourUnits].picture, Large(8));
        EXPECT_EQ(surface[Element::Saturday].picture, BankEntry(Bank::BrightWeekdays, 6));
        EXPECT_EQ(surface[Element::SecondsDial].picture, picture::DialStart);
        EXPECT_EQ(surface[Element::Day].picture, Number(1));
        amPm = "on";  // a handler changes the setting: the next tick reads it
    };
    face.ClockTick(amPm);
    services.onEvents = nullptr;
    face.ClockTick(amPm);
    EXPECT_EQ(surface[Element::HourTens].picture, Large(LargeBlank));
    EXPECT_EQ(surface[Element::HourUnits].picture, Large(6));
}

TEST_F(ClockTickTest, MakesNoHeapAllocation) {
    services.readings = {{2003, 4, 19, 18, 10, 39}, {2028, 2, 29, 12, 0, 0}};
    amPm = "on";
    face.ClockTick(amPm);  // settles the readings
    const testing::CountAllocations allocations;
    for (int i = 0; i < 10'000; ++i) face.ClockTick(amPm);
    EXPECT_EQ(allocations.count(), 0);
}

TEST(DayOfWeek, CountsFromSunday) {
    EXPECT_EQ(DayOfWeek(2003, 4, 19), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(2028, 2, 29), 3);  // Tuesday
    EXPECT_EQ(DayOfWeek(2026, 12, 10), 5);  // Thursday
    EXPECT_EQ(DayOfWeek(2000, 1, 1), 7);
    EXPECT_EQ(DayOfWeek(1970, 1, 1), 5);
    EXPECT_EQ(DayOfWeek(1900, 3, 1), 5);
}

}  // namespace
}  // namespace orvalen
