// The serial ports this PC has now, for the messages that offer them: the COM names in the
// system's serial map, described by the devices that Device Manager lists under them. Only
// the registry and the device list are read; no port is opened, so listing them cannot
// disturb a port that another program is using.
#pragma once

#include "platform/serial/SerialDevice.h"
#include "platform/windows/serial/WindowsPortList.h"

#include <string>
#include <vector>

namespace serial {

class InstalledSerialPorts {
public:
    // The ports in port-number order (see OfferedPorts); empty when the system tells none.
    std::vector<SerialDevice> Devices() const;

private:
    // The COM names of the serial map (HKLM\HARDWARE\DEVICEMAP\SERIALCOMM): the ports whose
    // driver runs now.
    static std::vector<std::string> MappedPortNames();
    // The present devices of the Ports class and those offering the COM port interface, each
    // with the port name of its registry key.
    static std::vector<InstalledPort> DescribedPorts();
};

} // namespace serial
