// The values of the five settings read from their text, and written back as they are sent.
#pragma once

#include "device/DeviceCommand.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// Four decimal fields 0 to 255 separated by dots ("192.168.1.10"); none otherwise.
std::optional<Ipv4Octets> ParseIpv4(std::string_view text);
// "00-11-0A-0D-FF-13", "00:11:0a:0d:ff:13", or six decimals 0 to 255 separated by spaces or
// by dots ("0 17 10 13 255 19"), as the dialog's six boxes take them; none otherwise.
std::optional<MacBytes> ParseMac(std::string_view text);

std::string FormatIpv4(const Ipv4Octets& octets);
// "00-11-0A-0D-FF-13".
std::string FormatMac(const MacBytes& mac);
// The bytes as two hex digits each, in capitals, with separator between them.
std::string HexBytes(std::span<const std::uint8_t> bytes, std::string_view separator);

} // namespace cli
