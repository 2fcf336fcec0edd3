#include "platform/gdi/GdiBrush.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/ColorRef.h"

namespace platform {

GdiBrush::GdiBrush(COLORREF color) : m_style(Style::Solid), m_color(color) {}

GdiBrush::GdiBrush(const QImage& pattern)
    : m_style(Style::Pattern),
      m_pattern(pattern.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

std::unique_ptr<GdiBrush> GdiBrush::MakeNull() {
    return std::unique_ptr<GdiBrush>(new GdiBrush);
}

QBrush GdiBrush::Brush() const {
    switch (m_style) {
    case Style::Solid:
        return QBrush(ToQColor(m_color));
    case Style::Pattern:
        return QBrush(m_pattern);
    case Style::Null:
        break;
    }
    return QBrush(Qt::NoBrush);
}

std::unique_ptr<CGdiObject> GdiBrush::MakeWrapper() {
    return std::make_unique<CBrush>();
}

} // namespace platform
