// The local time on Linux: localtime_r, whose tm_gmtoff is the offset in force at that moment.
#include "site/LocalTime.h"

#include <ctime>

namespace site {

namespace {

constexpr int kFirstYear = 1900;
constexpr int kSecondsPerMinute = 60;

} // namespace

LocalTimeFields LocalFields(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + kFirstYear,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(local.tm_gmtoff / kSecondsPerMinute)};
}

} // namespace site
