// A thread of the serial device's own on which the calls into a driver run, so that the
// dialog's thread waits for each with a bound: drivers are known to block in a write, a
// close, a purge or a status call for good. Nothing outside the device sees it.
#pragma once

#include "platform/windows/serial/CommDriver.h"

#include <chrono>
#include <functional>
#include <optional>
#include <thread>

namespace serial {

class DriverThread {
public:
    DriverThread() = default;
    // Stops and joins the thread: only for one whose every call has returned.
    ~DriverThread();

    // Runs call on the thread; its result, or none when it has not returned within bound. The
    // thread is then still in the call: the caller must abandon it, and call must not refer
    // to anything that the caller frees.
    std::optional<DriverResult> Run(std::function<DriverResult()> call,
                                    std::chrono::milliseconds bound);

private:
    void Serve();

    // The system's own events hand each call over and back: a call takes well under a
    // millisecond this way, where the C++ library's waits over the POSIX thread layer of
    // mingw-w64 took up to 15 ms under Wine.
    HANDLE m_called = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE m_returned = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::function<DriverResult()> m_call; // the caller waits for each: one at a time
    DriverResult m_result;
    bool m_stopping = false;
    std::thread m_thread{&DriverThread::Serve, this}; // last: starts once the rest exists
};

} // namespace serial
