// The test canvas on the engine: an image with the engine's device context on it (the
// image canvas of the engine's own tests, unscaled).
#include "platform/linux/gdi/GdiCanvas.h"
#include "winapi/Canvas.h"

#include "platform/linux/gdi/GdiBitmap.h"

namespace gdi_test {

class Canvas::Surface : public ImageCanvas {
public:
    using ImageCanvas::ImageCanvas;
};

Canvas::Canvas(int width, int height, COLORREF background, POINT origin)
    : Canvas(width, height, background, origin, RECT{0, 0, width, height}) {}

Canvas::Canvas(int width, int height, COLORREF background, POINT origin, RECT clip)
    : m_surface(std::make_unique<Surface>(
          width, height, background, QPoint(origin.x, origin.y), 1.0,
          QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top))) {}

Canvas::~Canvas() = default;

HDC Canvas::Handle() const {
    return m_surface->Handle();
}

int Canvas::Width() const {
    return m_surface->Image().width();
}

int Canvas::Height() const {
    return m_surface->Image().height();
}

COLORREF Canvas::At(int x, int y) const {
    return m_surface->At(x, y);
}

void Canvas::Keep(const char* name, int scale) const {
    m_surface->Keep(QString::fromUtf8(name), scale);
}

HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, engine::ToQColor(pixels[y * width + x]).rgb());
        }
    }
    return new engine::GdiBitmap(image);
}

bool UnderWine() {
    return false;
}

bool OnEngine() {
    return true;
}

} // namespace gdi_test
