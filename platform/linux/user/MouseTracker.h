// Hover and leave tracking of one window for _TrackMouseEvent: WM_MOUSEHOVER once the pointer
// has rested in the window for the hover time, WM_MOUSELEAVE when it leaves. Each request
// reports once; the program asks again for the next one.
#pragma once

#include <commctrl.h>
#include <windows.h>

#include <QPoint>
#include <memory>

class QTimer;

namespace engine {

class Window;

class MouseTracker {
public:
    explicit MouseTracker(Window& window);
    ~MouseTracker();
    MouseTracker(const MouseTracker&) = delete;
    MouseTracker& operator=(const MouseTracker&) = delete;

    // Starts tracking (TME_* flags); false when the window has no widget.
    bool Track(DWORD flags, DWORD hoverTime);
    // The pointer moved to `pos` (client coordinates) within the window, or left it.
    void Moved(QPoint pos);
    void Left();

private:
    void HoverElapsed();

    Window& m_window;
    bool m_trackHover = false;
    bool m_trackLeave = false;
    std::unique_ptr<QTimer> m_hoverTimer;
    QPoint m_lastMouse; // client coordinates of the last move
};

} // namespace engine
