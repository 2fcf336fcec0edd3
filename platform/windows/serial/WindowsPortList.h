// The serial ports of a Windows PC as the control's messages offer them, and what those
// messages tell the user to do. Nothing here reads the system (SystemSerialPorts.cpp does),
// so the wording and the order can be checked on any system.
#pragma once

#include "platform/serial/SerialDevice.h"

#include <string>
#include <vector>

namespace serial {

// A device that says which COM port it is: its port name ("COM3", the "PortName" of its
// registry key), its friendly name as Device Manager shows it ("USB-SERIAL CH340 (COM3)")
// and the bus that found it ("USB", "FTDIBUS", "ACPI"...). Names are empty when unknown.
struct InstalledPort {
    std::string name;
    std::string friendlyName;
    std::string enumerator;
};

// The ports to offer: one per name in present (the COM names the system's serial map has
// now), described by the device of described that has that name, if any. Names compare
// without regard to case and are given in capitals; the friendly name loses the "(COM3)"
// that repeats the port; the order is by port number (COM2 before COM10), each name once.
std::vector<SerialDevice> OfferedPorts(const std::vector<std::string>& present,
                                       const std::vector<InstalledPort>& described);

// What follows the error of port portName, which this PC does not have: the ports it has
// and how to give one of them that name.
std::string PortsToChooseFrom(const std::string& portName, const std::vector<SerialDevice>& ports);
// What follows the error of port portName, whose device went away while it was open.
std::string PortsAfterDisconnect(const std::string& portName,
                                 const std::vector<SerialDevice>& ports);

} // namespace serial
