#include "face/clock_source.h"

namespace orvalen {

LocalDateTime LocalDateTimeAt(std::time_t instant) {
    std::tm local{};
    localtime_r(&instant, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace orvalen
