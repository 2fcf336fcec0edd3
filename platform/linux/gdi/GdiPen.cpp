// A pen, and CreatePen, which makes one.
#include "platform/linux/gdi/GdiPen.h"

#include <windows.h>

#include <algorithm>

namespace engine {

GdiPen::GdiPen(int style, int width, COLORREF color)
    : m_style(style & PS_STYLE_MASK), m_width(std::max(1, width)), m_color(color) {}

} // namespace engine

// The GDI functions that make pens.
HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    return new engine::GdiPen(iStyle, cWidth, color);
}
