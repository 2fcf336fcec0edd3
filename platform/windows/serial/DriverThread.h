// A thread of the serial device's own on which the calls into a driver run, so that the
// dialog's thread waits for each with a bound: drivers are known to block in a write, a
// close, a purge or a status call for good. Nothing outside the device sees it.
#pragma once

#include "platform/windows/serial/CommDriver.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

namespace serial {

class DriverThread {
public:
    // Stops and joins the thread: only for one whose every call has returned.
    ~DriverThread();

    // Runs call on the thread; its result, or none when it has not returned within bound. The
    // thread is then still in the call: the caller must abandon it, and call must not refer
    // to anything that the caller frees.
    std::optional<DriverResult> Run(std::function<DriverResult()> call,
                                    std::chrono::milliseconds bound);

private:
    void Serve();

    // How long a caller looks for the result before it sleeps: longer than most calls take.
    // Each wake-up is a trip through the scheduler (under Wine through wineserver too), which
    // took milliseconds on a busy machine, on the way to the bytes.
    static constexpr std::chrono::microseconds kLookFor{2000};

    HANDLE m_called = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE m_returned = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<bool> m_done{false};
    std::function<DriverResult()> m_call; // the caller waits for each: one at a time
    DriverResult m_result;
    bool m_stopping = false;
    std::thread m_thread{&DriverThread::Serve, this}; // last: starts once the rest exists
};

} // namespace serial
