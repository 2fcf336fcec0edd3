// The communications control's errors: each is thrown as a COleDispatchException whose
// description (in Chinese, like the rest of the program) names the port, the device and
// the cause, since that text is all the user is shown.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/comm/SerialDeviceList.h"

#include <string>
#include <string_view>

namespace platform::comm {

enum class CommError : WORD {
    InvalidPortNumber = 100,
    PortAlreadyOpen,
    PortNotOpen,
    InvalidSettings,
    UnsupportedSettings,
    InvalidPropertyValue,
    WriteOnlyProperty,
    NoSuchDevice,
    PermissionDenied,
    PortBusy,
    LockUnavailable,
    OpenFailed,
    DeviceGone,
    TransmitTimeout,
    TransmitFailed,
    NotSerialDevice,
    NoSerialHardware,
};

// Where a port is: its name ("COM1"), the device path it maps to and, when that is a
// symbolic link, the device it leads to.
struct PortIdentity {
    std::string name;
    std::string path;
    std::string realPath;

    // "COM1（/dev/ttyS0）", with "→ real device" when the path is a link.
    std::string Describe() const;
};

// An unsent count that is not known (the device went away while draining).
constexpr std::size_t kUnknownCount = static_cast<std::size_t>(-1);

[[noreturn]] void ThrowCommError(CommError code, const std::string& description);

[[noreturn]] void ThrowInvalidPortNumber(long number);
[[noreturn]] void ThrowPortAlreadyOpen(const std::string& portName, std::string_view action);
[[noreturn]] void ThrowPortNotOpen(const std::string& portName);
[[noreturn]] void ThrowInvalidSettings(const std::string& text, std::string_view cause);
[[noreturn]] void ThrowUnsupportedSettings(const PortIdentity& port, std::string_view cause);

// The error for a device that could not be opened because of the system error `error`.
// Where the device is missing, is no serial device or has no hardware behind it, the
// message lists the serial devices the machine has, with the line that selects each.
[[noreturn]] void ThrowOpenError(const PortIdentity& port, int error,
                                 const SerialDeviceList& devices);
[[noreturn]] void ThrowPermissionDenied(const PortIdentity& port);
// holder is "minicom，进程 1234" when the lock file names it, else empty.
[[noreturn]] void ThrowPortBusy(const PortIdentity& port, const std::string& holder);
[[noreturn]] void ThrowLockUnavailable(const PortIdentity& port);
// An open that failed for a cause the system gave only as its own text.
[[noreturn]] void ThrowOpenFailed(const PortIdentity& port, const std::string& systemText);

[[noreturn]] void ThrowDeviceGone(const PortIdentity& port, std::size_t unsent, std::size_t total,
                                  const std::vector<SerialDevice>& devices);
[[noreturn]] void ThrowTransmitTimeout(const PortIdentity& port, std::size_t unsent,
                                       std::size_t total, int seconds);
[[noreturn]] void ThrowTransmitFailed(const PortIdentity& port, int error);

// A system error in Chinese: "文件系统是只读的"; for an error without its own wording, a
// Chinese sentence with the system's text in brackets.
std::string SystemErrorText(int error);
// The system's own text of an error in brackets after a Chinese sentence.
std::string UnexplainedSystemError(const std::string& systemText);

} // namespace platform::comm
