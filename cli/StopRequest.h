// A request to stop from outside (Ctrl+C, and on Linux a terminal hang-up or kill), noted
// instead of ending the process, so that a sequence stops between frames and the port is
// closed cleanly. Each system catches it in its own way (StopRequestLinux.cpp,
// StopRequestWindows.cpp).
#pragma once

#include <chrono>

namespace cli {

class StopRequest {
public:
    // Starts noting requests; until then the system's default ends the process.
    static void Install();
    // The signal that asked to stop (SIGINT for Ctrl+C), 0 while none has.
    static int Signal();
    // Notes a request, as the system's handler does; for tests.
    static void Raise(int signal);
    // Waits for the time, or less when a stop is requested meanwhile; false then.
    static bool Pause(std::chrono::milliseconds time);
};

} // namespace cli
