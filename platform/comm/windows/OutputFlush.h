// Waits, within a time limit, until what has been written to a port has left the machine.
// FlushFileBuffers does this on a COM port but has no time limit of its own, so it runs on a
// thread of its own while the caller waits for it no longer than the limit.
#pragma once

#include <windows.h>

#include <chrono>

namespace platform::comm {

// The least time a flush is given, so that one started after a write that used up the
// deadline is not reported as late merely because its thread took a moment to start.
constexpr std::chrono::milliseconds kMinFlushTime{100};

// ERROR_SUCCESS once the output has left, ERROR_TIMEOUT when the limit (at least
// kMinFlushTime) passed first, else the system's error. port must be open for overlapped
// I/O: a flush that is late goes on, and only such a handle can meanwhile be purged and
// closed, which ends it.
DWORD FlushOutput(HANDLE port, std::chrono::milliseconds limit);

} // namespace platform::comm
