// A region, and the functions that make one and ask what it holds.
#include "platform/linux/gdi/GdiRegion.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace engine {

namespace {
// Tolerance for pixel centres lying exactly on the ellipse.
constexpr double kEdgeTolerance = 1e-9;
// Ellipses narrower than this give plain rectangles.
constexpr int kMinEllipse = 2;
} // namespace

QRect GdiRegion::Box(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

GdiRegion::GdiRegion(const QRect& box, int ellipseWidth, int ellipseHeight)
    : m_region(RoundRect(box, ellipseWidth, ellipseHeight)),
      m_rounded(Rounded{box, ellipseWidth, ellipseHeight}) {}

QRegion GdiRegion::DeviceRegion(const PixelGrid& grid) const {
    if (!m_rounded || grid.IsUnscaled()) {
        return grid.Map(m_region);
    }
    return RoundRect(grid, m_rounded->box, m_rounded->ellipseWidth, m_rounded->ellipseHeight);
}

QRegion GdiRegion::RoundRect(const PixelGrid& grid, const QRect& box, int ellipseWidth,
                             int ellipseHeight) {
    return RoundRect(grid.Map(box), grid.Length(ellipseWidth), grid.Length(ellipseHeight));
}

QRegion GdiRegion::RoundRect(const QRect& box, int ellipseWidth, int ellipseHeight) {
    if (box.isEmpty()) {
        return {};
    }
    const int ew = std::min(std::abs(ellipseWidth), box.width());
    const int eh = std::min(std::abs(ellipseHeight), box.height());
    if (ew < kMinEllipse || eh < kMinEllipse) {
        return QRegion(box);
    }
    // Pixel centres are the integer coordinates; the corner ellipses pass through the centres
    // of the outermost pixels, so the figure spans columns left..right-1, rows top..bottom-1.
    const double a = (ew - 1) / 2.0;
    const double b = (eh - 1) / 2.0;
    const double leftCentre = box.left() + a;
    const double rightCentre = box.right() - a;
    const double topCentre = box.top() + b;
    const double bottomCentre = box.bottom() - b;
    QRegion region;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        double dy = 0.0;
        if (y < topCentre) {
            dy = topCentre - y;
        } else if (y > bottomCentre) {
            dy = y - bottomCentre;
        }
        const double ratio = b > 0.0 ? dy / b : 0.0;
        const double half = a * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
        const int first = static_cast<int>(std::ceil(leftCentre - half - kEdgeTolerance));
        const int last = static_cast<int>(std::floor(rightCentre + half + kEdgeTolerance));
        if (last >= first) {
            region += QRect(first, y, last - first + 1, 1);
        }
    }
    return region;
}

QRegion GdiRegion::Erode(const QRegion& region, int steps) {
    QRegion result = region;
    for (int i = 0; i < steps && !result.isEmpty(); ++i) {
        result = result & result.translated(1, 0) & result.translated(-1, 0) &
                 result.translated(0, 1) & result.translated(0, -1);
    }
    return result;
}

} // namespace engine

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    return new engine::GdiRegion(QRegion(engine::GdiRegion::Box(x1, y1, x2, y2)));
}

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    // Unlike a rectangle's, a rounded region leaves out the right column and the bottom row of
    // the rectangle it is given, as Windows makes it.
    const QRect box = engine::GdiRegion::Box(x1, y1, x2, y2).adjusted(0, 0, -1, -1);
    return new engine::GdiRegion(box, w, h);
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
    return hrgn && engine::ObjectOf(hrgn)->Region().contains(QPoint(x, y));
}

int GetRgnBox(HRGN hrgn, LPRECT lprc) {
    if (!hrgn || !lprc) {
        return RGN_ERROR;
    }
    const QRegion& region = engine::ObjectOf(hrgn)->Region();
    if (region.isEmpty()) {
        *lprc = RECT{};
        return NULLREGION;
    }
    const QRect box = region.boundingRect();
    *lprc = RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL DeleteObject(HRGN hRgn) {
    return DeleteObject(static_cast<HGDIOBJ>(hRgn));
}
