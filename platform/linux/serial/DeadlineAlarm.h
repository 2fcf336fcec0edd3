// Ends a blocking call into a serial driver once a deadline has passed, on this thread alone
// and without a thread of its own: a timer signals this thread (without SA_RESTART) until the
// alarm is destroyed, so tcdrain or close returns with EINTR. Why: both wait interruptibly but
// without a bound of their own, for as long as a driver says the line has not drained (the
// close for the tty's closing_wait, 30 seconds by default).
#pragma once

#include <chrono>
#include <csignal>
#include <ctime>

namespace serial {

class DeadlineAlarm {
public:
    explicit DeadlineAlarm(std::chrono::steady_clock::time_point deadline);
    ~DeadlineAlarm();
    DeadlineAlarm(const DeadlineAlarm&) = delete;
    DeadlineAlarm& operator=(const DeadlineAlarm&) = delete;

private:
    timer_t m_timer{};
    bool m_installed = false;
    bool m_armed = false;
    struct sigaction m_previous {};
};

} // namespace serial
