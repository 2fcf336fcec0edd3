#include "platform/linux/gdi/DeviceContext.h"

#include "platform/linux/gdi/ColorRef.h"
#include "platform/linux/gdi/GdiBitmap.h"
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/GdiPen.h"
#include "platform/linux/gdi/GdiRegion.h"

#include <algorithm>

namespace engine {

namespace {
constexpr COLORREF kDefaultBkColor = RGB(255, 255, 255);
constexpr COLORREF kDefaultTextColor = RGB(0, 0, 0);
} // namespace

DeviceContext::DeviceContext(std::shared_ptr<DrawingSurface> surface, QPoint origin, QRect clip)
    : m_surface(std::move(surface)), m_origin(origin), m_surfaceClip(clip & m_surface->Rect()) {
    m_state.pen = static_cast<GdiPen*>(GetStockObject(BLACK_PEN));
    m_state.brush = static_cast<GdiBrush*>(GetStockObject(WHITE_BRUSH));
    m_state.font = static_cast<GdiFont*>(GetStockObject(SYSTEM_FONT));
    m_state.bkMode = OPAQUE;
    m_state.bkColor = kDefaultBkColor;
    m_state.textColor = kDefaultTextColor;
    Retain(m_state);
    m_surface->Join();
}

DeviceContext::DeviceContext(QImage& target, QPoint origin, QRect clip)
    : DeviceContext(std::make_shared<DrawingSurface>(target), origin, clip) {}

DeviceContext::~DeviceContext() {
    m_surface->Leave(this);
    Release(m_state);
    for (const State& saved : m_saved) {
        Release(saved);
    }
    for (GdiObject* object : m_released) {
        // Another context may have selected the object again since; it then deletes it.
        if (!object->IsSelected()) {
            delete object;
        }
    }
}

QPainter& DeviceContext::Painter() {
    QPainter& painter = m_surface->Painter();
    if (m_surface->MakeCurrent(this) && painter.isActive()) {
        ApplyState(painter);
    }
    return painter;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ handle) {
    GdiObject* object = ObjectOf(handle);
    if (!object) {
        return nullptr;
    }
    GdiObject* previous = nullptr;
    switch (object->Kind()) {
    case GdiKind::Pen:
        previous = std::exchange(m_state.pen, static_cast<GdiPen*>(object));
        break;
    case GdiKind::Brush:
        previous = std::exchange(m_state.brush, static_cast<GdiBrush*>(object));
        break;
    case GdiKind::Font:
        previous = std::exchange(m_state.font, static_cast<GdiFont*>(object));
        m_surface->Forget(this);
        break;
    case GdiKind::Bitmap:
        previous = std::exchange(m_state.bitmap, static_cast<GdiBitmap*>(object));
        break;
    case GdiKind::Region:
        return nullptr;
    }
    object->AddSelection();
    Release(previous);
    return previous;
}

QRegion DeviceContext::VisibleRegion() const {
    return QRegion(m_surfaceClip.translated(-m_origin));
}

int DeviceContext::Save() {
    Retain(m_state);
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

BOOL DeviceContext::Restore(int level) {
    const int count = static_cast<int>(m_saved.size());
    const int target = level < 0 ? count + level + 1 : level;
    if (target < 1 || target > count) {
        return FALSE;
    }
    // The restored state's selections are already counted (they were counted when saved).
    State restored = m_saved[static_cast<std::size_t>(target - 1)];
    for (int i = target; i < count; ++i) {
        Release(m_saved[static_cast<std::size_t>(i)]);
    }
    m_saved.resize(static_cast<std::size_t>(target - 1));
    Release(m_state);
    m_state = restored;
    m_surface->Forget(this);
    return TRUE;
}

QRegion DeviceContext::ToDevice(const QRegion& logical) const {
    return Grid().Map(logical.translated(m_origin));
}

void DeviceContext::FillRegion(const QRegion& region, const GdiBrush& brush) {
    FillDeviceRegion(ToDevice(region), brush);
}

void DeviceContext::FillRegion(const QRegion& region, COLORREF color) {
    FillDeviceRegion(ToDevice(region), color);
}

void DeviceContext::FillDeviceRegion(const QRegion& device, const GdiBrush& brush) {
    if (brush.IsNull()) {
        return;
    }
    if (brush.BrushStyle() == GdiBrush::Style::Solid) {
        FillDeviceRegion(device, brush.Color());
        return;
    }
    QPainter& painter = DevicePainter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // The pattern is a picture: enlarged by the ratio, from the brush origin's device pixel.
    const QPoint origin = m_state.brushOrigin + m_origin;
    painter.setBrushOrigin(Grid().X(origin.x()), Grid().Y(origin.y()));
    const QBrush qtBrush = brush.DeviceBrush(Grid().Ratio());
    for (const QRect& rect : device) {
        painter.fillRect(rect, qtBrush);
    }
    painter.restore();
}

void DeviceContext::FillDeviceRegion(const QRegion& device, COLORREF color) {
    QPainter& painter = DevicePainter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QColor qtColor = ToQColor(color);
    for (const QRect& rect : device) {
        painter.fillRect(rect, qtColor);
    }
    painter.restore();
}

void DeviceContext::InvertRegion(const QRegion& region) {
    QPainter& painter = DevicePainter();
    // Inverts the colour channels and keeps the pixel opaque, so inverting twice restores it.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect& rect : ToDevice(region)) {
        painter.fillRect(rect, Qt::black);
    }
    painter.restore();
}

void DeviceContext::Retain(const State& state) {
    for (GdiObject* object :
         {static_cast<GdiObject*>(state.pen), static_cast<GdiObject*>(state.brush),
          static_cast<GdiObject*>(state.font), static_cast<GdiObject*>(state.bitmap)}) {
        if (object) {
            object->AddSelection();
        }
    }
}

void DeviceContext::Release(const State& state) {
    Release(state.pen);
    Release(state.brush);
    Release(state.font);
    Release(state.bitmap);
}

void DeviceContext::Release(GdiObject* object) {
    if (object && object->RemoveSelection() &&
        std::find(m_released.begin(), m_released.end(), object) == m_released.end()) {
        m_released.push_back(object);
    }
}

void DeviceContext::ApplyState(QPainter& painter) const {
    // The clip on device pixels, as fills see them; then logical coordinates, moved by the
    // grid's shift so that the painter's own rounding of edges falls on the grid too.
    const PixelGrid& grid = Grid();
    const double ratio = grid.Ratio();
    painter.setTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    painter.setClipRegion(ToDevice(VisibleRegion()));
    painter.setTransform(QTransform::fromTranslate(m_origin.x() + grid.Shift().x() / ratio,
                                                   m_origin.y() + grid.Shift().y() / ratio));
    painter.setFont(m_state.font->Font());
}

QPainter& DeviceContext::DevicePainter() {
    QPainter& painter = Painter();
    painter.save();
    painter.setTransform(QTransform::fromScale(1.0 / Grid().Ratio(), 1.0 / Grid().Ratio()));
    return painter;
}

} // namespace engine
