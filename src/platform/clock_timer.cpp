#include "platform/clock_timer.h"

#include <QTimerEvent>

namespace orvalen {

WallTime WallNow() { return std::chrono::system_clock::now().time_since_epoch(); }

ClockTimer::ClockTimer(std::function<void()> tick) : tick_(std::move(tick)) {
    connect(&steps_, &WallClockSteps::stepped, this, &ClockTimer::Aim);
    Aim();
}

void ClockTimer::Aim() { Start(schedule_.Aim(WallNow())); }

void ClockTimer::Start(std::chrono::milliseconds wait) {
    timer_.start(static_cast<int>(wait.count()), Qt::PreciseTimer, this);
}

void ClockTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) return QObject::timerEvent(event);
    const TickSchedule::Step step = schedule_.Fired(WallNow());
    // Aimed before the tick, whose handler may end the program or take long.
    if (step.restart) Start(*step.restart);
    if (step.tick) tick_();
}

}  // namespace orvalen
