#include "platform/linux/user/MouseTracker.h"

#include "platform/linux/user/Window.h"

#include <QTimer>
#include <QWidget>

namespace engine {

MouseTracker::MouseTracker(Window& window) : m_window(window) {}

MouseTracker::~MouseTracker() = default;

bool MouseTracker::Track(DWORD flags, DWORD hoverTime) {
    QWidget* widget = m_window.Widget();
    if (widget == nullptr) {
        return false;
    }
    const bool inside = widget->isVisible() && widget->underMouse();
    if (flags & TME_LEAVE) {
        m_trackLeave = true;
        if (!inside) {
            m_trackLeave = false;
            m_window.Post(WM_MOUSELEAVE);
        }
    }
    if ((flags & TME_HOVER) && inside) {
        if (!m_hoverTimer) {
            m_hoverTimer = std::make_unique<QTimer>();
            m_hoverTimer->setSingleShot(true);
            QObject::connect(m_hoverTimer.get(), &QTimer::timeout, m_hoverTimer.get(),
                             [this] { HoverElapsed(); });
        }
        m_trackHover = true;
        m_hoverTimer->start(static_cast<int>(hoverTime));
    }
    return true;
}

void MouseTracker::Moved(QPoint pos) {
    if (m_trackHover && m_hoverTimer) {
        m_hoverTimer->start();
    }
    m_lastMouse = pos;
}

void MouseTracker::Left() {
    if (m_hoverTimer) {
        m_hoverTimer->stop();
    }
    m_trackHover = false;
    if (m_trackLeave) {
        m_trackLeave = false;
        m_window.Post(WM_MOUSELEAVE);
    }
}

void MouseTracker::HoverElapsed() {
    if (!m_trackHover || m_window.Widget() == nullptr) {
        return;
    }
    m_trackHover = false;
    // The pointer has rested where the last move left it (a move restarts the timer).
    m_window.Send(
        WM_MOUSEHOVER, 0,
        MAKELPARAM(static_cast<WORD>(m_lastMouse.x()), static_cast<WORD>(m_lastMouse.y())));
}

namespace {
bool g_trackingFails = false;
} // namespace

void SetTrackMouseEventFailure(bool fail) {
    g_trackingFails = fail;
}

} // namespace engine

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (lpEventTrack == nullptr || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT) ||
        engine::g_trackingFails || !engine::Window::IsWindow(lpEventTrack->hwndTrack)) {
        return FALSE;
    }
    return engine::WindowOf(lpEventTrack->hwndTrack)
        ->TrackMouse(lpEventTrack->dwFlags, lpEventTrack->dwHoverTime);
}
