#include "platform/linux/gdi/Icon.h"

namespace engine {

Icon::Icon(std::vector<QImage> images) {
    for (QImage& image : images) {
        if (!image.isNull()) {
            m_images.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
}

QImage Icon::Image(int size) const {
    const QImage* best = nullptr;
    for (const QImage& image : m_images) {
        if (image.width() == size && image.height() == size) {
            return image;
        }
        // The largest has the most detail to scale from.
        if (!best || image.width() > best->width()) {
            best = &image;
        }
    }
    if (!best) {
        return {};
    }
    return best->scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace engine
