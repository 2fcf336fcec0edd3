#include "platform/gdi/CWindowDC.h"

#include "platform/gdi/WindowSurfaces.h"

CWindowDC::CWindowDC(HWND hWnd) : m_hWnd(hWnd) {
    platform::WindowSurfaces* surfaces = platform::WindowSurfaces::Installed();
    if (surfaces && hWnd) {
        Attach(surfaces->GetDC(hWnd, true));
    }
}

CWindowDC::~CWindowDC() {
    platform::WindowSurfaces* surfaces = platform::WindowSurfaces::Installed();
    if (HDC hDC = Detach(); hDC && surfaces) {
        surfaces->ReleaseDC(m_hWnd, hDC);
    }
}
