// The request flag and the pause that heeds it, the same on both systems.
#include "cli/StopRequest.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace cli {

namespace {

// How often a pause looks at the flag: a stop waits at most this long.
constexpr std::chrono::milliseconds kPauseSlice{10};

// Set from a signal handler (Linux) or the console's handler thread (Windows): lock-free.
std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

} // namespace

int StopRequest::Signal() {
    return g_signal.load();
}

void StopRequest::Raise(int signal) {
    int none = 0;
    g_signal.compare_exchange_strong(none, signal);
}

bool StopRequest::Pause(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    for (auto now = std::chrono::steady_clock::now(); now < end;
         now = std::chrono::steady_clock::now()) {
        if (Signal() != 0) {
            return false;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kPauseSlice, end - now));
    }
    return Signal() == 0;
}

} // namespace cli
