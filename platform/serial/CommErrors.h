// The serial ports' errors: each is thrown as a PortError whose description (in Chinese, like
// the rest of the program) names the port, the device and the cause, since that text is all
// the user is shown; the communications control hands it on as its own dispatch error. The
// causes only one system has are worded by that system's serial device; the sentences they
// go into are here.
#pragma once

#include "platform/serial/SerialDevice.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace serial {

// The codes of the errors, as the dispatch exception carries them (a WORD).
enum class CommError : std::uint16_t {
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

// A port's error: its code, and what() is the description the user is shown.
class PortError : public std::runtime_error {
public:
    PortError(CommError code, const std::string& description)
        : std::runtime_error(description), m_code(code) {}
    CommError Code() const { return m_code; }

private:
    CommError m_code;
};

// Where a port is: its name ("COM1"), the device path it maps to and, when that is a
// link, the device it leads to.
struct PortIdentity {
    std::string name;
    std::string path;
    std::string realPath;

    // "COM1（path）", with "→ real device" when the path is a link.
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

// holder names the programs that have the port ("minicom（进程 1234）") where the system
// tells them, else it is empty.
[[noreturn]] void ThrowPortBusy(const PortIdentity& port, const std::string& holder);
// An open that failed for cause, a Chinese sentence without its full stop.
[[noreturn]] void ThrowOpenFailed(const PortIdentity& port, const std::string& cause);

// devices are the serial devices there are now, offered for the port.
[[noreturn]] void ThrowDeviceGone(const PortIdentity& port, std::size_t unsent, std::size_t total,
                                  const std::vector<SerialDevice>& devices);
// The same with what the system offers instead in its own words (its serial devices and how
// to make one of them the port), starting with a blank line.
[[noreturn]] void ThrowDeviceGone(const PortIdentity& port, std::size_t unsent, std::size_t total,
                                  const std::string& choices);
// The bytes did not leave within SerialPortDevice::kTransmitDeadline.
[[noreturn]] void ThrowTransmitTimeout(const PortIdentity& port, std::size_t unsent,
                                       std::size_t total);
// cause is a Chinese sentence without its full stop.
[[noreturn]] void ThrowTransmitFailed(const PortIdentity& port, const std::string& cause);

// "无法打开串口 COM1（path）：", the start of every error of an open.
std::string CannotOpen(const PortIdentity& port);
// Whether a port was given as a device path (the command line's --port /dev/ttyUSB0) rather than
// as COMn, which an environment variable maps.
bool NamedByPath(const std::string& portName);
// Each device with what it is and the line that makes it port portName (for a port named by
// path, the device's path itself), for a message that offers them.
std::string DeviceEntries(const std::vector<SerialDevice>& devices, const std::string& portName);
// One device with what it is, as a message lists it, starting with a blank line.
std::string DeviceEntry(const SerialDevice& device);
// The system's own text of an error in brackets after a Chinese sentence.
std::string UnexplainedSystemError(const std::string& systemText);

} // namespace serial
