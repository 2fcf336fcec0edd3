// The serial device behind the communications control while its port is open: opened
// exclusively and raw, written whole, drained before it is closed.
#pragma once

#include "platform/comm/CommErrors.h"
#include "platform/comm/LineSettings.h"

#include <QSerialPort>
#include <string>

#include <chrono>
#include <span>

namespace platform::comm {

class CommDevice {
public:
    // The longest an output or a close may wait for its bytes to leave the machine.
    static constexpr std::chrono::milliseconds kTransmitDeadline{2000};

    // devices is where the errors look for the serial devices to offer instead.
    explicit CommDevice(SerialDeviceList devices = SerialDeviceList());
    CommDevice(const CommDevice&) = delete;
    CommDevice& operator=(const CommDevice&) = delete;
    ~CommDevice();

    bool IsOpen() const { return m_port.isOpen(); }
    const PortIdentity& Identity() const { return m_identity; }

    // Opens the device at path (links followed) for port portName with the settings; throws
    // the control's error naming the cause when it cannot.
    void Open(const std::string& portName, const std::string& path, const LineSettings& settings);
    // Changes the line settings of the open device.
    void Apply(const LineSettings& settings);
    // Sends every byte and returns once they have left the machine. A device that is gone,
    // a failed write or the deadline passing throws, and the port is closed then.
    void Transmit(std::span<const BYTE> bytes);
    // Waits (bounded) for output still queued, then closes; throws like Transmit.
    void Close();

private:
    enum class Wait { Ready, HungUp, TimedOut };

    void Configure(const LineSettings& settings);
    [[noreturn]] void FailOpen();
    // The system error behind a failed open, found without changing the device.
    int OpenErrorOfDevice() const;
    // Blocks until the descriptor takes more bytes, the line hangs up or the deadline passes.
    Wait WaitWritable(std::chrono::steady_clock::time_point deadline) const;
    // Waits until the kernel's output queue is empty and the last byte is on the line.
    void WaitUntilSent(std::chrono::steady_clock::time_point deadline, std::size_t total);
    // Discards what is still queued and closes, so that the close cannot block either.
    void Abandon();
    [[noreturn]] void FailTransmit(int error, std::size_t unsent, std::size_t total);

    SerialDeviceList m_devices;
    QSerialPort m_port;
    PortIdentity m_identity;
};

} // namespace platform::comm
