// One write to a port opened for overlapped I/O, waited for no longer than a deadline. The
// system may go on using the OVERLAPPED block, its event and the bytes until the write has
// completed, so they live on the heap and outlive this object when the write never
// completes, even after cancelling: a small leak, never memory written after it is freed.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace platform::comm {

class OverlappedWrite {
public:
    using Clock = std::chrono::steady_clock;

    struct Result {
        DWORD error = ERROR_SUCCESS; // ERROR_TIMEOUT when the deadline cancelled the write
        DWORD written = 0;
    };

    // How long a cancelled write may take to report how far it got.
    static constexpr std::chrono::milliseconds kCancelGrace{500};

    // Starts writing a copy of bytes (at most MAXDWORD of them) to port.
    OverlappedWrite(HANDLE port, std::span<const std::uint8_t> bytes);
    OverlappedWrite(const OverlappedWrite&) = delete;
    OverlappedWrite& operator=(const OverlappedWrite&) = delete;
    ~OverlappedWrite();

    // Waits for the write to complete, cancelling it when the deadline passes.
    Result Wait(Clock::time_point deadline);

private:
    struct Pending {
        OVERLAPPED overlapped{};
        std::vector<std::uint8_t> bytes;
    };

    bool Completed() const;
    Result Outcome() const;

    HANDLE m_port;
    std::unique_ptr<Pending> m_pending;
    DWORD m_startError = ERROR_SUCCESS;
};

} // namespace platform::comm
