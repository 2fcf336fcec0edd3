// The framework's rectangle: a RECT (right column and bottom row excluded) with operations.
#pragma once

#include "platform/afx/CPoint.h"
#include "platform/afx/CSize.h"

class CRect : public RECT {
public:
    CRect() = default;
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& srcRect) : RECT(srcRect) {} // NOLINT: implicit, as the framework has it
    CRect(LPCRECT lpSrcRect) : RECT(lpSrcRect ? *lpSrcRect : RECT{}) {} // NOLINT: the same

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Whether the point lies inside; the right column and bottom row are outside.
    BOOL PtInRect(POINT point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void InflateRect(int x, int y) { *this = CRect(left - x, top - y, right + x, bottom + y); }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};
