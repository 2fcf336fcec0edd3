// What the serial devices of every system share: the pacing of a drain, a quiet close.
#include "platform/serial/SerialPortDevice.h"

#include <algorithm>

namespace serial {

namespace {

using std::chrono::milliseconds;

constexpr long kBitsPerCharacter = 10; // start, 8 data, stop: enough to pace the drain
constexpr milliseconds kMinDrainPause{1};
constexpr milliseconds kMaxDrainPause{20};

} // namespace

milliseconds SerialPortDevice::Remaining(Clock::time_point deadline) {
    return std::max(milliseconds{0},
                    std::chrono::duration_cast<milliseconds>(deadline - Clock::now()));
}

milliseconds SerialPortDevice::DrainPause(std::size_t queued, long baudRate,
                                          Clock::time_point deadline) {
    const long long lineTime =
        1000LL * static_cast<long long>(queued) * kBitsPerCharacter / std::max(1L, baudRate);
    return std::min(
        {std::clamp(milliseconds{lineTime}, kMinDrainPause, kMaxDrainPause), Remaining(deadline)});
}

milliseconds SerialPortDevice::CharacterTime(long baudRate) {
    const long rate = std::max(1L, baudRate);
    return milliseconds{(1000 * kBitsPerCharacter + rate - 1) / rate};
}

void SerialPortDevice::CloseQuietly() noexcept {
    try {
        Close();
    } catch (...) {
    }
}

} // namespace serial
