#include "platform/afx/CPaintDC.h"

#include "platform/afx/CWnd.h"

CWindowSurfaceDC::CWindowSurfaceDC(CWnd* pWnd, bool wholeWindow, bool paint)
    : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr), m_paint(paint) {
    if (m_hWnd == nullptr) {
        return;
    }
    if (paint) {
        Attach(::BeginPaint(m_hWnd, &m_ps));
    } else {
        Attach(wholeWindow ? ::GetWindowDC(m_hWnd) : ::GetDC(m_hWnd));
    }
}

CWindowSurfaceDC::~CWindowSurfaceDC() {
    HDC hdc = Detach();
    if (hdc == nullptr) {
        return;
    }
    if (m_paint) {
        ::EndPaint(m_hWnd, &m_ps);
    } else {
        ::ReleaseDC(m_hWnd, hdc);
    }
}
