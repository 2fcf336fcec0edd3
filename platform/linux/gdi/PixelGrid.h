// Where the logical pixels of a window surface lie among the device pixels of its screen.
// At `ratio` device pixels per logical pixel, every logical edge lies at its coordinate in the
// top-level window times the ratio, rounded half up: where the window system puts the edges
// of child windows. Neighbouring fills, tiles and windows therefore share their device edges,
// with no gap and no overlap between them, also at fractional ratios. At ratio 1 logical and
// device pixels are the same.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>

namespace engine {

class PixelGrid {
public:
    // One device pixel per logical pixel.
    PixelGrid() = default;
    // `ratio` device pixels per logical pixel, for a surface whose top-left lies at `offset`
    // (logical pixels) in its top-level window.
    PixelGrid(double ratio, QPoint offset);

    double Ratio() const { return m_ratio; }
    bool IsUnscaled() const { return m_ratio == 1.0; }

    // The device coordinate, within the surface, of a logical edge of the surface.
    int X(int x) const;
    int Y(int y) const;
    QRect Map(const QRect& logical) const;
    QRegion Map(const QRegion& logical) const;
    // The device size of a surface of the given logical size.
    QSize DeviceSize(QSize logical) const { return Map(QRect(QPoint(0, 0), logical)).size(); }
    // A length (a pen width, an ellipse's size) in device pixels; at least one device pixel
    // for a length of at least one logical pixel.
    int Length(int logical) const;
    // The logical pixels that a region of device pixels touches.
    QRegion Cover(const QRegion& device) const;
    // Where the grid puts logical (0, 0) relative to the ratio alone, in device pixels: a
    // painter scaled by the ratio and moved by this rounds its edges onto the grid.
    QPointF Shift() const { return m_shift; }

    // Grids that put every logical edge on the same device edge.
    bool operator==(const PixelGrid& other) const {
        return m_ratio == other.m_ratio && m_shift == other.m_shift;
    }

private:
    static int Edge(double device);
    // The logical pixel whose device pixels along one axis include `device`.
    int LogicalOf(int device, double shift) const;

    double m_ratio = 1.0;
    QPointF m_shift;
};

} // namespace engine
