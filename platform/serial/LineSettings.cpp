// Parsing of the Settings text.
#include "platform/serial/LineSettings.h"

#include "platform/serial/CommErrors.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>
#include <vector>

namespace serial {

namespace {

constexpr std::size_t kSettingsParts = 4;

std::string_view Trimmed(std::string_view part) {
    while (!part.empty() && std::isspace(static_cast<unsigned char>(part.front()))) {
        part.remove_prefix(1);
    }
    while (!part.empty() && std::isspace(static_cast<unsigned char>(part.back()))) {
        part.remove_suffix(1);
    }
    return part;
}

std::vector<std::string_view> SplitParts(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string_view::npos;
         start = comma + 1) {
        parts.push_back(Trimmed(text.substr(start, comma - start)));
    }
    parts.push_back(Trimmed(text.substr(start)));
    return parts;
}

// A decimal number of at most max made of digits only; -1 otherwise.
long DecimalOf(std::string_view digits, long max) {
    if (digits.empty()) {
        return -1;
    }
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
        if (value > max) {
            return -1;
        }
    }
    return value;
}

} // namespace

LineSettings ParseLineSettings(const std::string& text) {
    const std::vector<std::string_view> parts = SplitParts(text);
    if (parts.size() != kSettingsParts) {
        ThrowInvalidSettings(text, "应有 4 项，以逗号分隔");
    }
    LineSettings settings;

    settings.baudRate = DecimalOf(parts[0], kMaxBaudRate);
    if (settings.baudRate <= 0) {
        ThrowInvalidSettings(text, "波特率应为 1 到 4000000 之间的整数");
    }

    // The letters and texts by Parity's and StopBits' order.
    constexpr std::string_view kParityLetters = "neoms";
    constexpr std::string_view kStopBitTexts[] = {"1", "1.5", "2"};
    const std::string_view parity = parts[1];
    const std::size_t letter = parity.size() == 1
                                   ? kParityLetters.find(static_cast<char>(
                                         std::tolower(static_cast<unsigned char>(parity[0]))))
                                   : std::string_view::npos;
    if (letter == std::string_view::npos) {
        ThrowInvalidSettings(text, "校验位应为 n、e、o、m 或 s");
    }
    settings.parity = static_cast<Parity>(letter);

    settings.dataBits = static_cast<int>(DecimalOf(parts[2], kMaxDataBits));
    if (settings.dataBits < kMinDataBits) {
        ThrowInvalidSettings(text, "数据位应为 5、6、7 或 8");
    }

    const auto stop = std::find(std::begin(kStopBitTexts), std::end(kStopBitTexts), parts[3]);
    if (stop == std::end(kStopBitTexts)) {
        ThrowInvalidSettings(text, "停止位应为 1、1.5 或 2");
    }
    settings.stopBits = static_cast<StopBits>(stop - std::begin(kStopBitTexts));
    return settings;
}

void CheckLineCanCarry(const PortIdentity& port, const LineSettings& settings) {
    if (settings.stopBits == StopBits::OneAndHalf && settings.dataBits != kMinDataBits) {
        ThrowUnsupportedSettings(port, "1.5 个停止位只能与 5 个数据位一起使用");
    }
    if (settings.stopBits == StopBits::Two && settings.dataBits == kMinDataBits) {
        ThrowUnsupportedSettings(port, "5 个数据位时不能使用 2 个停止位");
    }
}

} // namespace serial
