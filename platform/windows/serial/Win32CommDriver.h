// A serial port's driver as the system reaches it: \\.\COMn opened exclusively for overlapped
// I/O, a DCB with no flow control, one write under way at a time with its own event.
#pragma once

#include "platform/windows/serial/CommDriver.h"

namespace serial {

class Win32CommDriver : public CommDriver {
public:
    Win32CommDriver();
    ~Win32CommDriver() override;
    Win32CommDriver(const Win32CommDriver&) = delete;
    Win32CommDriver& operator=(const Win32CommDriver&) = delete;

    DriverResult Open(const std::wstring& path) override;
    DriverResult Configure(const LineSettings& settings, bool prepare) override;
    DriverResult StartWrite(std::vector<std::uint8_t> bytes) override;
    DriverResult WaitWrite(std::chrono::milliseconds time) override;
    DriverResult CancelWrite() override;
    DriverResult OutputQueue() override;
    DriverResult Close(bool discard) override;

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    HANDLE m_written = CreateEventW(nullptr, TRUE, FALSE, nullptr); // set when a write ends
    // The write's buffer and OVERLAPPED belong to the driver until the write ends.
    std::vector<std::uint8_t> m_buffer;
    OVERLAPPED m_overlapped{};
};

} // namespace serial
