#include "platform/afx/CPen.h"

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CPen>(OBJ_PEN);
} // namespace

CPen* CPen::FromHandle(HPEN hPen) {
    return static_cast<CPen*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hPen)));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return AttachNew([&] { return ::CreatePen(nPenStyle, nWidth, crColor); });
}
