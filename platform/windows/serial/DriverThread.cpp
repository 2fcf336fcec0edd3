// The serial device's driver thread.
#include "platform/windows/serial/DriverThread.h"

namespace serial {

DriverThread::~DriverThread() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_queued.notify_one();
    m_thread.join();
}

std::optional<DriverResult> DriverThread::Run(std::function<DriverResult()> call,
                                              std::chrono::milliseconds bound) {
    std::packaged_task<DriverResult()> task(std::move(call));
    std::future<DriverResult> result = task.get_future();
    {
        const std::lock_guard lock(m_mutex);
        m_call = std::move(task);
    }
    m_queued.notify_one();
    if (result.wait_for(bound) != std::future_status::ready) {
        return std::nullopt;
    }
    return result.get();
}

void DriverThread::Serve() {
    for (;;) {
        std::packaged_task<DriverResult()> call;
        {
            std::unique_lock lock(m_mutex);
            m_queued.wait(lock, [this] { return m_stopping || m_call.valid(); });
            if (!m_call.valid()) {
                return;
            }
            call = std::move(m_call);
        }
        call();
    }
}

} // namespace serial
