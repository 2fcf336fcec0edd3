#include "platform/afx/CBrush.h"

#include "platform/afx/CBitmap.h"

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CBrush>(OBJ_BRUSH);
} // namespace

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return AttachNew([&] { return ::CreateSolidBrush(crColor); });
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    if (!pBitmap || !pBitmap->m_hObject) {
        return FALSE;
    }
    return AttachNew([&] { return ::CreatePatternBrush(static_cast<HBITMAP>(*pBitmap)); });
}
