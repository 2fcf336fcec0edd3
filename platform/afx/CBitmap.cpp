#include "platform/afx/CBitmap.h"

#include "platform/afx/Resources.h"

namespace {
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CBitmap>(OBJ_BITMAP);
} // namespace

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return AttachNew([&] {
        return ::LoadBitmap(AfxGetInstanceHandle(),
                            MAKEINTRESOURCE(static_cast<WORD>(nIDResource)));
    });
}
