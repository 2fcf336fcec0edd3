// The local time on Windows: localtime_s, and the offset as the difference between the local
// fields read as UTC and the moment itself (the C runtime's tm has no offset of its own).
#include "site/LocalTime.h"

namespace site {

LocalTimeFields LocalFields(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_s(&local, &seconds);
    std::tm asUtc = local;
    return FieldsOf(local, static_cast<long>(_mkgmtime(&asUtc) - seconds));
}

} // namespace site
