// The local date and time a record line carries, with its offset from UTC so that a record
// read in another time zone (or after a change to summer time) still says when a unit was sent.
#pragma once

#include <chrono>
#include <ctime>
#include <string>

namespace site {

// The local time at that moment as each system's clock gives it.
struct LocalTimeFields {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int offsetMinutes = 0; // east of UTC positive
};

// Each system's own reading of the local time zone.
LocalTimeFields LocalFields(std::chrono::system_clock::time_point when);
// The fields of the C library's local time and the offset in force, in seconds east of UTC.
LocalTimeFields FieldsOf(const std::tm& local, long offsetSeconds);
// "2026-12-09 14:03:27 +08:00".
std::string FormatLocalTime(const LocalTimeFields& fields);
// The moment as a record line shows it.
std::string LocalTimestamp(std::chrono::system_clock::time_point when);

} // namespace site
