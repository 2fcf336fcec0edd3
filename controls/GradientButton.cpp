#include "controls/GradientButton.h"

#include "controls/ButtonCaption.h"

#include <commctrl.h>

namespace {

// Pen colours and widths of the outline and the inner border lines.
constexpr COLORREF kFrameColor = RGB(55, 98, 6);
constexpr COLORREF kHoverLeftColor = RGB(159, 175, 127);
constexpr COLORREF kHoverRightColor = RGB(160, 180, 130);
constexpr COLORREF kHoverTopColor = RGB(161, 190, 143);
constexpr COLORREF kHoverBottomColor = RGB(140, 155, 0);
constexpr COLORREF kFocusLeftColor = RGB(153, 198, 252);
constexpr COLORREF kFocusRightColor = RGB(162, 189, 252);
constexpr COLORREF kFocusTopBottomColor = RGB(162, 201, 255);
constexpr int kFrameWidth = 1;
constexpr int kSideLineWidth = 3;
constexpr int kTopBottomLineWidth = 2;

// The current brush while the gradient and border lines are drawn.
constexpr COLORREF kHoverBrushColor = RGB(236, 233, 216);
constexpr COLORREF kNormalBrushColor = RGB(235, 234, 216);

// Width and height of the ellipses that round the outline and the window region.
constexpr int kCornerSize = 5;
// The hover notification follows the first move practically at once.
constexpr DWORD kHoverTimeMs = 1;

} // namespace

BEGIN_MESSAGE_MAP(CGradientButton, CButton)
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// Creates the button's pens and brushes; no window is attached yet.
CGradientButton::CGradientButton()
    : m_bHover(FALSE), m_bMouseTracked(FALSE), m_bFocused(FALSE), m_bEmphasized(FALSE) {
    m_penFrame.CreatePen(PS_INSIDEFRAME, kFrameWidth, kFrameColor);
    m_penHoverLeft.CreatePen(PS_INSIDEFRAME, kSideLineWidth, kHoverLeftColor);
    m_penHoverRight.CreatePen(PS_INSIDEFRAME, kSideLineWidth, kHoverRightColor);
    m_penHoverTop.CreatePen(PS_INSIDEFRAME, kTopBottomLineWidth, kHoverTopColor);
    m_penHoverBottom.CreatePen(PS_INSIDEFRAME, kTopBottomLineWidth, kHoverBottomColor);
    m_penFocusLeft.CreatePen(PS_INSIDEFRAME, kSideLineWidth, kFocusLeftColor);
    m_penFocusRight.CreatePen(PS_INSIDEFRAME, kSideLineWidth, kFocusRightColor);
    m_penFocusTop.CreatePen(PS_INSIDEFRAME, kTopBottomLineWidth, kFocusTopBottomColor);
    m_penFocusBottom.CreatePen(PS_INSIDEFRAME, kTopBottomLineWidth, kFocusTopBottomColor);
    m_brushHover.CreateSolidBrush(kHoverBrushColor);
    m_brushNormal.CreateSolidBrush(kNormalBrushColor);
}

// Deletes the pens and brushes.
CGradientButton::~CGradientButton() {
    m_penFrame.DeleteObject();
    m_penHoverLeft.DeleteObject();
    m_penHoverRight.DeleteObject();
    m_penHoverTop.DeleteObject();
    m_penHoverBottom.DeleteObject();
    m_penFocusLeft.DeleteObject();
    m_penFocusRight.DeleteObject();
    m_penFocusTop.DeleteObject();
    m_penFocusBottom.DeleteObject();
    m_brushHover.DeleteObject();
    m_brushNormal.DeleteObject();
}

// The region is made once, from the size at attachment; a later resize keeps it.
void CGradientButton::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW, 0);
    CRect rect;
    GetClientRect(rect);
    // A rounded region leaves out its rectangle's right column and bottom row, where the
    // outline is drawn: one more of each keeps the whole outline.
    CRgn region;
    region.CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1, kCornerSize,
                              kCornerSize);
    // The window owns the region from now on.
    const HRGN handle = region;
    region.Detach();
    SetWindowRgn(handle, TRUE);
}

// Asks for hover and leave notifications on the first move over the button.
void CGradientButton::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bMouseTracked) {
        TRACKMOUSEEVENT request;
        request.cbSize = sizeof(TRACKMOUSEEVENT);
        request.dwFlags = TME_HOVER | TME_LEAVE;
        request.hwndTrack = m_hWnd;
        request.dwHoverTime = kHoverTimeMs;
        m_bMouseTracked = _TrackMouseEvent(&request) ? TRUE : FALSE;
    }
    CButton::OnMouseMove(nFlags, point);
}

// The pointer has left: drop the hover look and let the next move track again.
LRESULT CGradientButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bHover = FALSE;
    m_bMouseTracked = FALSE;
    InvalidateRect(nullptr, FALSE);
    return 0;
}

// The pointer rests on the button: repaint in the hover look.
LRESULT CGradientButton::OnMouseHover(WPARAM, LPARAM) {
    m_bHover = TRUE;
    InvalidateRect(nullptr, TRUE);
    return 0;
}

// Paints nothing: every pixel of the button comes from DrawItem.
BOOL CGradientButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}
