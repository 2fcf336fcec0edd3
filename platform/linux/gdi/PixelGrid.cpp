#include "platform/linux/gdi/PixelGrid.h"

#include <cmath>

namespace engine {

PixelGrid::PixelGrid(double ratio, QPoint offset) : m_ratio(ratio) {
    // Only the offset's fraction of a device pixel matters: it is what moves the edges.
    const double x = offset.x() * ratio;
    const double y = offset.y() * ratio;
    m_shift = QPointF(x - Edge(x), y - Edge(y));
}

int PixelGrid::Edge(double device) {
    return static_cast<int>(std::floor(device + 0.5));
}

int PixelGrid::X(int x) const {
    return IsUnscaled() ? x : Edge(x * m_ratio + m_shift.x());
}

int PixelGrid::Y(int y) const {
    return IsUnscaled() ? y : Edge(y * m_ratio + m_shift.y());
}

QRect PixelGrid::Map(const QRect& logical) const {
    if (IsUnscaled()) {
        return logical;
    }
    const int left = X(logical.left());
    const int top = Y(logical.top());
    return QRect(left, top, X(logical.left() + logical.width()) - left,
                 Y(logical.top() + logical.height()) - top);
}

QRegion PixelGrid::Map(const QRegion& logical) const {
    if (IsUnscaled()) {
        return logical;
    }
    QRegion device;
    for (const QRect& rect : logical) {
        device += Map(rect);
    }
    return device;
}

int PixelGrid::Length(int logical) const {
    if (IsUnscaled() || logical == 0) {
        return logical;
    }
    const int device = Edge(std::abs(logical) * m_ratio);
    return logical < 0 ? -device : device;
}

int PixelGrid::LogicalOf(int device, double shift) const {
    // A first guess from the ratio, then the edges themselves decide.
    int logical = static_cast<int>(std::floor((device - shift) / m_ratio));
    while (Edge((logical + 1) * m_ratio + shift) <= device) {
        ++logical;
    }
    while (Edge(logical * m_ratio + shift) > device) {
        --logical;
    }
    return logical;
}

QRegion PixelGrid::Cover(const QRegion& device) const {
    if (IsUnscaled()) {
        return device;
    }
    QRegion logical;
    for (const QRect& rect : device) {
        const int left = LogicalOf(rect.left(), m_shift.x());
        const int top = LogicalOf(rect.top(), m_shift.y());
        logical += QRect(QPoint(left, top), QPoint(LogicalOf(rect.right(), m_shift.x()),
                                                   LogicalOf(rect.bottom(), m_shift.y())));
    }
    return logical;
}

} // namespace engine
