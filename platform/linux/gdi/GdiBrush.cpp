// A brush (solid, or a pattern tiled from a bitmap), and the functions that make one.
#include "platform/linux/gdi/GdiBrush.h"

#include "platform/linux/gdi/GdiBitmap.h"

#include <QPainter>

#include <cmath>

namespace engine {

namespace {

// How many patterns side by side a pre-enlarged tile may hold before the brush samples the
// pattern through its transform instead.
constexpr int kMaxTileRepeats = 16;
constexpr double kWholePixelTolerance = 1e-6;

// The fewest repeats of `length` logical pixels that span a whole number of device pixels at
// `ratio`, or 0 when none up to kMaxTileRepeats does.
int WholePixelRepeats(int length, double ratio) {
    for (int repeats = 1; repeats <= kMaxTileRepeats; ++repeats) {
        const double device = repeats * length * ratio;
        if (std::abs(device - std::round(device)) < kWholePixelTolerance) {
            return repeats;
        }
    }
    return 0;
}

} // namespace

GdiBrush::GdiBrush(COLORREF color) : m_style(Style::Solid), m_color(color) {}

GdiBrush::GdiBrush(const QImage& pattern)
    : m_style(Style::Pattern),
      m_pattern(pattern.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

std::unique_ptr<GdiBrush> GdiBrush::MakeNull() {
    return std::unique_ptr<GdiBrush>(new GdiBrush);
}

QBrush GdiBrush::DeviceBrush(double ratio) const {
    if (ratio == 1.0 || m_pattern.isNull()) {
        return QBrush(m_pattern);
    }
    QBrush enlarging(m_pattern);
    enlarging.setTransform(QTransform::fromScale(ratio, ratio));
    const int across = WholePixelRepeats(m_pattern.width(), ratio);
    const int down = WholePixelRepeats(m_pattern.height(), ratio);
    if (across == 0 || down == 0) {
        return enlarging;
    }
    // The enlarging brush samples its pattern through the transform at every device pixel it
    // fills; a tile enlarged once, spanning whole device pixels so that its repeats line up
    // exactly as the enlarged pattern's do, fills a window by plain copies.
    QImage tile(static_cast<int>(std::lround(across * m_pattern.width() * ratio)),
                static_cast<int>(std::lround(down * m_pattern.height() * ratio)),
                QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&tile);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(tile.rect(), enlarging);
    painter.end();
    return QBrush(tile);
}

} // namespace engine

HBRUSH CreateSolidBrush(COLORREF color) {
    return new engine::GdiBrush(color);
}

HBRUSH CreatePatternBrush(HBITMAP hbm) {
    return hbm ? new engine::GdiBrush(engine::ObjectOf(hbm)->Image()) : nullptr;
}
