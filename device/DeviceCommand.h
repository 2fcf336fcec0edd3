// One command frame for the controller: the header "SE", an opcode and the payload (four
// address octets or six MAC bytes). There is no length, checksum or terminator.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>

class CByteArray;

// The opcode of each command, the letters Q to U.
enum class DeviceOpcode : BYTE {
    ServerAddress = 0x51,     // 'Q'
    ControllerAddress = 0x52, // 'R'
    GatewayAddress = 0x53,    // 'S'
    SubnetMask = 0x54,        // 'T'
    MacAddress = 0x55,        // 'U'
};

using Ipv4Octets = std::array<BYTE, 4>;
using MacBytes = std::array<BYTE, 6>;

class DeviceCommand {
public:
    static constexpr BYTE kHeaderFirst = 0x53;  // 'S'
    static constexpr BYTE kHeaderSecond = 0x45; // 'E'
    static constexpr std::size_t kHeaderLength = 3;
    static constexpr std::size_t kAddressFrameLength = kHeaderLength + 4;
    static constexpr std::size_t kMacFrameLength = kHeaderLength + 6;

    // The seven-byte frame storing an address: octets in reading order, first field first.
    static DeviceCommand Address(DeviceOpcode opcode, const Ipv4Octets& octets);
    // The nine-byte frame storing the MAC address, first box first.
    static DeviceCommand Mac(const MacBytes& mac);

    std::span<const BYTE> Bytes() const { return {m_bytes.data(), m_length}; }
    std::size_t Length() const { return m_length; }
    // Fills the array with the frame: emptied first, then sized to exactly the frame.
    void CopyTo(CByteArray& array) const;

private:
    DeviceCommand(DeviceOpcode opcode, std::span<const BYTE> payload);

    std::array<BYTE, kMacFrameLength> m_bytes{};
    std::size_t m_length = 0;
};
