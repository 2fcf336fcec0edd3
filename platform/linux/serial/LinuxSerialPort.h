// The serial device behind the communications control on this system: port n is the device
// named by the environment variable TAVRIN_COM<n>, else /dev/ttyS<n-1>, opened exclusively
// and raw, written whole, drained before it is closed.
#pragma once

#include "platform/linux/serial/SerialDeviceList.h"
#include "platform/serial/CommErrors.h"
#include "platform/serial/SystemSerialPorts.h"

#include <QSerialPort>
#include <string>

#include <chrono>
#include <cstdint>
#include <span>

namespace serial {

class LinuxSerialPort : public SerialPortDevice {
public:
    // devices is where the errors look for the serial devices to offer instead.
    explicit LinuxSerialPort(SerialDeviceList devices = SerialDeviceList());
    ~LinuxSerialPort() override { CloseQuietly(); }

    bool IsOpen() const override { return m_port.isOpen(); }

    void Open(long port, const LineSettings& settings) override;
    // Opens the device at path (links followed) for port portName with the settings; throws
    // the control's error naming the cause when it cannot.
    void OpenDevice(const std::string& portName, const std::string& path,
                    const LineSettings& settings);
    void Apply(const LineSettings& settings) override;
    void Transmit(std::span<const std::uint8_t> bytes) override;
    void Close() override;

private:
    [[noreturn]] void FailOpen();
    // The busy port's error, naming the programs that hold it where the system shows them.
    [[noreturn]] void FailBusy() const;
    // The system error behind a failed open, found without changing the device.
    int OpenErrorOfDevice() const;
    // Blocks until the descriptor takes more bytes (0), the line hangs up (EIO) or the
    // deadline passes (ETIMEDOUT).
    int WaitWritable(std::chrono::steady_clock::time_point deadline) const;
    // Waits until the kernel's output queue is empty and the last byte is on the line.
    void WaitUntilSent(std::chrono::steady_clock::time_point deadline, std::size_t total);
    // Closes, ending a close that the driver holds up past bound.
    void CloseWithin(std::chrono::milliseconds bound);
    // Discards what is still queued and closes, so that the close cannot block either.
    void Abandon();
    [[noreturn]] void FailTransmit(int error, std::size_t unsent, std::size_t total);

    SerialDeviceList m_devices;
    QSerialPort m_port;
    PortIdentity m_identity;
};

} // namespace serial
