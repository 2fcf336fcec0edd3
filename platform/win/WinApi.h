// Free Win32 functions that the program calls: mouse tracking and pausing. Tests may
// replace the pause and make tracking requests fail.
#pragma once

#include "platform/win/WinUser.h"

#include <functional>

// Asks for hover and leave notifications for a window; nonzero on success.
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);
// Suspends the calling thread; no messages are processed meanwhile.
void Sleep(DWORD dwMilliseconds);

namespace platform {
using SleepHandler = std::function<void(DWORD milliseconds)>;
SleepHandler SetSleepHandler(SleepHandler handler);
// While set, every tracking request fails.
void SetTrackMouseEventFailure(bool fail);
} // namespace platform
