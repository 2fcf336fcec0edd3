// The device context behind an HDC: the bookkeeping of a Win32 device context (selected
// objects, colours, background mode, current position, brush origin, saved states)
// on a drawing surface, whose one painter it shares with the surface's other contexts.
// Logical (0, 0) lies at `origin` on the surface. On a scaled surface the logical pixels
// stay the coordinates of every operation, and each is drawn at the device resolution:
// fills on the device pixels the surface's grid gives each logical pixel, text and images
// through the painter's scaling.
#pragma once

#include "platform/linux/gdi/DrawingSurface.h"
#include <windows.h>

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <memory>
#include <vector>

namespace engine {

class GdiObject;
class GdiPen;
class GdiBrush;
class GdiFont;
class GdiBitmap;

class DeviceContext : public HDC__ {
public:
    // Draws on `surface` with logical (0, 0) at `origin`, clipped to `clip` (surface
    // coordinates); starts with the defaults of a fresh Win32 device context. The context
    // keeps the surface alive while it lives.
    DeviceContext(std::shared_ptr<DrawingSurface> surface, QPoint origin, QRect clip);
    // The same on an image (premultiplied ARGB) that is not a window's, such as a bitmap or a
    // test's canvas; the caller keeps it alive and does not resize it meanwhile.
    DeviceContext(QImage& target, QPoint origin, QRect clip);
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    ~DeviceContext();

    // The surface's painter with this context's state (translated to logical coordinates,
    // clipped, the selected font); no antialiasing. Code that changes its state must restore
    // it (QPainter::save/restore). Ask again before each drawing operation: another context
    // on the surface may have drawn in between.
    QPainter& Painter();
    QImage& Target() { return m_surface->Image(); }
    QPoint Origin() const { return m_origin; }
    // Where the logical pixels lie among the surface's device pixels.
    const PixelGrid& Grid() const { return m_surface->Grid(); }
    // The device pixels of logical pixels of this context.
    QRegion ToDevice(const QRegion& logical) const;

    // Selects a pen, brush, font or bitmap; returns the previous one of that kind, nullptr
    // when the object cannot be selected.
    HGDIOBJ Select(HGDIOBJ object);
    // The pixels drawing may touch, in logical coordinates.
    QRegion VisibleRegion() const;

    // The state a Win32 device context keeps: the selected objects (a pen, brush and font are
    // always selected), the colours and modes, the current position and the brush origin.
    // Selections go through Select, which counts them.
    struct State {
        GdiPen* pen = nullptr;
        GdiBrush* brush = nullptr;
        GdiFont* font = nullptr;
        GdiBitmap* bitmap = nullptr;
        int bkMode = 0;
        COLORREF bkColor = 0;
        COLORREF textColor = 0;
        QPoint position;
        QPoint brushOrigin;
    };
    const State& Attributes() const { return m_state; }
    State& Attributes() { return m_state; }

    // Saves the whole state; returns the new save level (1 for the first save).
    int Save();
    // Restores the state saved at `level` (negative: relative to the last save) and drops
    // it and every later one; FALSE for a level that was never saved.
    BOOL Restore(int level);

    // Raster primitives, in logical coordinates and within the visible region.
    void FillRegion(const QRegion& region, const GdiBrush& brush);
    void FillRegion(const QRegion& region, COLORREF color);
    void InvertRegion(const QRegion& region);
    // The same for shapes made at the device resolution (ToDevice's coordinates).
    void FillDeviceRegion(const QRegion& device, const GdiBrush& brush);
    void FillDeviceRegion(const QRegion& device, COLORREF color);

private:
    // Counts the selections of a state's objects, or drops them.
    static void Retain(const State& state);
    void Release(const State& state);
    void Release(GdiObject* object);
    // Gives the surface's painter this context's origin, clip and font.
    void ApplyState(QPainter& painter) const;
    // The painter drawing on device pixels, for the caller to restore.
    QPainter& DevicePainter();

    std::shared_ptr<DrawingSurface> m_surface;
    QPoint m_origin;
    QRect m_surfaceClip;
    State m_state;
    std::vector<State> m_saved;
    // Objects whose deletion waited for this context to deselect them; destroyed with it so
    // that wrappers SelectObject returned stay valid until then.
    std::vector<GdiObject*> m_released;
};

// The device context behind a handle.
inline DeviceContext* DcOf(HDC hdc) {
    return static_cast<DeviceContext*>(hdc);
}

} // namespace engine
