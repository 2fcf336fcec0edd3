// The serial devices this machine has and who holds them, found from the file system alone
// (/dev/serial/by-id, /sys, /proc): nothing is opened under /dev and nothing is written, so
// looking cannot disturb a device that another program is using.
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
                              std::filesystem::path sysRoot = "/sys",
                              std::filesystem::path procRoot = "/proc",
                              std::filesystem::path udevRules = "/usr/lib/udev/rules.d");

    // The serial ports with hardware behind them, USB devices first. Virtual consoles,
    // pseudo-terminals and ttyS nodes without a UART are left out.
    std::vector<SerialDevice> Devices() const;
    // Whether devicePath is a serial node that the kernel has but no UART stands behind
    // (/sys/class/tty/<name>/type is 0), such as /dev/ttyS0 on a PC without a serial port.
    bool HasNoUart(const std::string& devicePath) const;
    // The processes but this one that have devicePath open, found in /proc as fuser finds them:
    // "ModemManager（进程 812）、screen（进程 900）"; empty when /proc shows none.
    std::string Holders(const std::string& devicePath) const;
    // The USB serial adapters plugged in without a tty because brltty, which claims such chips
    // for braille displays, is installed or running: "USB Serial（1a86:7523）、…"; else empty.
    std::string AdaptersClaimedByBrltty() const;

private:
    // The by-id links of the devices under /dev, by the device's node name.
    std::vector<std::pair<std::string, std::string>> StableNames() const;

    // The command name of each process but this one, by its directory under /proc.
    std::vector<std::pair<std::filesystem::path, std::string>> Processes() const;

    std::filesystem::path m_devRoot;
    std::filesystem::path m_sysRoot;
    std::filesystem::path m_procRoot;
    std::filesystem::path m_udevRules;
};

} // namespace serial
