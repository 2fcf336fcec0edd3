#include "platform/linux/gdi/GdiBitmap.h"

namespace engine {

GdiBitmap::GdiBitmap(const QImage& image)
    : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

} // namespace engine
