// How each of the five settings is named: its JSON key, its option and the dialog's label,
// in the order that "write all" sends them.
#pragma once

#include "cli/CliOptions.h"
#include "device/DeviceCommand.h"
#include "site/UnitValues.h"

#include <array>
#include <string>
#include <string_view>

namespace cli {

struct SettingName {
    DeviceOpcode opcode;
    site::WriteKind kind;                           // a write of this setting alone
    std::optional<std::string> SettingTexts::*text; // where the command line's text goes
    std::string_view key;   // "server", as the JSON report and the options name it
    std::string_view label; // "服务器IP", as the dialog labels it
};

constexpr std::array<SettingName, 5> kSettingNames = {{
    {DeviceOpcode::ServerAddress, site::WriteKind::Server, &SettingTexts::server, "server",
     "服务器IP"},
    {DeviceOpcode::ControllerAddress, site::WriteKind::Controller, &SettingTexts::controller,
     "controller", "中控IP"},
    {DeviceOpcode::SubnetMask, site::WriteKind::Mask, &SettingTexts::mask, "mask", "子网掩码"},
    {DeviceOpcode::GatewayAddress, site::WriteKind::Gateway, &SettingTexts::gateway, "gateway",
     "网关IP"},
    {DeviceOpcode::MacAddress, site::WriteKind::Mac, &SettingTexts::mac, "mac", "MAC"},
}};

const SettingName& NameOf(DeviceOpcode opcode);

// The frame's bytes in hex, "53 45 51 C0 A8 01 0A".
std::string HexText(const DeviceCommand& command);

} // namespace cli
