// The calls into a serial port's driver that the Windows device makes, on one port at a time.
// The system's driver makes them; tests give drivers that misbehave as real ones do
// (a write or a cancel that never completes, a call that blocks for good).
#pragma once

#include "platform/serial/LineSettings.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace serial {

// What a call gives back: the system's error (ERROR_SUCCESS; ERROR_IO_PENDING for a write
// under way; WAIT_TIMEOUT for a wait that ran out) and a count where there is one.
struct DriverResult {
    DWORD error = ERROR_SUCCESS;
    DWORD count = 0;
};

class CommDriver {
public:
    virtual ~CommDriver() = default;

    // Opens path exclusively, for overlapped I/O.
    virtual DriverResult Open(const std::wstring& path) = 0;
    // Sets the line; with prepare also the queues and timeouts, and drops what was queued.
    virtual DriverResult Configure(const LineSettings& settings, bool prepare) = 0;
    // Starts writing bytes, which the driver keeps until the write has ended.
    virtual DriverResult StartWrite(std::vector<std::uint8_t> bytes) = 0;
    // Waits up to time for the write to end: its result and the bytes written.
    virtual DriverResult WaitWrite(std::chrono::milliseconds time) = 0;
    // Asks the driver to end the write.
    virtual DriverResult CancelWrite() = 0;
    // The bytes in the driver's output queue; clears its line errors.
    virtual DriverResult OutputQueue() = 0;
    // Closes the port, discarding what is still queued when discard is set.
    virtual DriverResult Close(bool discard) = 0;
};

// The system's driver: \\.\COMn opened exclusively for overlapped I/O, a DCB with no flow
// control, one write under way at a time with its own event.
std::unique_ptr<CommDriver> CreateSystemCommDriver();

} // namespace serial
