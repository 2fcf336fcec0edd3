// Addresses and MACs read from text and written back: what a plan, a record and a command
// line hold, and what messages show.
#pragma once

#include "device/DeviceCommand.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace site {

// A value read from text: the value, or a Chinese sentence (without its full stop) saying
// what is wrong with the text.
template <class Value> struct ValueReading {
    std::optional<Value> value;
    std::string problem;
};

// Four decimal fields 0 to 255 separated by dots ("192.168.1.10").
ValueReading<Ipv4Octets> ReadIpv4(std::string_view text);
// "00-11-0A-0D-FF-13", "00:11:0a:0d:ff:13", or six decimals 0 to 255 separated by spaces or
// by dots ("0 17 10 13 255 19"), as the dialog's six boxes take them.
ValueReading<MacBytes> ReadMac(std::string_view text);

std::optional<Ipv4Octets> ParseIpv4(std::string_view text);
std::optional<MacBytes> ParseMac(std::string_view text);

// "192.168.1.10".
std::string FormatIpv4(const Ipv4Octets& octets);
// "00-11-0A-0D-FF-13".
std::string FormatMac(const MacBytes& mac);

// An address as one number, the first octet highest, and back.
std::uint32_t Ipv4Number(const Ipv4Octets& octets);
Ipv4Octets Ipv4FromNumber(std::uint32_t number);
// A MAC as one number, the first byte highest, and back.
std::uint64_t MacNumber(const MacBytes& mac);
MacBytes MacFromNumber(std::uint64_t number);

} // namespace site
