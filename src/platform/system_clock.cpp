#include "platform/system_clock.h"

namespace orvalen {

LocalDateTime SystemClock::Now() { return LocalDateTimeAt(std::time(nullptr)); }

}  // namespace orvalen
