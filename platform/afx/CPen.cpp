#include "platform/afx/CPen.h"

#include <windows.h>

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CPen>(OBJ_PEN);
} // namespace

CPen* CPen::FromHandle(HPEN hPen) {
    return static_cast<CPen*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hPen)));
}

CPen::operator HPEN() const {
    return Typed<HPEN>();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (m_hObject) {
        return FALSE;
    }
    return Attach(HandleCast<HGDIOBJ>(::CreatePen(nPenStyle, nWidth, crColor)));
}
