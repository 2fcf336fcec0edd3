// A region (HRGN): a set of pixels, used for clipping and for shaped windows.
#pragma once

#include "platform/linux/gdi/GdiObject.h"
#include "platform/linux/gdi/PixelGrid.h"

#include <QRegion>

#include <optional>

namespace engine {

class GdiRegion : public GdiObject, public HRGN__ {
public:
    explicit GdiRegion(const QRegion& region) : m_region(region) {}
    // The rectangle [left, right) x [top, bottom) with elliptic corners of the given size.
    GdiRegion(const QRect& box, int ellipseWidth, int ellipseHeight);

    GdiKind Kind() const override { return GdiKind::Region; }
    const QRegion& Region() const { return m_region; }
    // The region's device pixels on a grid: a rounded rectangle made again at the device
    // resolution, so that its corners curve in device pixels; any other region enlarged.
    QRegion DeviceRegion(const PixelGrid& grid) const;

    // The rectangle [x1, x2) x [y1, y2) with its corners put in order, as the figure and
    // region calls take their corners.
    static QRect Box(int x1, int y1, int x2, int y2);
    // The pixels of [left, right) x [top, bottom) with elliptic corners of the given size;
    // the shape RoundRect fills, so an outline drawn on the same rectangle stays visible.
    static QRegion RoundRect(const QRect& box, int ellipseWidth, int ellipseHeight);
    // The same rectangle, in logical pixels, made at the device resolution of a grid: its
    // corners curve in device pixels.
    static QRegion RoundRect(const PixelGrid& grid, const QRect& box, int ellipseWidth,
                             int ellipseHeight);
    // The region shrunk by the given number of pixels: pixels whose 4-neighbours are all
    // inside survive each step. Used for the outline width of filled figures.
    static QRegion Erode(const QRegion& region, int steps);

private:
    struct Rounded {
        QRect box;
        int ellipseWidth;
        int ellipseHeight;
    };

    QRegion m_region;
    std::optional<Rounded> m_rounded;
};

inline GdiRegion* ObjectOf(HRGN handle) {
    return static_cast<GdiRegion*>(handle);
}

} // namespace engine
