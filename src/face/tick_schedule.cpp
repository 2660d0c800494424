#include "face/tick_schedule.h"

namespace orvalen {
namespace {

// Early by more than this, the wall clock was set back: tick at once.
constexpr std::chrono::milliseconds EarlyTolerance{50};
// Later than this after the half second, the timer is out of phase: it
// started late, the event loop was held up, or the wall clock jumped.
constexpr std::chrono::milliseconds PhaseTolerance{3};

}  // namespace

std::chrono::milliseconds TickSchedule::Aim(WallTime now) {
    deadline_ = std::chrono::floor<HalfSeconds>(now) + ClockInterval;
    return Restart(now);
}

TickSchedule::Step TickSchedule::Fired(WallTime now) {
    if (now < deadline_ && deadline_ - now <= EarlyTolerance) return {false, Restart(now)};
    const HalfSeconds passed = std::chrono::floor<HalfSeconds>(now);
    if (started_ != ClockInterval || now - passed >= PhaseTolerance) return {true, Aim(now)};
    deadline_ = passed + ClockInterval;
    return {true, std::nullopt};
}

// Rounded up, so that the timer never fires before the deadline.
std::chrono::milliseconds TickSchedule::Restart(WallTime now) {
    started_ = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - now);
    return started_;
}

}  // namespace orvalen
