// The push button of the main dialog's commands: owner-drawn with a rounded outline, a
// vertical gradient, inner border lines while hovered or focused, and its caption centred.
#pragma once

#include "platform/afx/Afx.h"

class CGradientButton : public CButton {
public:
    CGradientButton();
    ~CGradientButton() override;
    CGradientButton(const CGradientButton&) = delete;
    CGradientButton& operator=(const CGradientButton&) = delete;

    // Makes the attached window owner-drawn and gives it its rounded region.
    void PreSubclassWindow() override;
    // Paints the whole button for every owner-draw request.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Paints the vertical gradient of the current look into the rectangle.
    virtual void FillGradient(CDC* pDC, LPRECT lpRect);
    // Draws the four inner border lines and, when focused only, the focus rectangle.
    virtual void DrawEdgeLines(CDC* pDC, LPRECT lpRect);

protected:
    CPen m_penFrame;
    CPen m_penHoverLeft;
    CPen m_penHoverRight;
    CPen m_penHoverTop;
    CPen m_penHoverBottom;
    CPen m_penFocusLeft;
    CPen m_penFocusRight;
    CPen m_penFocusTop;
    CPen m_penFocusBottom;
    CBrush m_brushHover;
    CBrush m_brushNormal;
    BOOL m_bHover;
    BOOL m_bMouseTracked;
    BOOL m_bFocused;
    BOOL m_bEmphasized;

    // Message handlers.
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    // Draws the caption centred on the shrunken rectangle, shifted when pressed.
    void DrawCaption(CDC* pDC, const CRect& rect, const CString& text, BOOL bPressed,
                     BOOL bDisabled);
};
