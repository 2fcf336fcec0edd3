#include "platform/gdi/LineRasterizer.h"

#include "platform/gdi/WinGdi.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {
// On/off lengths of the cosmetic dash styles, in pixels.
constexpr std::array<int, 2> kDash = {18, 6};
constexpr std::array<int, 2> kDot = {3, 3};
constexpr std::array<int, 4> kDashDot = {9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};

template <std::size_t N> bool InPattern(const std::array<int, N>& pattern, int index) {
    int period = 0;
    for (int length : pattern) {
        period += length;
    }
    int position = index % period;
    for (std::size_t i = 0; i < N; ++i) {
        if (position < pattern[i]) {
            return i % 2 == 0;
        }
        position -= pattern[i];
    }
    return true;
}
} // namespace

QRegion LineRasterizer::Line(QPoint from, QPoint to, int width, int style) {
    // Bresenham's path from `from` to `to`, both ends included.
    std::vector<QPoint> path;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint point = from;
    for (;;) {
        path.push_back(point);
        if (point == to) {
            break;
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            point.rx() += sx;
        }
        if (doubled <= dx) {
            error += dx;
            point.ry() += sy;
        }
    }
    QRegion region;
    if (width <= 1) {
        path.pop_back(); // the end point belongs to the next line
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (DashOn(style, static_cast<int>(i))) {
                region += QRect(path[i], QSize(1, 1));
            }
        }
        return region;
    }
    for (const QPoint& centre : path) {
        region += Stamp(centre, width);
    }
    return region;
}

bool LineRasterizer::DashOn(int style, int index) {
    switch (style) {
    case PS_DASH:
        return InPattern(kDash, index);
    case PS_DOT:
        return InPattern(kDot, index);
    case PS_DASHDOT:
        return InPattern(kDashDot, index);
    case PS_DASHDOTDOT:
        return InPattern(kDashDotDot, index);
    default:
        return true;
    }
}

QRegion LineRasterizer::Stamp(QPoint centre, int width) {
    // Offsets -width/2 .. width-1-width/2 around the point; an even width leans up and left.
    const int low = -(width / 2);
    const double middle = low + (width - 1) / 2.0;
    const double radius = width / 2.0;
    QRegion stamp;
    for (int oy = low; oy < low + width; ++oy) {
        int first = low + width;
        int last = low - 1;
        for (int ox = low; ox < low + width; ++ox) {
            const double ddx = ox - middle;
            const double ddy = oy - middle;
            if (ddx * ddx + ddy * ddy <= radius * radius) {
                first = std::min(first, ox);
                last = std::max(last, ox);
            }
        }
        if (last >= first) {
            stamp += QRect(centre.x() + first, centre.y() + oy, last - first + 1, 1);
        }
    }
    return stamp;
}

} // namespace platform
