// Pausing the calling thread, which tests may replace so that a pause costs them no time.
#include <windows.h>

#include <chrono>
#include <thread>

namespace engine {

namespace {

SleepHandler& Sleeper() {
    static SleepHandler handler;
    return handler;
}

} // namespace

SleepHandler SetSleepHandler(SleepHandler handler) {
    SleepHandler previous = std::move(Sleeper());
    Sleeper() = std::move(handler);
    return previous;
}

} // namespace engine

void Sleep(DWORD dwMilliseconds) {
    if (engine::Sleeper()) {
        engine::Sleeper()(dwMilliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
