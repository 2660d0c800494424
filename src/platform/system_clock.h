#pragma once

#include <QFileSystemWatcher>

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
};

}  // namespace orvalen
