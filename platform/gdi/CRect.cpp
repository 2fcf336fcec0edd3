#include "platform/gdi/CRect.h"

#include <algorithm>
#include <utility>

CRect::CRect(LPCRECT lpSrcRect) {
    if (lpSrcRect) {
        CopyRect(lpSrcRect);
    }
}

BOOL CRect::PtInRect(POINT point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

void CRect::SetRect(int x1, int y1, int x2, int y2) {
    left = x1;
    top = y1;
    right = x2;
    bottom = y2;
}

void CRect::CopyRect(LPCRECT lpSrcRect) {
    SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
}

void CRect::InflateRect(int x, int y) {
    InflateRect(x, y, x, y);
}

void CRect::InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::OffsetRect(int x, int y) {
    left += x;
    right += x;
    top += y;
    bottom += y;
}

void CRect::NormalizeRect() {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
    SetRect(std::max(lpRect1->left, lpRect2->left), std::max(lpRect1->top, lpRect2->top),
            std::min(lpRect1->right, lpRect2->right), std::min(lpRect1->bottom, lpRect2->bottom));
    if (IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    return TRUE;
}

bool CRect::operator==(const RECT& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
}
