// Pausing the calling thread, which tests may replace so that a pause costs them no time.
#include <windows.h>

#include <chrono>
#include <thread>
#include <utility>

namespace engine {

namespace {
SleepHandler g_sleeper;
} // namespace

SleepHandler SetSleepHandler(SleepHandler handler) {
    return std::exchange(g_sleeper, std::move(handler));
}

} // namespace engine

void Sleep(DWORD dwMilliseconds) {
    if (engine::g_sleeper) {
        engine::g_sleeper(dwMilliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
