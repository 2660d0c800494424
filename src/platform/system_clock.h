#pragma once

#include "face/clock_source.h"

namespace orvalen {

// The local time from the C library's clock and zone, so that TZ and a faked
// clock apply.
class SystemClock final : public ClockSource {
public:
    LocalDateTime Now() override;
};

}  // namespace orvalen
