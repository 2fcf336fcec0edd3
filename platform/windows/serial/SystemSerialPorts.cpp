// This system's serial ports for programs other than the communications control.
#include "platform/serial/SystemSerialPorts.h"

#include "platform/windows/serial/InstalledSerialPorts.h"
#include "platform/windows/serial/WindowsCommErrors.h"

namespace serial {

std::vector<SerialDevice> SystemSerialDevices() {
    return InstalledSerialPorts().Devices();
}

bool OpensDevicePaths() {
    return false;
}

// Windows opens its ports by number only: a path is a port this PC does not have.
void OpenDevicePath(SerialPortDevice&, const std::string& portName, const std::string& path,
                    const LineSettings&) {
    ThrowOpenError({portName, path, {}}, ERROR_FILE_NOT_FOUND, InstalledSerialPorts());
}

} // namespace serial
