// The free Win32 rectangle functions, in terms of CRect.
#include "platform/gdi/CRect.h"
#include "platform/gdi/WinGdi.h"

BOOL SetRect(LPRECT lprc, int left, int top, int right, int bottom) {
    if (!lprc) {
        return FALSE;
    }
    *lprc = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT lprc) {
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) {
        return FALSE;
    }
    CRect rect(*lprc);
    rect.InflateRect(dx, dy);
    *lprc = rect;
    return TRUE;
}

BOOL OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) {
        return FALSE;
    }
    CRect rect(*lprc);
    rect.OffsetRect(dx, dy);
    *lprc = rect;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* lprc) {
    return !lprc || CRect(*lprc).IsRectEmpty();
}

BOOL PtInRect(const RECT* lprc, POINT pt) {
    return lprc && CRect(*lprc).PtInRect(pt);
}

BOOL IntersectRect(LPRECT dst, const RECT* src1, const RECT* src2) {
    if (!dst || !src1 || !src2) {
        return FALSE;
    }
    CRect result;
    const BOOL overlap = result.IntersectRect(src1, src2);
    *dst = result;
    return overlap;
}
