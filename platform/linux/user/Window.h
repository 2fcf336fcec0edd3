// The window itself (what an HWND points to): its Qt widget, its family, style, text and
// surface, and the translation of the widget's Qt events into window messages. Each window
// class (dialog, button, static, edit, ...) is a subclass whose ClassProc is that class's
// own window procedure; messages go to the window's current procedure, which subclassing
// replaces and which reaches ClassProc through CallWindowProc.
// Window.cpp holds the core, WindowPaint.cpp the painting, WindowEvents.cpp the Qt events.
#pragma once

#include "platform/linux/user/MouseTracker.h"
#include <commctrl.h>
#include <windows.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>
#include <string>
#include <vector>

class QEvent;
class QWidget;

namespace engine {

class DrawingSurface;
class Menu;

struct WindowParams {
    Window* parent = nullptr;
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    QRect rect; // outer rectangle in pixels, relative to the parent's client area
    std::string text;
};

class Window : public HWND__ {
public:
    explicit Window(const WindowParams& params);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Messages. Send delivers to the window's current procedure.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The window class's own procedure; Window's own is what DefWindowProc runs.
    virtual LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window procedure of the class: ClassProc of the window it is called for.
    static LRESULT CALLBACK ClassWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC Proc() const { return m_proc; }
    void SetProc(WNDPROC proc) { m_proc = proc; }
    // Whether the window still exists (a posted message may outlive it).
    static bool IsWindow(HWND hWnd);

    // Family and identity.
    Window* Parent() const { return m_parent; }
    UINT Id() const { return m_id; }
    // Tells the parent of a control's notification: WM_COMMAND with this window's id and code.
    void NotifyParent(WORD code) {
        if (m_parent != nullptr) {
            m_parent->Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_id), code),
                           reinterpret_cast<LPARAM>(this));
        }
    }
    Window* AddChild(std::unique_ptr<Window> child);
    Window* FindChild(UINT id) const;
    const std::vector<std::unique_ptr<Window>>& Children() const { return m_children; }

    // State.
    DWORD Style() const { return m_style; }
    DWORD ExStyle() const { return m_exStyle; }
    virtual void SetStyle(DWORD style);
    virtual std::string Text() const { return m_text; }
    virtual void SetText(const std::string& text);
    HFONT Font() const { return m_font; }
    virtual void SetFont(HFONT font);
    QWidget* Widget() const { return m_widget; }

    // Geometry in pixels. The client area is the window less its frame.
    QRect WindowRect() const; // relative to the parent's client area
    QRect ScreenRect() const;
    int FrameWidth() const;
    QPoint ClientOrigin() const { return {FrameWidth(), FrameWidth()}; }
    QRect ClientRect() const; // (0, 0, width, height) of the client area

    // Painting. Every window draws on its own surface, which the widget shows; the device
    // contexts on it share the surface's one painter.
    QImage& Surface();
    void Invalidate(bool erase);
    void InvalidateFrame();
    void ScheduleRepaint();
    HDC BeginPaint();
    void EndPaint(HDC hdc);
    HDC GetDC(bool wholeWindow);
    void ReleaseDC(HDC hdc);
    void SetRegion(HRGN region, bool redraw);
    HRGN Region() const { return m_region; }

    // The window's system menu (made on first use); revert discards the program's changes.
    HMENU SystemMenu(bool revert);

    // Hover and leave tracking for _TrackMouseEvent.
    bool TrackMouse(DWORD flags, DWORD hoverTime) { return m_mouse.Track(flags, hoverTime); }

    // Called by the bridge widget for every Qt event of this window's widget.
    bool HandleEvent(QEvent* event);
    // The window that a Qt widget shows (walking up to the nearest bridged widget).
    static Window* FromWidget(const QWidget* widget);
    // Destroys this window and its children (WM_DESTROY first); top-level windows are owned
    // by the platform, children by their parent.
    void Destroy();
    // Keeps a window with no parent alive until it is destroyed.
    static Window* AdoptTopLevel(std::unique_ptr<Window> window);

protected:
    // Takes ownership of the widget that shows this window.
    void SetWidget(QWidget* widget);
    // Runs the widget's own Qt handling of the Qt event that the message being handled came
    // from; does nothing for a message that came from elsewhere.
    void DefaultEvent(UINT message);
    // True when the Qt widget draws its own content on top of the surface.
    virtual bool PaintsNatively() const { return false; }
    // Draws the classic frame in the non-client area.
    void DrawDefaultFrame();
    // Offers a key press to the top-level window's dialog keys before this window's widget
    // sees it, as the dialog manager does; true when consumed.
    bool TranslateDialogKey(QEvent* event);
    // The dialog keys of a top-level window (Enter, Esc, ...) for a key pressed in focus, one
    // of its windows; true when consumed.
    virtual bool DialogKey(QEvent* event, Window* focus);
    // A Qt event this class translates itself; true when consumed.
    virtual bool HandleOtherEvent(QEvent* event);

private:
    bool Translate(QEvent* event);
    void SendDestroy();
    void SendNcDestroy();
    bool Deliver(QEvent* event, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // Sizes the surface to the widget; while a device context is on it, the resize waits for
    // the last one to go and the window is then painted whole again.
    void EnsureSurface();
    // Deletes a device context on this window's surface.
    void DropDC(HDC hdc);
    // Once no device context is on the surface any more, paints the window again if a
    // resize waited for that.
    void SurfaceReleased();
    // The default erase: the client area is cleared so that the parent shows through (the
    // dialog erases with its own colour).
    void EraseBackground(HDC hdc);
    // Shapes the widget to the window's region, on the surface's grid.
    void ApplyRegion();
    // On a scaled screen, clears the surface outside the region's device pixels.
    void ClearOutsideRegion();

    Window* m_parent = nullptr;
    UINT m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    std::string m_text;
    HFONT m_font = nullptr;
    QRect m_rect;
    QWidget* m_widget = nullptr;
    WNDPROC m_proc = &Window::ClassWindowProc;
    std::vector<std::unique_ptr<Window>> m_children;
    std::shared_ptr<DrawingSurface> m_surface;
    bool m_resizeDeferred = false;
    bool m_erasePending = true;
    bool m_framePending = true;
    bool m_nativePaint = false;
    HRGN m_region = nullptr;
    QEvent* m_currentEvent = nullptr;
    UINT m_eventMessage = 0;
    bool m_defaultRan = false;
    bool m_inPaint = false;
    MouseTracker m_mouse{*this};
    std::unique_ptr<Menu> m_systemMenu;
};

// Bridges a Qt widget class to its window: every event goes to the window first, which
// decides, by way of the window procedure, whether the widget's own handling runs.
class BridgeBase {
public:
    virtual ~BridgeBase() = default;
    virtual Window* OwnerWindow() const = 0;
    virtual void Disown() = 0;
    virtual bool BaseEvent(QEvent* event) = 0;
};

// The window behind a handle.
inline Window* WindowOf(HWND hWnd) {
    return static_cast<Window*>(hWnd);
}

} // namespace engine
