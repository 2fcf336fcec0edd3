// A white image with a device context on it, for drawing tests; pixels read back as COLORREF.
// With a ratio, the image holds that many device pixels per logical pixel.
#pragma once

#include "platform/afx/CDC.h"
#include "platform/win32/gdi/ColorRef.h"
#include "platform/win32/gdi/DeviceContext.h"
#include "platform/win32/gdi/PixelGrid.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <memory>

namespace gdi_test {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(250, 249, 240); // a background no operation draws by itself
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);

// A 53 x 20 tile (the size of the dialog's texture) whose every pixel is distinct, so that
// any misalignment of a pattern shows.
inline QImage DistinctTile() {
    QImage tile(53, 20, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            tile.setPixel(x, y, qRgb(x * 4, y * 12, 77));
        }
    }
    return tile;
}

class Canvas {
public:
    explicit Canvas(int width, int height, COLORREF background = kWhite, QPoint origin = {0, 0},
                    double ratio = 1.0)
        : m_image(platform::PixelGrid(ratio, QPoint(0, 0)).DeviceSize(QSize(width, height)),
                  QImage::Format_ARGB32_Premultiplied) {
        m_image.fill(platform::ToQColor(background));
        m_image.setDevicePixelRatio(ratio);
        m_dc =
            std::make_unique<platform::DeviceContext>(m_image, origin, QRect(0, 0, width, height));
    }

    CDC& Dc() { return *CDC::FromHandle(m_dc.get()); }
    HDC Handle() { return m_dc.get(); }
    // The colour of an image pixel (image coordinates, not logical ones).
    COLORREF At(int x, int y) const { return platform::ToColorRef(m_image.pixel(x, y)); }
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
    std::unique_ptr<platform::DeviceContext> m_dc;
};

} // namespace gdi_test
