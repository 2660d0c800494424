#pragma once

#include <QFileSystemWatcher>
#include <ctime>
#include <optional>

#include "face/clock_source.h"

namespace orvalen {

// The local time from the C library's clock and zone, so that TZ and a faked
// clock apply. The zone follows the system's as the desktop's date settings
// change it, by replacing or rewriting /etc/localtime; TZ in the
// environment names a zone of its own instead.
class SystemClock final : public ClockSource {
public:
    SystemClock();

    LocalDateTime Now() override;

private:
    void ZoneFileChanged();

    QFileSystemWatcher zoneFiles_;
    // The last second read, and its local time: a tick reads the clock
    // twice, and two ticks fall in each second.
    std::optional<std::time_t> second_;
    LocalDateTime local_{};
};

}  // namespace orvalen
