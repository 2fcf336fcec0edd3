// Serial devices from /sys/class/tty and /dev/serial/by-id.
//
// Each entry of /sys/class/tty is a tty the kernel has. Those without a "device" link are
// virtual (consoles, pseudo-terminals) and are no serial port. A port driven by the serial
// core has a "type" attribute, 0 when no UART answered at its address: the kernel keeps such
// ttyS nodes (usually ttyS0 to ttyS31) whether or not the PC has the ports. The USB device
// a port belongs to is found by walking up from its device directory to the first directory
// with a vendor id; its strings (each there only when the device gives it) name it.
#include "platform/linux/serial/SerialDeviceList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string_view>
#include <system_error>
#include <tuple>
#include <unistd.h>

namespace serial {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUnknownUartType = "0";
// Ports the 8250 driver holds in reserve without knowing whether a UART is there.
constexpr std::string_view kReservedPortsDevice = "serial8250";
constexpr std::string_view kByIdUsbPrefix = "usb-";
constexpr std::string_view kByIdInterfaceMark = "-if";
// How far above a port's device directory its USB device may be (port, interface, device).
constexpr int kMaxUsbDepth = 4;

struct NameKind {
    std::string_view prefix;
    const char* kind;
    bool usb;
};

constexpr NameKind kKinds[] = {
    {"ttyUSB", "USB 转串口适配器", true},
    {"ttyACM", "USB 串口设备", true},
    {"ttyS", "内置串口", false},
};
constexpr const char* kUsbKind = "USB 串口设备";
constexpr const char* kOtherKind = "串口";

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The first line of a sysfs attribute, without surrounding blanks and control characters.
std::string ReadAttribute(const fs::path& path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) {
        return {};
    }
    std::replace_if(
        line.begin(), line.end(), [](unsigned char c) { return std::iscntrl(c) != 0; }, ' ');
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

std::string LinkTargetName(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.filename().string();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// "FTDI" and "FT232R USB UART" give "FTDI FT232R USB UART"; a part already said is not
// repeated, and "Arduino (www.arduino.cc)" and "Arduino Uno" give "Arduino Uno".
void AppendName(std::string& name, const std::string& part) {
    if (part.empty() || Contains(name, part)) {
        return;
    }
    if (Contains(part, name) || part.starts_with(name.substr(0, name.find(' ')) + " ")) {
        name = part;
        return;
    }
    name += name.empty() ? part : " " + part;
}

// The USB device's own strings above a port's device directory, "maker product interface";
// isUsb tells whether there is a USB device above it at all.
std::string UsbName(const fs::path& deviceDir, bool& isUsb) {
    std::error_code error;
    fs::path dir = fs::canonical(deviceDir, error);
    if (error) {
        return {};
    }
    std::string interfaceName;
    for (int depth = 0; depth < kMaxUsbDepth && dir.has_relative_path(); ++depth) {
        if (interfaceName.empty()) {
            interfaceName = ReadAttribute(dir / "interface");
        }
        if (Exists(dir / "idVendor")) {
            isUsb = true;
            std::string name = ReadAttribute(dir / "manufacturer");
            AppendName(name, ReadAttribute(dir / "product"));
            AppendName(name, interfaceName);
            return name;
        }
        dir = dir.parent_path();
    }
    return {};
}

// What udev's by-id name tells: "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0" gives
// "FTDI FT232R USB UART A50285BI".
std::string NameFromStableName(const std::string& stableName) {
    std::string name = fs::path(stableName).filename().string();
    if (name.starts_with(kByIdUsbPrefix)) {
        name.erase(0, kByIdUsbPrefix.size());
    }
    if (const auto mark = name.rfind(kByIdInterfaceMark); mark != std::string::npos && mark > 0) {
        name.erase(mark);
    }
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

// The USB serial chips' makers whose adapters brltty claims: WCH (CH340, CH341), Prolific,
// FTDI, Silicon Labs (CP210x).
constexpr std::string_view kSerialChipVendors[] = {"1a86", "067b", "0403", "10c4"};
constexpr std::string_view kBrltty = "brltty";
constexpr std::string_view kBrlttyRule = "85-brltty.rules";
constexpr std::string_view kTtyPrefix = "tty";
// How deep below a USB device its ports' tty directories lie (interface, port, tty, name).
constexpr int kMaxTtyDepth = 4;

// Whether a tty lies below a USB device's directory.
bool HasTty(const fs::path& usbDevice) {
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(usbDevice, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().filename().string().starts_with(kTtyPrefix)) {
            return true;
        }
        if (it.depth() >= kMaxTtyDepth) {
            it.disable_recursion_pending();
        }
    }
    return false;
}

// Sorts ttyUSB2 before ttyUSB10.
std::tuple<std::string, unsigned long, std::string> NaturalKey(const std::string& name) {
    const auto digits = name.find_last_not_of("0123456789") + 1;
    const std::string number = name.substr(digits);
    return {name.substr(0, digits), number.empty() ? 0 : std::stoul(number), name};
}

// Whether no UART stands behind a tty: the serial core found none at its address, or the
// 8250 driver holds the port in reserve.
bool NoUart(const fs::path& ttyDir) {
    if (Exists(ttyDir / "type")) {
        return ReadAttribute(ttyDir / "type") == kUnknownUartType;
    }
    const fs::path device = ttyDir / "device";
    return LinkTargetName(device) == kReservedPortsDevice ||
           LinkTargetName(device / "driver") == kReservedPortsDevice;
}

} // namespace

SerialDeviceList::SerialDeviceList(fs::path devRoot, fs::path sysRoot, fs::path procRoot,
                                   fs::path udevRules)
    : m_devRoot(std::move(devRoot)), m_sysRoot(std::move(sysRoot)), m_procRoot(std::move(procRoot)),
      m_udevRules(std::move(udevRules)) {}

std::vector<std::pair<std::string, std::string>> SerialDeviceList::StableNames() const {
    std::vector<std::pair<std::string, std::string>> names;
    std::error_code error;
    for (const fs::directory_entry& link :
         fs::directory_iterator(m_devRoot / "serial" / "by-id", error)) {
        if (const std::string node = LinkTargetName(link.path()); !node.empty()) {
            names.emplace_back(node, link.path().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<SerialDevice> SerialDeviceList::Devices() const {
    const auto stableNames = StableNames();
    std::vector<std::pair<bool, SerialDevice>> found;
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(m_sysRoot / "class" / "tty", error)) {
        const fs::path& ttyDir = entry.path();
        const std::string name = ttyDir.filename().string();
        if (!Exists(ttyDir / "device") || NoUart(ttyDir) || !Exists(m_devRoot / name)) {
            continue;
        }
        SerialDevice device;
        device.node = (m_devRoot / name).string();
        const auto stable = std::find_if(stableNames.begin(), stableNames.end(),
                                         [&](const auto& pair) { return pair.first == name; });
        if (stable != stableNames.end()) {
            device.stableName = stable->second;
        }
        bool isUsb = false;
        device.description = UsbName(ttyDir / "device", isUsb);
        if (device.description.empty() && !device.stableName.empty()) {
            device.description = NameFromStableName(device.stableName);
        }
        device.kind = isUsb ? kUsbKind : kOtherKind;
        for (const NameKind& kind : kKinds) {
            if (name.starts_with(kind.prefix)) {
                device.kind = kind.kind;
                isUsb = isUsb || kind.usb;
            }
        }
        found.emplace_back(isUsb, std::move(device));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const std::string aName = fs::path(a.second.node).filename().string();
        const std::string bName = fs::path(b.second.node).filename().string();
        return std::tuple(!a.first, NaturalKey(aName)) < std::tuple(!b.first, NaturalKey(bName));
    });
    std::vector<SerialDevice> devices;
    for (auto& [usb, device] : found) {
        devices.push_back(std::move(device));
    }
    return devices;
}

bool SerialDeviceList::HasNoUart(const std::string& devicePath) const {
    const fs::path path = fs::path(devicePath).lexically_normal();
    std::error_code error;
    const fs::path realRoot = fs::weakly_canonical(m_devRoot, error);
    if (path.parent_path() != m_devRoot.lexically_normal() && path.parent_path() != realRoot) {
        return false;
    }
    const fs::path ttyDir = m_sysRoot / "class" / "tty" / path.filename();
    return Exists(ttyDir / "device") && NoUart(ttyDir);
}

std::vector<std::pair<fs::path, std::string>> SerialDeviceList::Processes() const {
    std::vector<std::pair<fs::path, std::string>> processes;
    const std::string self = std::to_string(::getpid());
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_procRoot, error)) {
        const std::string pid = entry.path().filename().string();
        if (pid != self && !pid.empty() && pid.find_first_not_of("0123456789") == pid.npos) {
            processes.emplace_back(entry.path(), ReadAttribute(entry.path() / "comm"));
        }
    }
    return processes;
}

std::string SerialDeviceList::Holders(const std::string& devicePath) const {
    std::string holders;
    for (const auto& [dir, command] : Processes()) {
        std::error_code error;
        for (const fs::directory_entry& fd : fs::directory_iterator(dir / "fd", error)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError) == devicePath) {
                holders += (holders.empty() ? "" : "、") + command + "（进程 " +
                           dir.filename().string() + "）";
                break;
            }
        }
    }
    return holders;
}

std::string SerialDeviceList::AdaptersClaimedByBrltty() const {
    const auto processes = Processes();
    const bool brltty = Exists(m_udevRules / kBrlttyRule) ||
                        std::any_of(processes.begin(), processes.end(),
                                    [](const auto& process) { return process.second == kBrltty; });
    std::string adapters;
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(m_sysRoot / "bus" / "usb" / "devices", error)) {
        const std::string vendor = ReadAttribute(entry.path() / "idVendor");
        if (!brltty ||
            std::find(std::begin(kSerialChipVendors), std::end(kSerialChipVendors), vendor) ==
                std::end(kSerialChipVendors) ||
            HasTty(entry.path())) {
            continue;
        }
        std::string name = ReadAttribute(entry.path() / "manufacturer");
        AppendName(name, ReadAttribute(entry.path() / "product"));
        adapters += (adapters.empty() ? "" : "、") + name + "（" + vendor + ":" +
                    ReadAttribute(entry.path() / "idProduct") + "）";
    }
    return adapters;
}

} // namespace serial
