#include "platform/gdi/GdiBitmap.h"

#include "platform/gdi/CBitmap.h"

namespace platform {

GdiBitmap::GdiBitmap(const QImage& image)
    : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

std::unique_ptr<CGdiObject> GdiBitmap::MakeWrapper() {
    return std::make_unique<CBitmap>();
}

} // namespace platform
