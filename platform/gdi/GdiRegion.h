// A region (HRGN): a set of pixels, used for clipping and for shaped windows.
#pragma once

#include "platform/gdi/GdiObject.h"

#include <QRegion>

namespace platform {

class GdiRegion : public GdiObject {
public:
    explicit GdiRegion(const QRegion& region) : m_region(region) {}

    GdiKind Kind() const override { return GdiKind::Region; }
    const QRegion& Region() const { return m_region; }

    // The pixels of [left, right) x [top, bottom) with elliptic corners of the given size;
    // the shape RoundRect fills, so an outline drawn on the same rectangle stays visible.
    static QRegion RoundRect(const QRect& box, int ellipseWidth, int ellipseHeight);
    // The region shrunk by the given number of pixels: pixels whose 4-neighbours are all
    // inside survive each step. Used for the outline width of filled figures.
    static QRegion Erode(const QRegion& region, int steps);

protected:
    std::unique_ptr<CGdiObject> MakeWrapper() override;

private:
    QRegion m_region;
};

} // namespace platform
