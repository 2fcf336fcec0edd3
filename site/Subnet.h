// The subnet an address lies in under a mask: its network and broadcast addresses and the
// host addresses between them. A mask need not be contiguous: its zero bits are the host
// part wherever they are, so every question here has one answer for any mask.
#pragma once

#include "device/DeviceCommand.h"

#include <cstdint>
#include <optional>

namespace site {

class Subnet {
public:
    Subnet(const Ipv4Octets& address, const Ipv4Octets& mask);

    // Whether the mask is ones followed by zeros (255.255.255.0, not 255.0.255.0).
    bool MaskIsContiguous() const;
    // The host part all zeros.
    std::uint32_t Network() const { return m_network; }
    // The host part all ones.
    std::uint32_t Broadcast() const { return m_network | ~m_mask; }
    bool Contains(std::uint32_t address) const { return (address & m_mask) == m_network; }
    // The next address of the subnet after address (in the subnet), counting up the host part;
    // none after the broadcast address. Network and broadcast are not skipped here.
    std::optional<std::uint32_t> Next(std::uint32_t address) const;

private:
    std::uint32_t m_mask = 0;
    std::uint32_t m_network = 0;
};

} // namespace site
