// The serial device behind the communications control on Windows: port n is the device
// \\.\COMn, opened exclusively, set up raw with no flow control, written one frame at a time
// and drained before a write returns and before the port is closed. No call into the driver
// holds the caller past a bound, whatever the driver does.
#pragma once

#include "platform/serial/CommErrors.h"
#include "platform/serial/SystemSerialPorts.h"
#include "platform/windows/serial/CommDriver.h"
#include "platform/windows/serial/DriverThread.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace serial {

class WindowsSerialPort : public SerialPortDevice {
public:
    using DriverFactory = std::function<std::unique_ptr<CommDriver>()>;

    // The longest a call into the driver other than the write may take before the port is
    // given up: a close, a status, a cancel, and the wait for the cancel.
    static constexpr std::chrono::milliseconds kCallBound{250};

    // makeDriver gives the driver of each port opened (the system's, or a test's).
    explicit WindowsSerialPort(DriverFactory makeDriver = {});
    ~WindowsSerialPort() override { CloseQuietly(); }

    bool IsOpen() const override { return m_open; }

    void Open(long port, const LineSettings& settings) override;
    void Apply(const LineSettings& settings) override;
    void Transmit(std::span<const std::uint8_t> bytes) override;
    void Close() override;

private:
    using DriverCall = std::function<DriverResult(CommDriver&)>;

    // Runs call on the driver's thread within bound; none when it did not return, and then
    // the driver has been let go. call must own what it uses.
    std::optional<DriverResult> Call(DriverCall call, std::chrono::milliseconds bound);
    // Leaves the driver, its handle, buffer and OVERLAPPED, and its thread behind for good: a
    // small leak on purpose, since freeing what a driver may still write to could crash the
    // program and waiting for it could freeze the dialog.
    void LetGo();
    // Waits until what was written has left: the driver's queue within the deadline, then
    // the last character's time; total is what the error counts when it fails.
    void Drain(Clock::time_point deadline, std::size_t total);
    // Discards whatever is still queued and closes, within a bound.
    void Abandon();
    [[noreturn]] void FailTransmit(DWORD error, std::size_t unsent, std::size_t total);

    DriverFactory m_makeDriver;
    std::unique_ptr<CommDriver> m_driver;
    std::unique_ptr<DriverThread> m_thread;
    bool m_open = false;
    PortIdentity m_identity;
    long m_baudRate = 0; // of the open line, to pace the drain
};

} // namespace serial
