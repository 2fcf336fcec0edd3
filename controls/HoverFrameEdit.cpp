#include "controls/HoverFrameEdit.h"

#include "platform/afx/CPaintDC.h"

#include <commctrl.h>

namespace {

// Fill of the frame while the pointer hovers: a pale green.
constexpr COLORREF kHoverFrameColor = RGB(187, 200, 143);
// The hover notification follows the first move practically at once.
constexpr DWORD kHoverTimeMs = 1;

} // namespace

BEGIN_MESSAGE_MAP(CHoverFrameEdit, CEdit)
ON_WM_NCPAINT()
END_MESSAGE_MAP()

// Clears both flags and creates the hover brush.
CHoverFrameEdit::CHoverFrameEdit() : m_bTracking(false), m_bHover(false) {
    m_brush.CreateSolidBrush(kHoverFrameColor);
}

// Deletes the hover brush.
CHoverFrameEdit::~CHoverFrameEdit() {
    m_brush.DeleteObject();
}

// The pointer messages are watched after the standard processing, whose result stands.
LRESULT CHoverFrameEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (!m_bTracking) {
            TRACKMOUSEEVENT request;
            request.cbSize = sizeof(TRACKMOUSEEVENT);
            request.dwFlags = TME_HOVER | TME_LEAVE;
            request.hwndTrack = m_hWnd;
            request.dwHoverTime = kHoverTimeMs;
            m_bTracking = _TrackMouseEvent(&request) != FALSE;
        }
        break;
    case WM_MOUSEHOVER:
        m_bHover = true;
        OnHoverStart();
        break;
    case WM_MOUSELEAVE:
        m_bHover = false;
        m_bTracking = false;
        OnHoverEnd();
        break;
    default:
        break;
    }
    return result;
}

// Shows the hover frame.
void CHoverFrameEdit::OnHoverStart() {
    RedrawFrame();
}

// Shows the normal frame again.
void CHoverFrameEdit::OnHoverEnd() {
    RedrawFrame();
}

// Draws the frame over the whole window rectangle in place of the system's border.
void CHoverFrameEdit::OnNcPaint() {
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(window);
    CRect frame(0, 0, window.Width(), window.Height());
    if (m_bHover) {
        // Outlined with the surface's default pen; the surface is released with the
        // brush still selected.
        dc.SelectObject(&m_brush);
        dc.Rectangle(frame);
    } else {
        dc.DrawEdge(frame, EDGE_SUNKEN, BF_RECT | BF_FLAT);
    }
}

// The repaint happens at the ordinary time; the client area is invalidated as well.
void CHoverFrameEdit::RedrawFrame() {
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}
