// A white image with an engine device context on it, for the engine's own drawing tests
// (those that read the image itself, or draw at a device pixel ratio); pixels read back as
// COLORREF. With a ratio, the image holds that many device pixels per logical pixel. Tests
// written on the Windows API alone use winapi/Canvas.h, which runs on Windows too.
#pragma once

#include "platform/afx/CDC.h"
#include "platform/linux/gdi/ColorRef.h"
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/PixelGrid.h"
#include "winapi/Canvas.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <memory>

namespace gdi_test {

// The distinct tile of winapi/Canvas.h as an image.
inline QImage DistinctTileImage() {
    QImage tile(kTileWidth, kTileHeight, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            tile.setPixel(x, y, engine::ToQColor(TilePixel(x, y)).rgb());
        }
    }
    return tile;
}

class ImageCanvas {
public:
    // Drawing is clipped to `clip` (unscaled image coordinates; by default the whole image).
    explicit ImageCanvas(int width, int height, COLORREF background = kWhite,
                         QPoint origin = {0, 0}, double ratio = 1.0, QRect clip = {})
        : m_image(engine::PixelGrid(ratio, QPoint(0, 0)).DeviceSize(QSize(width, height)),
                  QImage::Format_ARGB32_Premultiplied) {
        m_image.fill(engine::ToQColor(background));
        m_image.setDevicePixelRatio(ratio);
        m_dc = std::make_unique<engine::DeviceContext>(
            m_image, origin, clip.isNull() ? QRect(0, 0, width, height) : clip);
    }

    CDC& Dc() { return *CDC::FromHandle(m_dc.get()); }
    HDC Handle() { return m_dc.get(); }
    // The colour of an image pixel (image coordinates, not logical ones).
    COLORREF At(int x, int y) const { return engine::ToColorRef(m_image.pixel(x, y)); }
    // How many pixels of the rectangle [x, x + w) x [y, y + h) have the colour.
    int Count(COLORREF color, int x, int y, int w, int h) const {
        int count = 0;
        for (int py = y; py < y + h; ++py) {
            for (int px = x; px < x + w; ++px) {
                count += At(px, py) == color ? 1 : 0;
            }
        }
        return count;
    }
    int Count(COLORREF color) const {
        return Count(color, 0, 0, m_image.width(), m_image.height());
    }
    const QImage& Image() const { return m_image; }

    // Keeps a rendering (scaled up for the eye) in the artifacts folder when ctest names one.
    void Keep(const QString& name, int scale = 4) const {
        const QString folder = qEnvironmentVariable("TAVRIN_ARTIFACTS");
        if (folder.isEmpty()) {
            return;
        }
        QDir().mkpath(folder + "/gdi");
        m_image.scaled(m_image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(folder + "/gdi/" + name + ".png");
    }

private:
    QImage m_image;
    std::unique_ptr<engine::DeviceContext> m_dc;
};

} // namespace gdi_test
