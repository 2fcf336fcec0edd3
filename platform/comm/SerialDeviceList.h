// The serial devices this machine has, found from the file system alone (/dev/serial/by-id,
// /sys/class/tty): nothing is opened under /dev and nothing is written, so listing them
// cannot disturb a device that another program is using.
#pragma once

#include "platform/base/WinDef.h"

#include <filesystem>
#include <string>
#include <vector>

namespace platform::comm {

struct SerialDevice {
    std::string node;        // "/dev/ttyUSB0"
    std::string stableName;  // "/dev/serial/by-id/usb-..." when udev made one, else empty
    std::string kind;        // "USB 转串口适配器", "内置串口"...
    std::string description; // the adapter's name ("FTDI FT232R USB UART"), else empty

    // The name to give the program: the stable one where there is one.
    const std::string& PathToUse() const { return stableName.empty() ? node : stableName; }
};

class SerialDeviceList {
public:
    // The machine's own tree; tests give made-up roots.
    explicit SerialDeviceList(std::filesystem::path devRoot = "/dev",
                              std::filesystem::path sysRoot = "/sys");

    // The serial ports with hardware behind them, USB devices first. Virtual consoles,
    // pseudo-terminals and ttyS nodes without a UART are left out.
    std::vector<SerialDevice> Devices() const;
    // Whether devicePath is a serial node that the kernel has but no UART stands behind
    // (/sys/class/tty/<name>/type is 0), such as /dev/ttyS0 on a PC without a serial port.
    bool HasNoUart(const std::string& devicePath) const;

private:
    enum class Uart { Present, Absent, NotSerialCore };

    Uart UartOf(const std::filesystem::path& ttyDir) const;
    // The by-id links of the devices under /dev, by the device's node name.
    std::vector<std::pair<std::string, std::string>> StableNames() const;

    std::filesystem::path m_devRoot;
    std::filesystem::path m_sysRoot;
};

} // namespace platform::comm
