// Command frames.
#include "device/DeviceCommand.h"

#include <algorithm>

DeviceCommand::DeviceCommand(DeviceOpcode opcode, std::span<const std::uint8_t> payload)
    : m_length(kHeaderLength + payload.size()) {
    m_bytes[0] = kHeaderFirst;
    m_bytes[1] = kHeaderSecond;
    m_bytes[2] = static_cast<std::uint8_t>(opcode);
    std::copy(payload.begin(), payload.end(), m_bytes.begin() + kHeaderLength);
}

DeviceCommand DeviceCommand::Address(DeviceOpcode opcode, const Ipv4Octets& octets) {
    return DeviceCommand(opcode, octets);
}

DeviceCommand DeviceCommand::Mac(const MacBytes& mac) {
    return DeviceCommand(DeviceOpcode::MacAddress, mac);
}
