// The alarm that bounds a blocking driver call.
#include "platform/linux/serial/DeadlineAlarm.h"

#include <algorithm>
#include <sys/syscall.h>
#include <unistd.h>

namespace serial {

namespace {

using std::chrono::nanoseconds;

// After the first signal the timer repeats, in case the first came just before the call.
constexpr nanoseconds kRepeat = std::chrono::milliseconds{10};
constexpr nanoseconds kSoonest{1}; // a zero time would disarm the timer
constexpr long kNanosecondsPerSecond = 1'000'000'000;

timespec TimeOf(nanoseconds time) {
    return {static_cast<time_t>(time.count() / kNanosecondsPerSecond),
            static_cast<long>(time.count() % kNanosecondsPerSecond)};
}

void Interrupt(int) {}

} // namespace

DeadlineAlarm::DeadlineAlarm(std::chrono::steady_clock::time_point deadline) {
    struct sigaction action {};
    action.sa_handler = &Interrupt; // no SA_RESTART: the call returns EINTR
    sigemptyset(&action.sa_mask);
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = SIGRTMIN;
    event._sigev_un._tid = static_cast<pid_t>(::syscall(SYS_gettid));
    m_installed = ::sigaction(SIGRTMIN, &action, &m_previous) == 0;
    m_armed = m_installed && ::timer_create(CLOCK_MONOTONIC, &event, &m_timer) == 0;
    if (m_armed) {
        const nanoseconds left =
            std::max(kSoonest, nanoseconds(deadline - std::chrono::steady_clock::now()));
        const itimerspec when{TimeOf(kRepeat), TimeOf(left)};
        ::timer_settime(m_timer, 0, &when, nullptr);
    }
}

DeadlineAlarm::~DeadlineAlarm() {
    // A signal the timer sent before it was deleted reaches Interrupt as the call returns.
    if (m_armed) {
        ::timer_delete(m_timer);
    }
    if (m_installed) {
        ::sigaction(SIGRTMIN, &m_previous, nullptr);
    }
}

} // namespace serial
