// A flush of a port's output, waited for within a limit.
#include "platform/comm/windows/OutputFlush.h"

#include <algorithm>

namespace platform::comm {

namespace {

// The thread's exit code is the flush's error, or ERROR_SUCCESS.
DWORD WINAPI FlushThread(LPVOID port) {
    return FlushFileBuffers(static_cast<HANDLE>(port)) ? ERROR_SUCCESS : GetLastError();
}

} // namespace

DWORD FlushOutput(HANDLE port, std::chrono::milliseconds limit) {
    const HANDLE thread = CreateThread(nullptr, 0, FlushThread, port, 0, nullptr);
    if (thread == nullptr) {
        return GetLastError();
    }
    const auto wait = std::clamp<std::chrono::milliseconds::rep>(
        std::max(limit, kMinFlushTime).count(), 0, INFINITE - 1);
    DWORD error = ERROR_TIMEOUT;
    const DWORD waited = WaitForSingleObject(thread, static_cast<DWORD>(wait));
    if ((waited == WAIT_OBJECT_0 && !GetExitCodeThread(thread, &error)) || waited == WAIT_FAILED) {
        error = GetLastError();
    }
    // A late flush keeps its thread until the caller purges or closes the port; the thread
    // then ends by itself.
    CloseHandle(thread);
    return error;
}

} // namespace platform::comm
