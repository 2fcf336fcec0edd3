// The checks before sending.
#include "site/Guards.h"

#include "site/Subnet.h"
#include "site/TextPieces.h"
#include "site/ValueText.h"

#include <algorithm>

namespace site {

namespace {

constexpr std::string_view kAskToSend = "仍要发送吗？";
constexpr std::uint8_t kGroupBit = 0x01;
constexpr std::uint8_t kAllOnes = 0xFF;

// The subnet written as "192.168.1.0（子网掩码 255.255.255.0）".
std::string SubnetText(const Subnet& subnet, const Ipv4Octets& mask) {
    return FormatIpv4(Ipv4FromNumber(subnet.Network())) + "（子网掩码 " + FormatIpv4(mask) + "）";
}

void CheckController(const UnitValues& unit, const RecordState& record,
                     std::vector<Warning>& warnings) {
    const std::string address = FormatIpv4(unit.controller);
    if (const UnitRef* user = record.ControllerUser(unit.controller)) {
        warnings.push_back({WarningKind::ControllerInRecord,
                            "中控IP " + address + " 已写给了记录中较早的一台：" + user->Describe() +
                                "。同一网络中两台中控的地址相同会互相冲突。",
                            "中控IP 与" + user->Describe() + "重复"});
    }
    const Subnet subnet(unit.controller, unit.mask);
    const std::uint32_t number = Ipv4Number(unit.controller);
    if (number == subnet.Network()) {
        warnings.push_back({WarningKind::ControllerIsNetwork,
                            "中控IP " + address + " 是它所在子网 " + SubnetText(subnet, unit.mask) +
                                " 的网络地址，不能分配给设备。",
                            "中控IP 是网络地址"});
    } else if (number == subnet.Broadcast()) {
        warnings.push_back({WarningKind::ControllerIsBroadcast,
                            "中控IP " + address + " 是它所在子网 " + SubnetText(subnet, unit.mask) +
                                " 的广播地址，不能分配给设备。",
                            "中控IP 是广播地址"});
    }
}

void CheckMask(const UnitValues& unit, std::vector<Warning>& warnings) {
    if (!Subnet(unit.controller, unit.mask).MaskIsContiguous()) {
        warnings.push_back({WarningKind::MaskNotContiguous,
                            "子网掩码 " + FormatIpv4(unit.mask) +
                                " 不连续：掩码应当是前面连续的 1、后面连续的 0（例如 "
                                "255.255.255.0）。",
                            "子网掩码不连续"});
    }
}

void CheckGateway(const UnitValues& unit, std::vector<Warning>& warnings) {
    const Subnet subnet(unit.controller, unit.mask);
    if (!subnet.Contains(Ipv4Number(unit.gateway))) {
        warnings.push_back({WarningKind::GatewayOutsideSubnet,
                            "网关 " + FormatIpv4(unit.gateway) + " 不在中控IP " +
                                FormatIpv4(unit.controller) + " 所在的子网 " +
                                SubnetText(subnet, unit.mask) + " 中，中控将无法通过它通信。",
                            "网关不在中控的子网中"});
    }
}

void CheckMac(const UnitValues& unit, const RecordState& record, std::vector<Warning>& warnings) {
    const std::string mac = FormatMac(unit.mac);
    if (const UnitRef* user = record.MacUser(unit.mac)) {
        warnings.push_back({WarningKind::MacInRecord,
                            "MAC " + mac + " 已写给了记录中较早的一台：" + user->Describe() +
                                "。同一网络中两台中控的 MAC 相同会互相冲突。",
                            "MAC 与" + user->Describe() + "重复"});
    }
    const auto all = [&](std::uint8_t value) {
        return std::all_of(unit.mac.begin(), unit.mac.end(),
                           [value](std::uint8_t byte) { return byte == value; });
    };
    if (all(0)) {
        warnings.push_back({WarningKind::MacAllZero, "MAC " + mac + " 全为零，不是有效的设备地址。",
                            "MAC 全为零"});
    } else if (all(kAllOnes)) {
        warnings.push_back({WarningKind::MacAllOnes,
                            "MAC " + mac + " 是广播地址（全为 FF），不能用作设备的 MAC。",
                            "MAC 是广播地址"});
    } else if (unit.mac[0] & kGroupBit) {
        warnings.push_back({WarningKind::MacMulticast,
                            "MAC " + mac +
                                " 的第一个字节是奇数，这是组播地址，不能用作设备的 MAC（第一个字节"
                                "应为偶数，例如 00 或 02）。",
                            "MAC 是组播地址"});
    }
}

} // namespace

std::string Warning::Question() const {
    return text + "\n\n" + std::string(kAskToSend);
}

std::vector<Warning> Guards::Check(WriteKind kind, const UnitValues& unit,
                                   const RecordState& record) {
    std::vector<Warning> warnings;
    if (Sends(kind, WriteKind::Controller)) {
        CheckController(unit, record, warnings);
    }
    if (Sends(kind, WriteKind::Mask)) {
        CheckMask(unit, warnings);
    }
    if (Sends(kind, WriteKind::Gateway)) {
        CheckGateway(unit, warnings);
    }
    if (Sends(kind, WriteKind::Mac)) {
        CheckMac(unit, record, warnings);
    }
    return warnings;
}

std::string Guards::Question(const std::vector<Warning>& warnings) {
    std::string text;
    for (const Warning& warning : warnings) {
        text += warning.text + "\n\n";
    }
    return text + std::string(kAskToSend);
}

std::string Guards::Note(const std::vector<Warning>& warnings) {
    if (warnings.empty()) {
        return {};
    }
    std::vector<std::string> summaries;
    for (const Warning& warning : warnings) {
        summaries.push_back(warning.summary);
    }
    return "已确认警告：" + Joined(summaries, "；");
}

} // namespace site
