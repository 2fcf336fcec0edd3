// The wording of the serial ports a Windows PC has.
#include "platform/windows/serial/WindowsPortList.h"

#include "platform/serial/CommErrors.h"

#include <algorithm>
#include <string_view>
#include <tuple>

namespace serial {

namespace {

constexpr std::string_view kComPrefix = "COM";
// More digits than any port number has, and than an unsigned long holds.
constexpr std::size_t kMaxPortDigits = 9;

struct EnumeratorKind {
    std::string_view enumerator;
    const char* kind;
};

// What a port is, by the bus that found it; FTDI's driver enumerates its own bus.
constexpr EnumeratorKind kKinds[] = {
    {"USB", "USB 转串口适配器"}, {"FTDIBUS", "USB 转串口适配器"}, {"ACPI", "内置串口"},
    {"PCI", "内置串口"},         {"BTHENUM", "蓝牙串口"},
};
constexpr const char* kOtherKind = "串口";

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Without blanks and the zero characters a registry string may end with.
std::string Trimmed(const std::string& text) {
    constexpr std::string_view kBlanks(" \t\r\n\0", 5);
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

const char* KindOf(const std::string& enumerator) {
    const std::string bus = Upper(Trimmed(enumerator));
    for (const EnumeratorKind& entry : kKinds) {
        if (bus == entry.enumerator) {
            return entry.kind;
        }
    }
    return kOtherKind;
}

// "USB-SERIAL CH340 (COM3)" for port COM3 gives "USB-SERIAL CH340": the port is already
// named at the start of the entry.
std::string WithoutPortName(const std::string& friendlyName, const std::string& portName) {
    const std::string name = Trimmed(friendlyName);
    const std::string suffix = "(" + portName + ")";
    if (name.size() > suffix.size() && Upper(name).ends_with(suffix)) {
        return Trimmed(name.substr(0, name.size() - suffix.size()));
    }
    return name;
}

// COM ports by number, then any other names by text.
std::tuple<bool, unsigned long, std::string> PortOrder(const std::string& name) {
    const std::string_view digits = std::string_view(name).substr(
        name.starts_with(kComPrefix) ? kComPrefix.size() : name.size());
    const bool numbered = !digits.empty() && digits.size() <= kMaxPortDigits &&
                          digits.find_first_not_of("0123456789") == std::string_view::npos;
    return {!numbered, numbered ? std::stoul(std::string(digits)) : 0, name};
}

// "\n\n• COM3：USB 转串口适配器 USB-SERIAL CH340" for each port.
std::string PortEntries(const std::vector<SerialDevice>& ports) {
    std::string entries;
    for (const SerialDevice& port : ports) {
        entries += DeviceEntry(port);
    }
    return entries;
}

std::string HowToRenumber(const std::string& portName) {
    return "\n\n要把其中一个串口用作 " + portName +
           "：打开“设备管理器”，展开“端口 (COM 和 LPT)”，右键单击该串口并选择“属性”，"
           "在“端口设置”选项卡上单击“高级”，把“COM 端口号”改为 " +
           portName + "，单击“确定”后再写入一次。";
}

} // namespace

std::vector<SerialDevice> OfferedPorts(const std::vector<std::string>& present,
                                       const std::vector<InstalledPort>& described) {
    std::vector<SerialDevice> ports;
    for (const std::string& presentName : present) {
        SerialDevice port;
        port.node = Upper(Trimmed(presentName));
        if (port.node.empty()) {
            continue;
        }
        const auto device =
            std::find_if(described.begin(), described.end(), [&](const InstalledPort& entry) {
                return Upper(Trimmed(entry.name)) == port.node;
            });
        port.kind = device != described.end() ? KindOf(device->enumerator) : kOtherKind;
        if (device != described.end()) {
            port.description = WithoutPortName(device->friendlyName, port.node);
        }
        ports.push_back(std::move(port));
    }
    std::stable_sort(ports.begin(), ports.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return PortOrder(a.node) < PortOrder(b.node);
    });
    ports.erase(
        std::unique(ports.begin(), ports.end(),
                    [](const SerialDevice& a, const SerialDevice& b) { return a.node == b.node; }),
        ports.end());
    return ports;
}

std::string PortsToChooseFrom(const std::string& portName, const std::vector<SerialDevice>& ports) {
    if (ports.empty()) {
        return "\n\n这台电脑上没有串口。如果使用 USB 转串口适配器，请检查它是否已插好、"
               "驱动程序是否已安装；插好后再写入一次，这里会列出它。";
    }
    return "\n\n这台电脑上有以下串口：" + PortEntries(ports) + HowToRenumber(portName);
}

std::string PortsAfterDisconnect(const std::string& portName,
                                 const std::vector<SerialDevice>& ports) {
    if (ports.empty()) {
        return "\n\n这台电脑上现在没有串口：请检查 USB 转串口适配器是否已插好。";
    }
    return "\n\n设备重新连接后如果不再是 " + portName + "，请把它改回 " + portName +
           "。这台电脑现有的串口：" + PortEntries(ports) + HowToRenumber(portName);
}

} // namespace serial
