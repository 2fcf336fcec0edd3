// The communications control's errors for causes only Windows gives: its error codes, which
// of them mean that the device is not there or has gone, and the system's own text of the
// others. Where the port is not there, the message lists the serial ports this PC has and
// tells how to give one of them the port's name.
#pragma once

#include "platform/serial/CommErrors.h"

#include <windows.h>

#include <string>

namespace serial {

// Whether error, from an open port, means that its device has gone away (an adapter pulled).
bool IsDeviceGoneError(DWORD error);
// Whether error means that a write ran out of time.
bool IsTimeoutError(DWORD error);

// The system's own text of error in UTF-8 on one line, without its full stop; "错误代码 N"
// when the system has none.
std::string SystemText(DWORD error);
// The same in the control's sentence for an error without its own wording.
std::string SystemErrorText(DWORD error);

// The error for a port that could not be opened or set up because of the system error `error`.
[[noreturn]] void ThrowOpenError(const PortIdentity& port, DWORD error);

} // namespace serial
