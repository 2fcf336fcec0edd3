#include "platform/linux/gdi/LineRasterizer.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace engine {

QRegion LineRasterizer::Line(QPoint from, QPoint to, int width) {
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
        for (const QPoint& point : path) {
            region += QRect(point, QSize(1, 1));
        }
        return region;
    }
    for (const QPoint& centre : path) {
        region += Stamp(centre, width);
    }
    return region;
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

} // namespace engine
