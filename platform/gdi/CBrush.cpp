#include "platform/gdi/CBrush.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/GdiBitmap.h"
#include "platform/gdi/GdiBrush.h"
#include "platform/gdi/WinGdi.h"

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}

CBrush::CBrush(CBitmap* pBitmap) {
    CreatePatternBrush(pBitmap);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
}

CBrush::operator HBRUSH() const {
    return static_cast<HBRUSH>(m_hObject);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    if (m_hObject) {
        return FALSE;
    }
    return Attach(new platform::GdiBrush(crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    if (!pBitmap || !pBitmap->m_hObject || m_hObject) {
        return FALSE;
    }
    const HBITMAP bitmap = static_cast<HBITMAP>(*pBitmap);
    return Attach(new platform::GdiBrush(bitmap->Image()));
}
