#include "platform/afx/CDC.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CHandleMap.h"
#include "platform/afx/CPen.h"

#include <string>
#include <utility>

namespace {

CHandleMap<HDC, CDC>& Map() {
    static CHandleMap<HDC, CDC> map(
        [](HDC hDC) {
            auto wrapper = std::make_unique<CDC>();
            wrapper->m_hDC = hDC;
            wrapper->m_hAttribDC = hDC;
            return wrapper;
        },
        [](CDC& wrapper) {
            wrapper.m_hDC = nullptr;
            wrapper.m_hAttribDC = nullptr;
        });
    return map;
}

} // namespace

CDC* CDC::FromHandle(HDC hDC) {
    return Map().FromHandle(hDC);
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC || m_hDC) {
        return FALSE;
    }
    m_hDC = hDC;
    m_hAttribDC = hDC;
    Map().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    m_hAttribDC = nullptr;
    HDC hDC = std::exchange(m_hDC, nullptr);
    if (hDC) {
        Map().RemoveHandle(hDC, this);
    }
    return hDC;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    if (!pObject) {
        return nullptr;
    }
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const {
    return static_cast<CPen*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const {
    return static_cast<CBrush*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
    return static_cast<CFont*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CPoint CDC::GetCurrentPosition() const {
    CPoint point;
    ::GetCurrentPositionEx(m_hDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y) {
    CPoint previous;
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    if (pBrush) {
        ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(*pBrush));
    }
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    if (pBrush) {
        ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(*pBrush));
    }
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    // A negative count measures the text up to its terminator.
    if (nCount < 0 && lpszString) {
        nCount = static_cast<int>(std::char_traits<TCHAR>::length(lpszString));
    }
    CSize size;
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

namespace {
// The bits of DrawState's flags that say what kind of image it draws.
constexpr UINT kDrawStateKindMask = 0x000F;
} // namespace

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush) {
    // The text kind comes from the flags or from bPrefixText; combining DST_TEXT with a prefix
    // request stays prefixed text.
    const bool prefixed = bPrefixText || (nFlags & kDrawStateKindMask) == DST_PREFIXTEXT;
    const UINT flags = (nFlags & ~kDrawStateKindMask) | (prefixed ? DST_PREFIXTEXT : DST_TEXT);
    const HBRUSH brush = pBrush ? static_cast<HBRUSH>(*pBrush) : nullptr;
    return ::DrawState(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(lpszText),
                       static_cast<WPARAM>(nTextLen), pt.x, pt.y, size.cx, size.cy, flags);
}
