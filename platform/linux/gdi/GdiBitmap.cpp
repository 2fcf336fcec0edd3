// A bitmap, and LoadBitmap, which makes one from the program's resources.
#include "platform/linux/gdi/GdiBitmap.h"

#include "platform/linux/gdi/ImageResources.h"
#include <windows.h>

namespace engine {

GdiBitmap::GdiBitmap(const QImage& image)
    : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

} // namespace engine

HBITMAP LoadBitmap(HINSTANCE /*hInstance*/, LPCTSTR lpBitmapName) {
    if (!lpBitmapName || !IS_INTRESOURCE(lpBitmapName)) {
        return nullptr;
    }
    const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpBitmapName));
    const QImage image = engine::LoadImageResource(RT_BITMAP, id);
    return image.isNull() ? nullptr : new engine::GdiBitmap(image);
}
