// The serial device behind the communications control on Windows: port n is the device
// \\.\COMn, opened exclusively, set up raw with no flow control and a write timeout of
// kTransmitDeadline, written one frame per write and flushed before a write returns and before
// the port is closed.
#pragma once

#include "platform/serial/CommErrors.h"
#include "platform/serial/SerialPortDevice.h"
#include "platform/windows/serial/InstalledSerialPorts.h"

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

namespace serial {

// "\\.\COM<n>": the device name that opens every port, COM10 and above included.
std::string DevicePathForPort(long port);

class WindowsSerialPort : public SerialPortDevice {
public:
    // ports is where the errors look for the serial ports to offer instead.
    explicit WindowsSerialPort(InstalledSerialPorts ports = InstalledSerialPorts());
    ~WindowsSerialPort() override;

    bool IsOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }

    void Open(long port, const LineSettings& settings) override;
    void Apply(const LineSettings& settings) override;
    void Transmit(std::span<const std::uint8_t> bytes) override;
    void Close() override;

private:
    // Sets the line of handle; the system's error, or ERROR_SUCCESS.
    static DWORD Configure(HANDLE handle, const LineSettings& settings);
    // Sets handle up for writing: the write timeout, nothing left from before.
    static DWORD Prepare(HANDLE handle);
    // Waits until what was written has left: the driver's queue within the deadline, then
    // the flush; total is what the error counts when it fails.
    void Drain(Clock::time_point deadline, std::size_t total);
    // Discards whatever is still queued and closes, so that the close cannot block either.
    void Abandon();
    [[noreturn]] void FailTransmit(DWORD error, std::size_t unsent, std::size_t total);

    InstalledSerialPorts m_ports;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    PortIdentity m_identity;
    long m_baudRate = 0; // of the open line, to pace the drain
};

} // namespace serial
