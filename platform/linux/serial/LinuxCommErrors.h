// The communications control's errors for causes only this system gives: an error number,
// a device the user has no rights to, a lock file that cannot be made. Where the device is
// missing, is no serial device or has no hardware behind it, the message lists the serial
// devices the machine has, with the line that selects each.
#pragma once

#include "platform/linux/serial/SerialDeviceList.h"
#include "platform/serial/CommErrors.h"

#include <string>

namespace serial {

// The error for a device that could not be opened because of the system error `error`.
[[noreturn]] void ThrowOpenError(const PortIdentity& port, int error,
                                 const SerialDeviceList& devices);
[[noreturn]] void ThrowPermissionDenied(const PortIdentity& port);
[[noreturn]] void ThrowLockUnavailable(const PortIdentity& port);

// A system error in Chinese: "文件系统是只读的"; for an error without its own wording, a
// Chinese sentence with the system's text in brackets.
std::string SystemErrorText(int error);

} // namespace serial
