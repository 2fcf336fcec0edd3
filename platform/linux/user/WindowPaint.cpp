// Painting: the window's surface, the device contexts on it, and the paint that erases,
// draws the frame and the client area and shows the surface in the widget.
#include "platform/linux/user/Window.h"

#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/DrawingSurface.h"
#include "platform/linux/gdi/GdiRegion.h"
#include "platform/linux/gdi/PixelGrid.h"
#include <windows.h>

#include <QPainter>
#include <QWidget>

namespace engine {

QImage& Window::Surface() {
    return m_surface->Image();
}

void Window::Invalidate(bool erase) {
    m_erasePending = m_erasePending || erase;
    ScheduleRepaint();
}

void Window::InvalidateFrame() {
    m_framePending = true;
    ScheduleRepaint();
}

void Window::ScheduleRepaint() {
    if (m_widget == nullptr) {
        return;
    }
    if (m_inPaint) {
        // Qt drops an update asked for during the paint itself: ask again once it is over.
        QMetaObject::invokeMethod(m_widget, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    } else {
        m_widget->update();
    }
}

HDC Window::BeginPaint() {
    return GetDC(false);
}

void Window::EndPaint(HDC hdc) {
    DropDC(hdc);
}

HDC Window::GetDC(bool wholeWindow) {
    EnsureSurface();
    if (wholeWindow) {
        return new DeviceContext(m_surface, QPoint(0, 0), m_surface->Rect());
    }
    const QRect client(ClientOrigin(), ClientRect().size());
    return new DeviceContext(m_surface, ClientOrigin(), client);
}

void Window::ReleaseDC(HDC hdc) {
    DropDC(hdc);
    if (m_widget != nullptr && !m_inPaint) {
        m_widget->update();
    }
}

void Window::SetRegion(HRGN region, bool redraw) {
    if (m_region != nullptr && m_region != region) {
        DeleteObject(m_region);
    }
    m_region = region;
    if (m_widget != nullptr) {
        if (region != nullptr) {
            ApplyRegion();
        } else {
            m_widget->clearMask();
        }
        if (redraw) {
            Invalidate(true);
        }
    }
}

void Window::ApplyRegion() {
    if (m_widget == nullptr || m_region == nullptr) {
        return;
    }
    // On a scaled screen the region's curves run through device pixels: the widget shows every
    // logical pixel they touch, and its surface is clear outside them (ClearOutsideRegion).
    const PixelGrid& grid = m_surface->Grid();
    m_widget->setMask(grid.IsUnscaled() ? ObjectOf(m_region)->Region()
                                        : grid.Cover(ObjectOf(m_region)->DeviceRegion(grid)));
}

void Window::ClearOutsideRegion() {
    const PixelGrid& grid = m_surface->Grid();
    if (m_region != nullptr && !grid.IsUnscaled()) {
        m_surface->ClearOutside(ObjectOf(m_region)->DeviceRegion(grid));
    }
}

void Window::DrawDefaultFrame() {
    const int frame = FrameWidth();
    if (frame == 0) {
        return;
    }
    HDC hdc = GetDC(true);
    RECT rc{0, 0, m_surface->Size().width(), m_surface->Size().height()};
    if (m_exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT);
    } else {
        FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    DropDC(hdc);
}

void Window::EnsureSurface() {
    const QSize size = m_widget != nullptr ? m_widget->size() : m_rect.size();
    // The screen's ratio, and the window's place in its top-level window, which at a
    // fractional ratio decides where its logical edges fall among the device pixels.
    const PixelGrid grid = m_widget != nullptr
                               ? PixelGrid(m_widget->devicePixelRatioF(),
                                           m_widget->mapTo(m_widget->window(), QPoint(0, 0)))
                               : PixelGrid();
    const bool regrid = !(grid == m_surface->Grid());
    if (!m_surface->Resize(size, grid)) {
        m_resizeDeferred = true;
    } else if (regrid) {
        // The surface starts clear on the new grid: everything is painted again.
        m_erasePending = true;
        m_framePending = true;
        ApplyRegion();
    }
}

void Window::DropDC(HDC hdc) {
    delete DcOf(hdc);
    SurfaceReleased();
}

void Window::SurfaceReleased() {
    if (m_resizeDeferred && !m_surface->InUse()) {
        // The surface has taken its new size now that its painter has ended.
        m_resizeDeferred = false;
        m_erasePending = true;
        m_framePending = true;
        ApplyRegion();
        ScheduleRepaint();
    }
}

void Window::EraseBackground(HDC hdc) {
    if (hdc != nullptr) {
        // The device context already paints on the surface: clear through its painter.
        QPainter& clear = DcOf(hdc)->Painter();
        clear.save();
        clear.setCompositionMode(QPainter::CompositionMode_Clear);
        clear.fillRect(QRect(QPoint(0, 0), ClientRect().size()), Qt::transparent);
        clear.restore();
    }
}

void Window::Paint() {
    EnsureSurface();
    m_inPaint = true;
    // One painter for the whole paint, however many device contexts its handlers take.
    m_surface->Join();
    if (m_erasePending) {
        m_erasePending = false;
        HDC hdc = GetDC(false);
        Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        DropDC(hdc);
    }
    if (m_framePending) {
        m_framePending = false;
        if (FrameWidth() > 0) {
            Send(WM_NCPAINT, 1, 0);
        }
    }
    m_nativePaint = false;
    Send(WM_PAINT);
    m_surface->Leave(nullptr);
    SurfaceReleased();
    ClearOutsideRegion();
    m_inPaint = false;
    if (m_widget == nullptr) {
        return;
    }
    {
        QPainter show(m_widget);
        show.drawImage(0, 0, m_surface->Image());
    }
    if (m_nativePaint) {
        if (auto* bridge = dynamic_cast<BridgeBase*>(m_widget)) {
            bridge->BaseEvent(m_currentEvent);
        }
    }
}

} // namespace engine
