#include "platform/win/WinApi.h"

#include "platform/win/Window.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {

SleepHandler& Sleeper() {
    static SleepHandler handler;
    return handler;
}

bool& TrackingFails() {
    static bool fail = false;
    return fail;
}

} // namespace

SleepHandler SetSleepHandler(SleepHandler handler) {
    SleepHandler previous = std::move(Sleeper());
    Sleeper() = std::move(handler);
    return previous;
}

void SetTrackMouseEventFailure(bool fail) {
    TrackingFails() = fail;
}

} // namespace platform

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (lpEventTrack == nullptr || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT) ||
        platform::TrackingFails() || !platform::Window::IsWindow(lpEventTrack->hwndTrack)) {
        return FALSE;
    }
    return lpEventTrack->hwndTrack->TrackMouse(lpEventTrack->dwFlags, lpEventTrack->dwHoverTime);
}

void Sleep(DWORD dwMilliseconds) {
    if (platform::Sleeper()) {
        platform::Sleeper()(dwMilliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
