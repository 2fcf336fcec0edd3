// The local time on Linux: localtime_r, whose tm_gmtoff is the offset in force at that moment.
#include "site/LocalTime.h"

namespace site {

LocalTimeFields LocalFields(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    return FieldsOf(local, local.tm_gmtoff);
}

} // namespace site
