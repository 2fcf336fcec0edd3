// One command frame for the controller: the header "SE", an opcode and the payload (four
// address octets or six MAC bytes). There is no length, checksum or terminator. Plain C++,
// so that every program that writes a controller builds its frames here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The opcode of each command, the letters Q to U.
enum class DeviceOpcode : std::uint8_t {
    ServerAddress = 0x51,     // 'Q'
    ControllerAddress = 0x52, // 'R'
    GatewayAddress = 0x53,    // 'S'
    SubnetMask = 0x54,        // 'T'
    MacAddress = 0x55,        // 'U'
};

using Ipv4Octets = std::array<std::uint8_t, 4>;
using MacBytes = std::array<std::uint8_t, 6>;

class DeviceCommand {
public:
    static constexpr std::uint8_t kHeaderFirst = 0x53;  // 'S'
    static constexpr std::uint8_t kHeaderSecond = 0x45; // 'E'
    static constexpr std::size_t kHeaderLength = 3;
    static constexpr std::size_t kAddressFrameLength = kHeaderLength + 4;
    static constexpr std::size_t kMacFrameLength = kHeaderLength + 6;

    // The seven-byte frame storing an address: octets in reading order, first field first.
    static DeviceCommand Address(DeviceOpcode opcode, const Ipv4Octets& octets);
    // The nine-byte frame storing the MAC address, first box first.
    static DeviceCommand Mac(const MacBytes& mac);

    std::span<const std::uint8_t> Bytes() const { return {m_bytes.data(), m_length}; }
    DeviceOpcode Opcode() const { return static_cast<DeviceOpcode>(m_bytes[2]); }
    std::size_t Length() const { return m_length; }

private:
    DeviceCommand(DeviceOpcode opcode, std::span<const std::uint8_t> payload);

    std::array<std::uint8_t, kMacFrameLength> m_bytes{};
    std::size_t m_length = 0;
};
