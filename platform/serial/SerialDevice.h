// A serial device of this machine as the control's messages offer it: what it is, and the
// name that selects it for a port.
#pragma once

#include <string>

namespace serial {

struct SerialDevice {
    std::string node;        // the device's own name, as the system gives it now
    std::string stableName;  // a name that stays when the device comes back, else empty
    std::string kind;        // "USB 转串口适配器", "内置串口"...
    std::string description; // the adapter's name ("FTDI FT232R USB UART"), else empty

    // The name to give the program: the stable one where there is one.
    const std::string& PathToUse() const { return stableName.empty() ? node : stableName; }
};

} // namespace serial
