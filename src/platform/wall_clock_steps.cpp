#include "platform/wall_clock_steps.h"

#include <QSocketNotifier>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>
#endif

namespace orvalen {

#ifdef __linux__

// A real-time timer that would fire only at the end of time, cancelled by
// the kernel whenever the real-time clock is set.
WallClockSteps::WallClockSteps() : fd_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0 || !Watch()) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &WallClockSteps::Notified);
}

WallClockSteps::~WallClockSteps() {
    notifier_.reset();
    if (fd_ >= 0) close(fd_);
}

bool WallClockSteps::Watch() {
    itimerspec endOfTime{};
    endOfTime.it_value.tv_sec = std::numeric_limits<std::time_t>::max();
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &endOfTime, nullptr) == 0;
}

void WallClockSteps::Notified() {
    std::uint64_t expirations = 0;
    // A set clock makes the read fail with ECANCELED, and the timer must be
    // armed again to go on watching.
    if (read(fd_, &expirations, sizeof expirations) >= 0 || errno != ECANCELED) return;
    if (!Watch()) notifier_->setEnabled(false);
    emit stepped();
}

#else

WallClockSteps::WallClockSteps() = default;
WallClockSteps::~WallClockSteps() = default;
bool WallClockSteps::Watch() { return false; }
void WallClockSteps::Notified() {}

#endif

}  // namespace orvalen
