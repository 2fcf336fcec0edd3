// How each of the five settings is named: its JSON key, its option and the dialog's label,
// in the order that "write all" sends them.
#pragma once

#include "device/DeviceCommand.h"

#include <array>
#include <string>
#include <string_view>

namespace cli {

struct SettingName {
    DeviceOpcode opcode;
    std::string_view key;   // "server", as the JSON report and the options name it
    std::string_view label; // "服务器IP", as the dialog labels it
};

constexpr std::array<SettingName, 5> kSettingNames = {{
    {DeviceOpcode::ServerAddress, "server", "服务器IP"},
    {DeviceOpcode::ControllerAddress, "controller", "中控IP"},
    {DeviceOpcode::SubnetMask, "mask", "子网掩码"},
    {DeviceOpcode::GatewayAddress, "gateway", "网关IP"},
    {DeviceOpcode::MacAddress, "mac", "MAC"},
}};

const SettingName& NameOf(DeviceOpcode opcode);

// The frame's bytes in hex, "53 45 51 C0 A8 01 0A".
std::string HexText(const DeviceCommand& command);

} // namespace cli
