#include "platform/gdi/CClientDC.h"

#include "platform/gdi/WindowSurfaces.h"

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd) {
    platform::WindowSurfaces* surfaces = platform::WindowSurfaces::Installed();
    if (surfaces && hWnd) {
        Attach(surfaces->GetDC(hWnd, false));
    }
}

CClientDC::~CClientDC() {
    platform::WindowSurfaces* surfaces = platform::WindowSurfaces::Installed();
    if (HDC hDC = Detach(); hDC && surfaces) {
        surfaces->ReleaseDC(m_hWnd, hDC);
    }
}
