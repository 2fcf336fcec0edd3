// The local time on Windows: localtime_s, and the offset as the difference between the local
// fields read as UTC and the moment itself (the C runtime's tm has no offset of its own).
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
    localtime_s(&local, &seconds);
    std::tm asUtc = local;
    const std::time_t localAsUtc = _mkgmtime(&asUtc);
    return {local.tm_year + kFirstYear,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>((localAsUtc - seconds) / kSecondsPerMinute)};
}

} // namespace site
