#include "platform/gdi/CWindowDC.h"

#include "platform/gdi/WindowSurfaces.h"
#include "platform/win/CWnd.h"

CWindowDC::CWindowDC(CWnd* pWnd) : CWindowDC(pWnd ? pWnd->m_hWnd : nullptr) {}

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
