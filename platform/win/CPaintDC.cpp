#include "platform/win/CPaintDC.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/win/CWnd.h"
#include "platform/win/Window.h"

CWindowSurfaceDC::CWindowSurfaceDC(CWnd* pWnd, bool wholeWindow, bool paint)
    : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr), m_paint(paint) {
    if (m_hWnd != nullptr) {
        Attach(paint ? m_hWnd->BeginPaint() : m_hWnd->GetDC(wholeWindow));
    }
}

CWindowSurfaceDC::~CWindowSurfaceDC() {
    HDC hdc = Detach();
    if (hdc == nullptr) {
        return;
    }
    if (!platform::Window::IsWindow(m_hWnd)) {
        delete hdc;
    } else if (m_paint) {
        m_hWnd->EndPaint(hdc);
    } else {
        m_hWnd->ReleaseDC(hdc);
    }
}
