// Setting names and frames as text.
#include "cli/SettingNames.h"

#include "device/WriteRule.h"

#include <algorithm>

namespace cli {

static_assert(std::ranges::equal(kSettingNames, kWriteAllOrder, {}, &SettingName::opcode),
              "the settings are listed in the order write-all sends them");

const SettingName& NameOf(DeviceOpcode opcode) {
    return *std::find_if(kSettingNames.begin(), kSettingNames.end(),
                         [opcode](const SettingName& name) { return name.opcode == opcode; });
}

std::string HexText(const DeviceCommand& command) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    constexpr unsigned kNibble = 4;
    constexpr unsigned kLowNibble = 0xF;
    std::string text;
    for (const std::uint8_t byte : command.Bytes()) {
        text += text.empty() ? "" : " ";
        text += kDigits[byte >> kNibble];
        text += kDigits[byte & kLowNibble];
    }
    return text;
}

} // namespace cli
