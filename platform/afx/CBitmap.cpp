#include "platform/afx/CBitmap.h"

#include "platform/afx/CWinApp.h"
#include <windows.h>

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
