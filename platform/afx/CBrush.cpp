#include "platform/afx/CBrush.h"

#include "platform/afx/CBitmap.h"
#include <windows.h>

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}

CBrush::CBrush(CBitmap* pBitmap) {
    CreatePatternBrush(pBitmap);
}

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CBrush>(OBJ_BRUSH);
} // namespace

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hBrush)));
}

CBrush::operator HBRUSH() const {
    return Typed<HBRUSH>();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    if (m_hObject) {
        return FALSE;
    }
    return Attach(HandleCast<HGDIOBJ>(::CreateSolidBrush(crColor)));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    if (!pBitmap || !pBitmap->m_hObject || m_hObject) {
        return FALSE;
    }
    return Attach(HandleCast<HGDIOBJ>(::CreatePatternBrush(static_cast<HBITMAP>(*pBitmap))));
}
