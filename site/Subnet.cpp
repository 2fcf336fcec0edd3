// Subnets under any mask.
#include "site/Subnet.h"

#include "site/ValueText.h"

namespace site {

Subnet::Subnet(const Ipv4Octets& address, const Ipv4Octets& mask)
    : m_mask(Ipv4Number(mask)), m_network(Ipv4Number(address) & m_mask) {}

bool Subnet::MaskIsContiguous() const {
    // The host bits, ~mask, must be all ones from the lowest bit up: 2^k - 1.
    const std::uint32_t hostBits = ~m_mask;
    return (hostBits & (hostBits + 1)) == 0;
}

std::optional<std::uint32_t> Subnet::Next(std::uint32_t address) const {
    // Setting the network bits makes the carry of the increment run through them to the next
    // host bit, wherever the host bits are; a carry out of the top is the end of the subnet.
    const std::uint32_t next = ((address | m_mask) + 1) & ~m_mask;
    if (next == 0) {
        return std::nullopt;
    }
    return m_network | next;
}

} // namespace site
