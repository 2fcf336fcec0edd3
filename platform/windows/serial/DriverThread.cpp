// The serial device's driver thread.
#include "platform/windows/serial/DriverThread.h"

#include <algorithm>

namespace serial {

DriverThread::~DriverThread() {
    m_stopping = true;
    SetEvent(m_called);
    m_thread.join();
    CloseHandle(m_called);
    CloseHandle(m_returned);
}

std::optional<DriverResult> DriverThread::Run(std::function<DriverResult()> call,
                                              std::chrono::milliseconds bound) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + bound;
    const Clock::time_point lookUntil = std::min(deadline, Clock::now() + kLookFor);
    m_call = std::move(call);
    m_done = false;
    SetEvent(m_called);
    while (!m_done && Clock::now() < lookUntil) {
        SwitchToThread();
    }
    while (!m_done) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        WaitForSingleObject(m_returned, static_cast<DWORD>(left.count()));
    }
    return m_result;
}

void DriverThread::Serve() {
    for (;;) {
        WaitForSingleObject(m_called, INFINITE);
        if (m_stopping) {
            return;
        }
        m_result = m_call();
        m_done = true;
        SetEvent(m_returned);
    }
}

} // namespace serial
