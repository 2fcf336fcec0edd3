// An overlapped write with a bounded wait.
#include "platform/comm/windows/OverlappedWrite.h"

#include <algorithm>

namespace platform::comm {

namespace {

DWORD Milliseconds(OverlappedWrite::Clock::duration duration) {
    const auto count = std::chrono::ceil<std::chrono::milliseconds>(duration).count();
    return static_cast<DWORD>(std::clamp<decltype(count)>(count, 0, INFINITE - 1));
}

} // namespace

OverlappedWrite::OverlappedWrite(HANDLE port, std::span<const std::uint8_t> bytes)
    : m_port(port), m_pending(std::make_unique<Pending>()) {
    m_pending->bytes.assign(bytes.begin(), bytes.end());
    m_pending->overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_pending->overlapped.hEvent == nullptr) {
        m_startError = GetLastError();
        return;
    }
    if (!WriteFile(m_port, m_pending->bytes.data(), static_cast<DWORD>(m_pending->bytes.size()),
                   nullptr, &m_pending->overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        m_startError = GetLastError();
    }
}

OverlappedWrite::~OverlappedWrite() {
    if (m_startError == ERROR_SUCCESS && !Completed()) {
        // The system still owns the block: closing the port will end the write, which then
        // sets the event and fills in the block, so both must stay.
        static_cast<void>(m_pending.release());
        return;
    }
    if (m_pending->overlapped.hEvent != nullptr) {
        CloseHandle(m_pending->overlapped.hEvent);
    }
}

OverlappedWrite::Result OverlappedWrite::Wait(Clock::time_point deadline) {
    if (m_startError != ERROR_SUCCESS) {
        return {m_startError, 0};
    }
    const HANDLE event = m_pending->overlapped.hEvent;
    if (WaitForSingleObject(event, Milliseconds(deadline - Clock::now())) == WAIT_OBJECT_0) {
        return Outcome();
    }
    CancelIoEx(m_port, &m_pending->overlapped);
    WaitForSingleObject(event, static_cast<DWORD>(kCancelGrace.count()));
    if (!Completed()) {
        return {ERROR_TIMEOUT, 0};
    }
    // A write that finished as it was cancelled has done its work; any other ran out of time,
    // whatever it reports after its cancelling.
    const Result result = Outcome();
    if (result.error == ERROR_SUCCESS && result.written == m_pending->bytes.size()) {
        return result;
    }
    return {ERROR_TIMEOUT, result.written};
}

bool OverlappedWrite::Completed() const {
    return HasOverlappedIoCompleted(&m_pending->overlapped);
}

OverlappedWrite::Result OverlappedWrite::Outcome() const {
    DWORD written = 0;
    auto* overlapped = const_cast<OVERLAPPED*>(&m_pending->overlapped);
    if (!GetOverlappedResult(m_port, overlapped, &written, FALSE)) {
        return {GetLastError(), written};
    }
    return {ERROR_SUCCESS, written};
}

} // namespace platform::comm
