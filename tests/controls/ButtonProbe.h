// A gradient button that lets tests see and set its state and counts the calls of its
// two drawing steps, which it still performs.
#pragma once

#include "controls/GradientButton.h"

namespace test {

class ButtonProbe : public CGradientButton {
public:
    void SetLook(BOOL bHover, BOOL bEmphasized) {
        m_bHover = bHover;
        m_bEmphasized = bEmphasized;
    }
    BOOL Hover() const { return m_bHover; }
    BOOL Tracked() const { return m_bMouseTracked; }
    BOOL Focused() const { return m_bFocused; }
    BOOL Emphasized() const { return m_bEmphasized; }

    void FillGradient(CDC* pDC, LPRECT lpRect) override {
        ++m_fillCalls;
        m_lastFill = *lpRect;
        CGradientButton::FillGradient(pDC, lpRect);
    }
    void DrawEdgeLines(CDC* pDC, LPRECT lpRect) override {
        ++m_edgeCalls;
        m_lastEdges = *lpRect;
        CGradientButton::DrawEdgeLines(pDC, lpRect);
    }

    int m_fillCalls = 0;
    int m_edgeCalls = 0;
    CRect m_lastFill;
    CRect m_lastEdges;
};

} // namespace test
