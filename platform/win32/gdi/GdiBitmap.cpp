#include "platform/win32/gdi/GdiBitmap.h"

namespace platform {

GdiBitmap::GdiBitmap(const QImage& image)
    : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

} // namespace platform
