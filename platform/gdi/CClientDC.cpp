#include "platform/gdi/CClientDC.h"

#include "platform/gdi/WindowSurfaces.h"
#include "platform/win/CWnd.h"

CClientDC::CClientDC(CWnd* pWnd) : CClientDC(pWnd ? pWnd->m_hWnd : nullptr) {}

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
