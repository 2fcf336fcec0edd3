#include "platform/afx/CBitmap.h"

#include "platform/afx/Resources.h"
#include <windows.h>

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CBitmap>(OBJ_BITMAP);
} // namespace

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return static_cast<CBitmap*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hBitmap)));
}

CBitmap::operator HBITMAP() const {
    return Typed<HBITMAP>();
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    if (m_hObject) {
        return FALSE;
    }
    const HBITMAP bitmap =
        ::LoadBitmap(AfxGetInstanceHandle(), MAKEINTRESOURCE(static_cast<WORD>(nIDResource)));
    return bitmap ? Attach(HandleCast<HGDIOBJ>(bitmap)) : FALSE;
}
