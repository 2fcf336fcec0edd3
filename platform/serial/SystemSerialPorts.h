// What a program other than the communications control needs of this system's serial ports:
// the ports the machine has, the device a port number leads to, and a device opened by its
// path. Each system's serial device implements them.
#pragma once

#include "platform/serial/LineSettings.h"
#include "platform/serial/SerialDevice.h"
#include "platform/serial/SerialPortDevice.h"

#include <string>
#include <vector>

namespace serial {

// The serial devices this machine has now, in the order the port messages list them; found
// without opening any device.
std::vector<SerialDevice> SystemSerialDevices();

// The device that port n opens: $TAVRIN_COM<n> or /dev/ttyS<n-1> on Linux, \\.\COM<n> on
// Windows (the same function each system's device declares).
std::string DevicePathForPort(long port);

// Whether this system opens a serial device by its path as well as by port number.
bool OpensDevicePaths();

// Opens device, made by CreateSerialPortDevice(), at path for a port the messages call
// portName, as the device's Open does for a port number; only where OpensDevicePaths().
void OpenDevicePath(SerialPortDevice& device, const std::string& portName, const std::string& path,
                    const LineSettings& settings);

} // namespace serial
