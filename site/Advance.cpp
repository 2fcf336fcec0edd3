// The next unit's controller address and MAC.
#include "site/Advance.h"

#include "site/Subnet.h"
#include "site/ValueText.h"

namespace site {

namespace {

// The maker's part of a MAC: its first three bytes, the top of its number.
constexpr std::uint64_t kMakerPart = 0xFFFFFF000000;
constexpr std::uint64_t kUnitPart = 0x000000FFFFFF;

} // namespace

std::optional<Ipv4Octets> Advance::NextController(const UnitValues& unit,
                                                  const RecordState& record) {
    const Subnet subnet(unit.controller, unit.mask);
    const std::uint32_t server = Ipv4Number(unit.server);
    const std::uint32_t gateway = Ipv4Number(unit.gateway);
    for (std::optional<std::uint32_t> next = subnet.Next(Ipv4Number(unit.controller)); next;
         next = subnet.Next(*next)) {
        const Ipv4Octets candidate = Ipv4FromNumber(*next);
        if (*next != subnet.Network() && *next != subnet.Broadcast() && *next != server &&
            *next != gateway && !record.HoldsAddress(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<MacBytes> Advance::NextMac(const MacBytes& mac, const RecordState& record) {
    const std::uint64_t number = MacNumber(mac);
    const std::uint64_t maker = number & kMakerPart;
    for (std::uint64_t unit = (number & kUnitPart) + 1; unit <= kUnitPart; ++unit) {
        const MacBytes candidate = MacFromNumber(maker | unit);
        if (!record.HoldsMac(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

AdvanceResult Advance::Next(const UnitValues& unit, const RecordState& record) {
    const std::optional<Ipv4Octets> controller = NextController(unit, record);
    if (!controller) {
        return {std::nullopt,
                "中控IP 无法自动递增：子网 " +
                    FormatIpv4(Ipv4FromNumber(Subnet(unit.controller, unit.mask).Network())) +
                    "（子网掩码 " + FormatIpv4(unit.mask) + "）中 " + FormatIpv4(unit.controller) +
                    " 之后已没有未用过的主机地址。对话框中的值没有改变；请输入下一台的中控IP后再写"
                    "入。"};
    }
    const std::optional<MacBytes> mac = NextMac(unit.mac, record);
    if (!mac) {
        return {std::nullopt, "MAC 无法自动递增：" + FormatMac(unit.mac) +
                                  " 之后，前三个字节不变的 MAC 已全部用过。对话框中的值没有改变；"
                                  "请输入下一台的 MAC 后再写入。"};
    }
    UnitValues next = unit;
    next.controller = *controller;
    next.mac = *mac;
    return {next, {}};
}

} // namespace site
