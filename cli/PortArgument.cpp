// Reading a port name.
#include "cli/PortArgument.h"

#include "cli/CliOptions.h"
#include "platform/serial/SystemSerialPorts.h"

#include <charconv>
#include <string_view>

namespace cli {

namespace {

constexpr std::string_view kComPrefix = "COM";
constexpr std::string_view kWindowsDevicePrefix = R"(\\.\)";
constexpr long kMaxPortNumber = 255;

// n of "COM<n>" (any case), 0 when text is no such name.
long PortNumber(std::string_view text) {
    if (text.starts_with(kWindowsDevicePrefix)) {
        text.remove_prefix(kWindowsDevicePrefix.size());
    }
    if (text.size() <= kComPrefix.size()) {
        return 0;
    }
    for (std::size_t i = 0; i < kComPrefix.size(); ++i) {
        if ((text[i] & ~0x20) != kComPrefix[i]) {
            return 0;
        }
    }
    const std::string_view digits = text.substr(kComPrefix.size());
    long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    return whole && digits[0] >= '1' && digits[0] <= '9' && number <= kMaxPortNumber ? number : 0;
}

} // namespace

PortArgument ParsePortArgument(const std::string& text) {
    if (const long number = PortNumber(text); number != 0) {
        return {serial::PortName(number), number, serial::DevicePathForPort(number)};
    }
    if (serial::OpensDevicePaths() && text.find('/') != std::string::npos) {
        return {text, 0, text};
    }
    if (serial::OpensDevicePaths()) {
        throw UsageError("串口“" + text +
                         "”无效：请写 COM1 到 COM255（COM1 即 /dev/ttyS0，或环境变量 "
                         "TAVRIN_COM1 所指的设备），或者设备路径，例如 /dev/ttyUSB0。");
    }
    throw UsageError("串口“" + text + "”无效：请写 COM1 到 COM255，例如 --port COM3。");
}

} // namespace cli
