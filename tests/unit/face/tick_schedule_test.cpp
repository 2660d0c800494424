#include "face/tick_schedule.h"

#include <gtest/gtest.h>

#include <random>

namespace orvalen {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr WallTime T0 = 1'050'000'000s;  // a whole second of the wall clock

struct AimCase {
    const char* name;
    WallTime now;
    milliseconds wait;
};

class TickScheduleAimTest : public testing::TestWithParam<AimCase> {};

TEST_P(TickScheduleAimTest, WaitsForTheNextWholeOrHalfSecond) {
    TickSchedule schedule;
    EXPECT_EQ(schedule.Aim(GetParam().now), GetParam().wait);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, TickScheduleAimTest,
    testing::Values(AimCase{"OnAWholeSecond", T0, 500ms}, AimCase{"JustBeforeAHalf", T0 + 499'600us, 1ms},
                    AimCase{"JustAfterAHalf", T0 + 500'000'100ns, 500ms},
                    AimCase{"JustBeforeAWhole", T0 + 999'999'900ns, 1ms}, AimCase{"JustAfterAWhole", T0 + 300us, 500ms},
                    AimCase{"MidSecond", T0 + 730'250us, 270ms}),
    [](const testing::TestParamInfo<AimCase>& info) { return std::string(info.param.name); });

struct FiredCase {
    const char* name;
    WallTime firedAt;  // by a timer repeating every 500 ms in phase, due at T0 + 0.5 s
    bool tick;
    std::optional<milliseconds> restart;
};

class TickScheduleFiredTest : public testing::TestWithParam<FiredCase> {};

TEST_P(TickScheduleFiredTest, TicksOnceAndKeepsInPhase) {
    TickSchedule schedule;
    ASSERT_EQ(schedule.Aim(T0), 500ms);
    const TickSchedule::Step step = schedule.Fired(GetParam().firedAt);
    EXPECT_EQ(step.tick, GetParam().tick);
    EXPECT_EQ(step.restart, GetParam().restart);
}

INSTANTIATE_TEST_SUITE_P(
    Firings, TickScheduleFiredTest,
    testing::Values(FiredCase{"JustAfterItsDeadline", T0 + 500'300us, true, std::nullopt},
                    FiredCase{"AMillisecondLate", T0 + 501'200us, true, std::nullopt},
                    // Held up, or a timer that started late: aimed anew.
                    FiredCase{"OutOfPhase", T0 + 507ms, true, 493ms},
                    // The wall clock was set back a little: wait for the half second.
                    FiredCase{"JustBeforeItsDeadline", T0 + 499'800us, false, 1ms},
                    FiredCase{"AfterASmallStepBack", T0 + 470ms, false, 30ms},
                    // The face shows the earlier time at once, then goes on in phase.
                    FiredCase{"AfterAStepBack", T0 - 1h + 730ms, true, 270ms},
                    FiredCase{"AfterAStepForward", T0 + 2h + 15'700ms, true, 300ms},
                    FiredCase{"AfterAResume", T0 + 8h + 637ms, true, 363ms}),
    [](const testing::TestParamInfo<FiredCase>& info) { return std::string(info.param.name); });

TEST(TickScheduleTest, TheFirstFiringAfterStartupSetsTheHalfSecondPace) {
    TickSchedule schedule;
    EXPECT_EQ(schedule.Aim(T0 + 200ms), 300ms);
    const TickSchedule::Step step = schedule.Fired(T0 + 500'400us);
    EXPECT_TRUE(step.tick);
    EXPECT_EQ(step.restart, 500ms);
    EXPECT_EQ(schedule.Fired(T0 + 1'000'400us).restart, std::nullopt);
}

TEST(TickScheduleTest, AFrozenWallClockStillTicksEveryHalfSecond) {
    TickSchedule schedule;
    EXPECT_EQ(schedule.Aim(T0), 500ms);
    for (int i = 0; i < 3; ++i) {
        const TickSchedule::Step step = schedule.Fired(T0);
        EXPECT_TRUE(step.tick);
        EXPECT_EQ(step.restart, std::nullopt);
    }
}

// A repeating timer, as Qt's precise one: due every `started` after its last
// deadline, seen up to 0.3 ms late, and every 500th time held up by 20 ms.
// For an hour of firings, every whole and half second gets exactly one tick
// just after it, and the timer is restarted only to find its phase again.
TEST(TickScheduleTest, NeverDriftsNorSkipsNorDoubles) {
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> lateness(0, 300'000);
    TickSchedule schedule;
    const WallTime start = T0 + 123'456'789ns;
    milliseconds started = schedule.Aim(start);
    WallTime due = start + started;
    long long expected = std::chrono::floor<HalfSeconds>(due).count();
    int restarts = 0, holdUps = 0;
    for (int firing = 1; firing <= 7200; ++firing) {
        const bool heldUp = firing % 500 == 0;
        holdUps += heldUp;
        const WallTime now = due + WallTime(lateness(random)) + (heldUp ? 20ms : 0ms);
        const TickSchedule::Step step = schedule.Fired(now);
        ASSERT_TRUE(step.tick) << "firing " << firing;
        const HalfSeconds boundary = std::chrono::floor<HalfSeconds>(now);
        ASSERT_EQ(boundary.count(), expected++) << "firing " << firing;
        ASSERT_LT(now - boundary, heldUp ? 22ms : 2ms) << "firing " << firing;
        if (step.restart) {
            ++restarts;
            started = *step.restart;
            due = now + started;
        } else {
            due += started;
        }
    }
    EXPECT_LE(restarts, 2 * holdUps + 2);
}

}  // namespace
}  // namespace orvalen
