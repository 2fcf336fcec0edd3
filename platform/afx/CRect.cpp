#include "platform/afx/CRect.h"

CRect::CRect(LPCRECT lpSrcRect) {
    if (lpSrcRect) {
        static_cast<RECT&>(*this) = *lpSrcRect;
    }
}

BOOL CRect::PtInRect(POINT point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

void CRect::InflateRect(int x, int y) {
    left -= x;
    top -= y;
    right += x;
    bottom += y;
}

bool CRect::operator==(const RECT& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
}
