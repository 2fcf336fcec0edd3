// A bitmap, and LoadBitmap, which makes one from the program's resources.
#include "platform/linux/gdi/GdiBitmap.h"

#include "platform/linux/gdi/ImageResources.h"
#include <windows.h>

HBITMAP LoadBitmap(HINSTANCE /*hInstance*/, LPCTSTR lpBitmapName) {
    if (!lpBitmapName || !IS_INTRESOURCE(lpBitmapName)) {
        return nullptr;
    }
    const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpBitmapName));
    const QImage image = engine::LoadImageResource(RT_BITMAP, id);
    return image.isNull() ? nullptr : new engine::GdiBitmap(image);
}
