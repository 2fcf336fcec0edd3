// The serial device's driver thread.
#include "platform/windows/serial/DriverThread.h"

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
    // Setting and waiting for an event order the memory around them, so each side sees
    // what the other wrote before.
    m_call = std::move(call);
    SetEvent(m_called);
    if (WaitForSingleObject(m_returned, static_cast<DWORD>(bound.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
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
        SetEvent(m_returned);
    }
}

} // namespace serial
