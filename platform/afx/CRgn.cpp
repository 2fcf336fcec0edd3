#include "platform/afx/CRgn.h"

#include <windows.h>

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CRgn>(OBJ_REGION);
} // namespace

CRgn* CRgn::FromHandle(HRGN hRgn) {
    return static_cast<CRgn*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hRgn)));
}

CRgn::operator HRGN() const {
    return Typed<HRGN>();
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    if (m_hObject) {
        return FALSE;
    }
    return Attach(HandleCast<HGDIOBJ>(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3)));
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return ::PtInRegion(Typed<HRGN>(), x, y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const {
    return ::GetRgnBox(Typed<HRGN>(), lpRect);
}
