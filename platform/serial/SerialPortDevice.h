// The serial device behind the communications control while its port is open. The control
// keeps the properties and the system keeps the device: each system has one implementation,
// which the control gets from CreateSerialPortDevice(). This header, like those it includes,
// declares none of the framework's Windows types, so that an implementation can include the
// system's own.
#pragma once

#include "platform/serial/LineSettings.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace serial {

// The environment variable naming a port's device is this followed by the port's name.
constexpr const char* kPortVariablePrefix = "TAVRIN_";

// "COM<n>".
inline std::string PortName(long port) {
    return "COM" + std::to_string(port);
}

class SerialPortDevice {
public:
    using Clock = std::chrono::steady_clock;

    // The longest an output or a close may wait for its bytes to leave the machine.
    static constexpr std::chrono::milliseconds kTransmitDeadline{2000};

    // The time left until deadline, none once it has passed.
    static std::chrono::milliseconds Remaining(Clock::time_point deadline);
    // How long a drain rests before it looks at the driver's output queue again: about as
    // long as the queued bytes take on the line at baudRate, within bounds, and not past
    // the deadline.
    static std::chrono::milliseconds DrainPause(std::size_t queued, long baudRate,
                                                Clock::time_point deadline);
    // How long one character takes on the line at baudRate, rounded up.
    static std::chrono::milliseconds CharacterTime(long baudRate);

    SerialPortDevice() = default;
    SerialPortDevice(const SerialPortDevice&) = delete;
    SerialPortDevice& operator=(const SerialPortDevice&) = delete;
    // Destroying an open device closes it as Close does, without reporting a failure.
    virtual ~SerialPortDevice() = default;

    virtual bool IsOpen() const = 0;
    // Opens port n ("COM<n>") exclusively with the settings; throws the control's error
    // naming the port, its device and the cause when it cannot.
    virtual void Open(long port, const LineSettings& settings) = 0;
    // Changes the line settings of the open device; throws when the line cannot carry them.
    virtual void Apply(const LineSettings& settings) = 0;
    // Sends every byte and returns once they have left the machine, within
    // kTransmitDeadline. A device that is gone, a failed write or the deadline passing
    // throws, and the port is closed then.
    virtual void Transmit(std::span<const std::uint8_t> bytes) = 0;
    // Waits (bounded) for output still queued, then closes; throws like Transmit. Closing a
    // closed device does nothing.
    virtual void Close() = 0;

protected:
    // Close for a destructor, which must not throw: every output has already waited for its
    // bytes to leave, so what can fail here is only a device that went away meanwhile, and
    // nothing assigned to the port is lost by ignoring it.
    void CloseQuietly() noexcept;
};

// The serial device of this system.
std::unique_ptr<SerialPortDevice> CreateSerialPortDevice();

} // namespace serial
