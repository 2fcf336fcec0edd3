// A pen (HPEN): style, width and colour of the lines and outlines drawn with it.
#pragma once

#include "platform/linux/gdi/GdiObject.h"

namespace engine {

class GdiPen : public GdiObject, public HPEN__ {
public:
    GdiPen(int style, int width, COLORREF color);

    GdiKind Kind() const override { return GdiKind::Pen; }
    // The width in pixels; a width of 0 means one pixel, as on Win32.
    int Width() const { return m_width; }
    COLORREF Color() const { return m_color; }
    bool IsNull() const { return m_style == PS_NULL; }
    bool IsInsideFrame() const { return m_style == PS_INSIDEFRAME; }

private:
    int m_style;
    int m_width;
    COLORREF m_color;
};

inline GdiPen* ObjectOf(HPEN handle) {
    return static_cast<GdiPen*>(handle);
}

} // namespace engine
