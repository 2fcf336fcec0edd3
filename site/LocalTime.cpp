// Formatting a record line's time.
#include "site/LocalTime.h"

#include <cstdio>
#include <cstdlib>

namespace site {

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;
constexpr int kFirstYear = 1900; // tm_year counts from it
// "2026-12-09 14:03:27 +08:00" and its terminating zero, with room for any int the fields hold.
constexpr std::size_t kTimestampSize = 96;

} // namespace

LocalTimeFields FieldsOf(const std::tm& local, long offsetSeconds) {
    return {local.tm_year + kFirstYear,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(offsetSeconds / kSecondsPerMinute)};
}

std::string FormatLocalTime(const LocalTimeFields& fields) {
    const char sign = fields.offsetMinutes < 0 ? '-' : '+';
    const int offset = std::abs(fields.offsetMinutes);
    char text[kTimestampSize];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %c%02d:%02d", fields.year,
                  fields.month, fields.day, fields.hour, fields.minute, fields.second, sign,
                  offset / kMinutesPerHour, offset % kMinutesPerHour);
    return text;
}

std::string LocalTimestamp(std::chrono::system_clock::time_point when) {
    return FormatLocalTime(LocalFields(when));
}

} // namespace site
