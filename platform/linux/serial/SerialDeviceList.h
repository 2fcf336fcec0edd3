// The serial devices this machine has, found from the file system alone (/dev/serial/by-id,
// /sys/class/tty): nothing is opened under /dev and nothing is written, so listing them
// cannot disturb a device that another program is using.
#pragma once

#include "platform/serial/SerialDevice.h"

#include <filesystem>
#include <string>
#include <vector>

namespace serial {

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

} // namespace serial
