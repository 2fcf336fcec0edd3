#include "platform/afx/CRgn.h"

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CRgn>(OBJ_REGION);
} // namespace

CRgn* CRgn::FromHandle(HRGN hRgn) {
    return static_cast<CRgn*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hRgn)));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    return AttachNew([&] { return ::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3); });
}
