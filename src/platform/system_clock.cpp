#include "platform/system_clock.h"

#include <chrono>
#include <ctime>

#include "platform/clock_timer.h"

namespace orvalen {
namespace {

const QString ZoneFile = QStringLiteral("/etc/localtime");

}  // namespace

SystemClock::SystemClock() {
    if (qEnvironmentVariableIsSet("TZ")) return;
    // The folder tells when the file is replaced or removed; the file, when
    // it is rewritten in place.
    zoneFiles_.addPath(QStringLiteral("/etc"));
    zoneFiles_.addPath(ZoneFile);
    const auto changed = [this] { ZoneFileChanged(); };
    QObject::connect(&zoneFiles_, &QFileSystemWatcher::directoryChanged, &zoneFiles_, changed);
    QObject::connect(&zoneFiles_, &QFileSystemWatcher::fileChanged, &zoneFiles_, changed);
}

// The same reading of the wall clock that Timer1 is aimed by, so that a tick
// just after a whole second shows that second.
LocalDateTime SystemClock::Now() {
    const std::time_t second = std::chrono::floor<std::chrono::seconds>(WallNow()).count();
    if (second != second_) {
        local_ = LocalDateTimeAt(second);
        second_ = second;
    }
    return local_;
}

void SystemClock::ZoneFileChanged() {
    // A replaced file is a new one to watch.
    if (!zoneFiles_.files().contains(ZoneFile)) zoneFiles_.addPath(ZoneFile);
    // The C library reads the zone once; tzset reads it again when the file
    // has changed since.
    tzset();
    second_.reset();
}

}  // namespace orvalen
