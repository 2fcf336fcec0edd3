#include "platform/gdi/CPaintDC.h"

#include "platform/gdi/WindowSurfaces.h"

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd) {
    platform::WindowSurfaces* surfaces = platform::WindowSurfaces::Installed();
    if (surfaces && hWnd) {
        Attach(surfaces->BeginPaint(hWnd, m_ps));
        m_ps.hdc = m_hDC;
    }
}

CPaintDC::~CPaintDC() {
    platform::WindowSurfaces* surfaces = platform::WindowSurfaces::Installed();
    if (Detach() && surfaces) {
        surfaces->EndPaint(m_hWnd, m_ps);
    }
}
