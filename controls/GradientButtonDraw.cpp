// The painting of CGradientButton: the owner-draw request and the steps it is made of.
#include "controls/ButtonCaption.h"
#include "controls/GradientButton.h"
#include "controls/GradientPalette.h"

#include <array>

namespace {

// Width and height of the ellipses that round the outline.
constexpr int kCornerSize = 5;

} // namespace

// Outline, gradient, border lines and caption, always the whole button.
void CGradientButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CRect rect(lpDrawItemStruct->rcItem);
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nSavedDC = pDC->SaveDC();

    CString text;
    GetWindowText(text);
    text = caption::FirstCharacters(text, caption::kMaxCharacters);

    CPen* pOldPen = pDC->SelectObject(&m_penFrame);
    pDC->RoundRect(rect.left, rect.top, rect.right, rect.bottom, kCornerSize, kCornerSize);
    pDC->SelectObject(pOldPen);

    const UINT state = lpDrawItemStruct->itemState;
    m_bFocused = (state & ODS_FOCUS) ? TRUE : FALSE;
    m_bEmphasized = m_bFocused;
    if (state & (ODS_SELECTED | ODS_DEFAULT)) {
        m_bEmphasized = TRUE;
    }
    const BOOL bPressed = (state & ODS_SELECTED) ? TRUE : FALSE;

    rect.InflateRect(-GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));

    CBrush* pOldBrush = pDC->SelectObject(m_bHover ? &m_brushHover : &m_brushNormal);
    FillGradient(pDC, rect);
    if (m_bHover || m_bFocused) {
        DrawEdgeLines(pDC, rect);
    }
    pDC->SelectObject(pOldBrush);

    DrawCaption(pDC, rect, text, bPressed, (state & ODS_DISABLED) ? TRUE : FALSE);
    pDC->RestoreDC(nSavedDC);
}

// One-pixel rows from white at the top to the look's darkest colour on the bottom edge.
void CGradientButton::FillGradient(CDC* pDC, LPRECT lpRect) {
    std::array<CBrush, gradient::kSteps> brushes;
    for (int i = 0; i < gradient::kSteps; ++i) {
        brushes[i].CreateSolidBrush(gradient::StepColor(m_bHover, m_bEmphasized, i));
    }
    // The last row lies on the bottom coordinate itself, one below the rectangle.
    const int height = lpRect->bottom - lpRect->top;
    for (int k = 0; k <= height; ++k) {
        const int y = lpRect->top + k;
        CRect row;
        SetRect(&row, lpRect->left, y, lpRect->right, y + 1);
        pDC->FillRect(&row, &brushes[gradient::StepForRow(k, height)]);
    }
    for (CBrush& brush : brushes) {
        brush.DeleteObject();
    }
}

// The hover pens whenever hovered, the focus pens and focus rectangle when focused only.
void CGradientButton::DrawEdgeLines(CDC* pDC, LPRECT lpRect) {
    const BOOL bFocusLook = m_bFocused && !m_bHover;
    CPen* pLeft = bFocusLook ? &m_penFocusLeft : &m_penHoverLeft;
    CPen* pRight = bFocusLook ? &m_penFocusRight : &m_penHoverRight;
    CPen* pTop = bFocusLook ? &m_penFocusTop : &m_penHoverTop;
    CPen* pBottom = bFocusLook ? &m_penFocusBottom : &m_penHoverBottom;
    const CRect rect(lpRect);

    // Later lines paint over earlier ones where they meet.
    CPen* pOldPen = pDC->SelectObject(pLeft);
    const CPoint previous = pDC->MoveTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.left, rect.top + 1);
    pDC->SelectObject(pRight);
    pDC->MoveTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top);
    pDC->SelectObject(pTop);
    pDC->MoveTo(rect.left - 1, rect.top);
    pDC->LineTo(rect.right - 1, rect.top);
    pDC->SelectObject(pBottom);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right - 1, rect.bottom);
    pDC->SelectObject(pOldPen);
    pDC->MoveTo(previous);

    if (bFocusLook) {
        pDC->DrawFocusRect(lpRect);
    }
}

// Centres the caption in the button's font with integer halving, one pixel lower right
// when pressed; an ampersand underlines the next character yet counts in the extent.
void CGradientButton::DrawCaption(CDC* pDC, const CRect& rect, const CString& text, BOOL bPressed,
                                  BOOL bDisabled) {
    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != nullptr ? pDC->SelectObject(pFont) : nullptr;
    const CSize extent = pDC->GetTextExtent(text);
    const CPoint origin = caption::CenteredOrigin(rect, extent, bPressed);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT flags = DST_PREFIXTEXT | (bDisabled ? DSS_DISABLED : DSS_NORMAL);
    pDC->DrawState(origin, extent, text, flags, TRUE, 0, nullptr);
    if (pOldFont != nullptr) {
        pDC->SelectObject(pOldFont);
    }
    pDC->SetBkMode(nOldMode);
}
