#include "platform/gdi/GdiPen.h"

#include "platform/gdi/CPen.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/WinGdi.h"

#include <algorithm>

namespace platform {

GdiPen::GdiPen(int style, int width, COLORREF color)
    : m_style(style & PS_STYLE_MASK), m_width(std::max(1, width)), m_color(color) {}

bool GdiPen::IsNull() const {
    return m_style == PS_NULL;
}

bool GdiPen::IsInsideFrame() const {
    return m_style == PS_INSIDEFRAME;
}

QPen GdiPen::Pen() const {
    if (IsNull()) {
        return QPen(Qt::NoPen);
    }
    QPen pen(ToQColor(m_color), m_width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    if (m_style == PS_DASH) {
        pen.setStyle(Qt::DashLine);
    } else if (m_style == PS_DOT) {
        pen.setStyle(Qt::DotLine);
    }
    return pen;
}

std::unique_ptr<CGdiObject> GdiPen::MakeWrapper() {
    return std::make_unique<CPen>();
}

} // namespace platform
