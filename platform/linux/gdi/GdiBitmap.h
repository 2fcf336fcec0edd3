// A bitmap (HBITMAP): an image held in the drawing format of device contexts.
#pragma once

#include "platform/linux/gdi/GdiObject.h"

#include <QImage>

namespace engine {

class GdiBitmap : public GdiObject, public HBITMAP__ {
public:
    // Takes a copy of the image, converted to premultiplied ARGB.
    explicit GdiBitmap(const QImage& image)
        : m_image(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

    GdiKind Kind() const override { return GdiKind::Bitmap; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

inline GdiBitmap* ObjectOf(HBITMAP handle) {
    return static_cast<GdiBitmap*>(handle);
}

} // namespace engine
