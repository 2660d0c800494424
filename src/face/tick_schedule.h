#pragma once

// When Timer1 fires: just after every whole and half second of the wall
// clock, so that the face turns with the true second. Each firing is
// checked against the wall clock, and the timer is aimed anew whenever it
// is out of phase, so the ticks never drift from that clock.

#include <chrono>
#include <optional>

namespace orvalen {

// A reading of the wall clock (the system's real-time clock) since the epoch.
using WallTime = std::chrono::nanoseconds;

using HalfSeconds = std::chrono::duration<long long, std::ratio<1, 2>>;
inline constexpr HalfSeconds ClockInterval{1};  // Timer1, 500 ms

// The timer it steers repeats the wait it was last started with, counted
// from its own deadlines rather than from when it fired, as a precise timer
// does; so once it fires in phase it stays there.
class TickSchedule final {
public:
    struct Step {
        bool tick;                                         // run the clock tick now
        std::optional<std::chrono::milliseconds> restart;  // start the timer anew with this wait
    };

    // Aims at the first whole or half second after now, as at startup and
    // after the wall clock was set; the wait to start the timer with.
    std::chrono::milliseconds Aim(WallTime now);

    // The timer fired at now. Fired a little before its deadline (the wall
    // clock was set back a little), it waits for the deadline instead of
    // showing the second before and ticking again just after. Otherwise it
    // ticks once, however late: the wall clock may have jumped ahead, and a
    // burst of ticks would show nothing more.
    Step Fired(WallTime now);

private:
    std::chrono::milliseconds Restart(WallTime now);

    WallTime deadline_{};
    std::chrono::milliseconds started_{};  // the wait the timer repeats
};

}  // namespace orvalen
