// The image that device contexts draw on, with the one painter they share: Qt lets only one
// painter at a time paint on an image. The painter starts when the first device context
// joins and ends when the last leaves. Each device context keeps its own state and makes the
// painter its own before it draws (MakeCurrent). A resize asked for while the painter is
// live waits until it ends, so the image never changes under a painter. On a scaled screen
// the image holds device pixels and carries their ratio; the surface's size and the device
// contexts' coordinates stay in logical pixels, laid on the device pixels by the grid.
#pragma once

#include "platform/linux/gdi/PixelGrid.h"

#include <QImage>
#include <QPainter>
#include <QSize>

#include <optional>

namespace engine {

class DeviceContext;

class DrawingSurface {
public:
    // A surface with an image of its own, empty until resized.
    DrawingSurface();
    // A surface on an image that its owner keeps alive for as long as the surface lives; an
    // image that carries a device pixel ratio is drawn on at that ratio.
    explicit DrawingSurface(QImage& image);
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;
    ~DrawingSurface();

    // The image at the surface's size and grid, made on first use after a resize.
    QImage& Image();

    // The size in logical pixels, and where those lie among the image's device pixels.
    QSize Size() const { return m_size; }
    QRect Rect() const { return QRect(QPoint(0, 0), m_size); }
    const PixelGrid& Grid() const { return m_grid; }

    // Makes the surface `size` logical pixels on `grid`, keeping its pixels at the top left
    // and clearing the rest; on another grid the old pixels no longer fit and all are
    // cleared. False when a painter is live: the resize then happens when the last context
    // leaves.
    bool Resize(QSize size, const PixelGrid& grid = {});
    // Makes the image's pixels outside `shape` (device pixels) transparent.
    void ClearOutside(const QRegion& shape);
    // Whether a device context is on the surface.
    bool InUse() const { return m_users > 0; }

    // A device context comes (the first starts the painter) or goes (the last ends it).
    void Join();
    void Leave(const DeviceContext* dc);
    // Records that `dc` draws next; true when the painter holds another context's state (or
    // none), which `dc` must then apply.
    bool MakeCurrent(const DeviceContext* dc);
    // The painter no longer holds `dc`'s state (it changed): the next MakeCurrent says so.
    void Forget(const DeviceContext* dc);
    QPainter& Painter() { return m_painter; }

private:
    struct Layout {
        QSize size;
        PixelGrid grid;
    };

    void ResizeNow(const Layout& layout);
    // Makes the image that the last resize asked for, keeping what still fits of the old one.
    void MakeImage();

    QImage m_own;
    QImage* m_image;
    QSize m_size{0, 0};
    PixelGrid m_grid;
    // Whether the image awaits the last resize, and the device pixels of the image that
    // every resize since it was made has kept.
    bool m_imageStale = false;
    QRect m_kept;
    QPainter m_painter;
    int m_users = 0;
    const DeviceContext* m_current = nullptr;
    std::optional<Layout> m_pending;
};

} // namespace engine
