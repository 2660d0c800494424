#pragma once

#include <QBasicTimer>
#include <QObject>
#include <functional>

#include "face/tick_schedule.h"
#include "platform/wall_clock_steps.h"

namespace orvalen {

// Timer1: a precise timer that fires just after each whole and half second
// of the wall clock, checked against that clock at every tick and aimed
// afresh whenever it is out of phase or the wall clock is set.
class ClockTimer final : public QObject {
public:
    explicit ClockTimer(std::function<void()> tick);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void Aim();
    void Start(std::chrono::milliseconds wait);

    std::function<void()> tick_;
    QBasicTimer timer_;
    TickSchedule schedule_;
    WallClockSteps steps_;
};

// The wall clock now: the system's real-time clock, which a faked clock
// (libfaketime) fakes too.
WallTime WallNow();

}  // namespace orvalen
