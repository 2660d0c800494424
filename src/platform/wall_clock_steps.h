#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace orvalen {

// Tells when the wall clock was set (by NTP, by hand) or jumped on a resume
// from suspend, without ever waking the program otherwise. Where the system
// cannot tell, it never does, and the clock's next tick finds the new phase.
class WallClockSteps final : public QObject {
    Q_OBJECT

public:
    WallClockSteps();
    ~WallClockSteps() override;

signals:
    void stepped();

private:
    bool Watch();
    void Notified();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace orvalen
