#include "platform/gdi/DrawingSurface.h"

namespace platform {

DrawingSurface::DrawingSurface() : m_image(&m_own) {}

DrawingSurface::DrawingSurface(QImage& image) : m_image(&image) {}

DrawingSurface::~DrawingSurface() {
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

bool DrawingSurface::Resize(QSize size) {
    if (m_image->size() == size) {
        m_pendingSize.reset();
        return true;
    }
    if (m_users > 0) {
        m_pendingSize = size;
        return false;
    }
    ResizeNow(size);
    return true;
}

void DrawingSurface::ResizeNow(QSize size) {
    m_pendingSize.reset();
    QImage resized(size, QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (!m_image->isNull()) {
        QPainter copy(&resized);
        copy.drawImage(0, 0, *m_image);
    }
    *m_image = std::move(resized);
}

void DrawingSurface::Join() {
    if (m_users++ == 0) {
        Begin();
    }
}

void DrawingSurface::Leave(const DeviceContext* dc) {
    Forget(dc);
    if (--m_users > 0) {
        return;
    }
    if (m_painter.isActive()) {
        m_painter.end();
    }
    if (m_pendingSize) {
        ResizeNow(*m_pendingSize);
    }
}

void DrawingSurface::Begin() {
    // A null image (a window of no size) has nothing to paint on; its contexts draw nothing.
    if (m_image->isNull() || !m_painter.begin(m_image)) {
        return;
    }
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
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

} // namespace platform
