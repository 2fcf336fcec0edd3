// This system's serial ports for programs other than the communications control.
#include "platform/serial/SystemSerialPorts.h"

#include "platform/linux/serial/LinuxSerialPort.h"
#include "platform/linux/serial/SerialDeviceList.h"

namespace serial {

std::vector<SerialDevice> SystemSerialDevices() {
    return SerialDeviceList().Devices();
}

bool OpensDevicePaths() {
    return true;
}

void OpenDevicePath(SerialPortDevice& device, const std::string& portName, const std::string& path,
                    const LineSettings& settings) {
    dynamic_cast<LinuxSerialPort&>(device).OpenDevice(portName, path, settings);
}

} // namespace serial
