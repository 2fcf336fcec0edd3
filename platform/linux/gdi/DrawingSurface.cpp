#include "platform/linux/gdi/DrawingSurface.h"

#include <cmath>

namespace engine {

DrawingSurface::DrawingSurface() : m_image(&m_own) {}

DrawingSurface::DrawingSurface(QImage& image)
    : m_image(&image), m_grid(image.devicePixelRatio(), QPoint(0, 0)) {
    const double ratio = image.devicePixelRatio();
    m_size = QSize(static_cast<int>(std::lround(image.width() / ratio)),
                   static_cast<int>(std::lround(image.height() / ratio)));
}

DrawingSurface::~DrawingSurface() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

bool DrawingSurface::Resize(QSize size, const PixelGrid& grid) {
    if (m_size == size && m_grid == grid) {
        m_pending.reset();
        return true;
    }
    if (m_users > 0) {
        m_pending = Layout{size, grid};
        return false;
    }
    ResizeNow(Layout{size, grid});
    return true;
}

QImage& DrawingSurface::Image() {
    MakeImage();
    return *m_image;
}

void DrawingSurface::ResizeNow(const Layout& layout) {
    m_pending.reset();
    if (!m_imageStale) {
        m_kept = m_image->rect();
    }
    // On another grid the old pixels no longer fit: none is kept.
    m_kept = layout.grid == m_grid
                 ? m_kept & QRect(QPoint(0, 0), layout.grid.DeviceSize(layout.size))
                 : QRect();
    m_size = layout.size;
    m_grid = layout.grid;
    m_imageStale = true;
}

void DrawingSurface::MakeImage() {
    if (!m_imageStale) {
        return;
    }
    m_imageStale = false;
    QImage resized(m_grid.DeviceSize(m_size), QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (!m_kept.isEmpty()) {
        // Device pixel for device pixel: the copy is made before the new image takes the ratio.
        QPainter copy(&resized);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(m_kept, *m_image, m_kept);
    }
    resized.setDevicePixelRatio(m_grid.Ratio());
    *m_image = std::move(resized);
}

void DrawingSurface::ClearOutside(const QRegion& shape) {
    Join();
    if (m_painter.isActive()) {
        // The painter leaves with no context's state: the next one applies its own.
        Forget(m_current);
        m_painter.save();
        m_painter.setTransform(QTransform::fromScale(1.0 / m_grid.Ratio(), 1.0 / m_grid.Ratio()));
        m_painter.setClipping(false);
        m_painter.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& rect : QRegion(Image().rect()) - shape) {
            m_painter.fillRect(rect, Qt::transparent);
        }
        m_painter.restore();
    }
    Leave(nullptr);
}

void DrawingSurface::Join() {
    // The first context starts the painter. A null image (a window of no size) has nothing to
    // paint on; its contexts draw nothing.
    if (m_users++ > 0 || Image().isNull() || !m_painter.begin(m_image)) {
        return;
    }
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void DrawingSurface::Leave(const DeviceContext* dc) {
    Forget(dc);
    if (--m_users > 0) {
        return;
    }
    if (m_painter.isActive()) {
        m_painter.end();
    }
    if (m_pending) {
        ResizeNow(*m_pending);
    }
}

bool DrawingSurface::MakeCurrent(const DeviceContext* dc) {
    if (m_current == dc) {
        return false;
    }
    m_current = dc;
    return true;
}

void DrawingSurface::Forget(const DeviceContext* dc) {
    if (m_current == dc) {
        m_current = nullptr;
    }
}

} // namespace engine
