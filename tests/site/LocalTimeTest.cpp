// The time a record line carries.
#include "site/LocalTime.h"

#include <gtest/gtest.h>

namespace site {
namespace {

TEST(LocalTime, FormatCarriesTheOffsetEitherSideOfUtc) {
    EXPECT_EQ(FormatLocalTime({2026, 12, 9, 14, 3, 27, 8 * 60}), "2026-12-09 14:03:27 +08:00");
    EXPECT_EQ(FormatLocalTime({2026, 1, 31, 0, 0, 5, -(3 * 60 + 30)}),
              "2026-01-31 00:00:05 -03:30");
    EXPECT_EQ(FormatLocalTime({2026, 6, 1, 23, 59, 59, 0}), "2026-06-01 23:59:59 +00:00");
}

TEST(LocalTime, LocalFieldsLessTheOffsetAreTheMoment) {
    using namespace std::chrono;
    const sys_seconds moment = floor<seconds>(system_clock::now());
    const LocalTimeFields local = LocalFields(moment);
    const sys_seconds back = sys_days{year{local.year} / month{static_cast<unsigned>(local.month)} /
                                      day{static_cast<unsigned>(local.day)}} +
                             hours{local.hour} + minutes{local.minute} + seconds{local.second} -
                             minutes{local.offsetMinutes};
    EXPECT_EQ(back, moment);
}

} // namespace
} // namespace site
