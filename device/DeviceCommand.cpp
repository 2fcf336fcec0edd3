// Command frames.
#include "device/DeviceCommand.h"

#include "platform/afx/CByteArray.h"

#include <algorithm>

DeviceCommand::DeviceCommand(DeviceOpcode opcode, std::span<const BYTE> payload)
    : m_length(kHeaderLength + payload.size()) {
    m_bytes[0] = kHeaderFirst;
    m_bytes[1] = kHeaderSecond;
    m_bytes[2] = static_cast<BYTE>(opcode);
    std::copy(payload.begin(), payload.end(), m_bytes.begin() + kHeaderLength);
}

DeviceCommand DeviceCommand::Address(DeviceOpcode opcode, const Ipv4Octets& octets) {
    return DeviceCommand(opcode, octets);
}

DeviceCommand DeviceCommand::Mac(const MacBytes& mac) {
    return DeviceCommand(DeviceOpcode::MacAddress, mac);
}

void DeviceCommand::CopyTo(CByteArray& array) const {
    array.SetSize(0);
    array.SetSize(static_cast<INT_PTR>(m_length));
    for (std::size_t i = 0; i < m_length; ++i) {
        array.SetAt(static_cast<INT_PTR>(i), m_bytes[i]);
    }
}
