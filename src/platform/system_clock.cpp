#include "platform/system_clock.h"

#include <chrono>

#include "platform/clock_timer.h"

namespace orvalen {

// The same reading of the wall clock that Timer1 is aimed by, so that a tick
// just after a whole second shows that second.
LocalDateTime SystemClock::Now() {
    return LocalDateTimeAt(std::chrono::floor<std::chrono::seconds>(WallNow()).count());
}

}  // namespace orvalen
