// Setting names and frames as text.
#include "cli/SettingNames.h"

#include "cli/SettingValues.h"
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
    return HexBytes(command.Bytes(), " ");
}

} // namespace cli
