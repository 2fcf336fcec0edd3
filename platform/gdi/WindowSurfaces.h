// The window layer's side of window device contexts: only it knows where a window's pixels
// live, so it installs an implementation of this interface, which CPaintDC, CClientDC and
// CWindowDC use.
#pragma once

#include "platform/gdi/WinGdi.h"

namespace platform {

class WindowSurfaces {
public:
    virtual ~WindowSurfaces() = default;

    // A device context on the client area for the paint in progress, with the paint
    // structure filled in (update rectangle, erase flag); nullptr if the window cannot paint.
    virtual HDC BeginPaint(HWND hWnd, PAINTSTRUCT& paint) = 0;
    // Ends the paint BeginPaint started; the device context is no longer used.
    virtual void EndPaint(HWND hWnd, const PAINTSTRUCT& paint) = 0;
    // A device context on the client area, or on the whole window frame included.
    virtual HDC GetDC(HWND hWnd, bool wholeWindow) = 0;
    // Gives back a device context GetDC handed out.
    virtual void ReleaseDC(HWND hWnd, HDC hDC) = 0;

    // Makes `surfaces` the implementation in use (nullptr: none); the caller keeps ownership.
    static void Install(WindowSurfaces* surfaces);
    static WindowSurfaces* Installed();
};

} // namespace platform
