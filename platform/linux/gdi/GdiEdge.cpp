// DrawEdge: the classic sunken border, two one-pixel rings (outer and inner).
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/StockObjects.h"
#include <windows.h>

using engine::DcOf;

namespace {

// Colours of one ring: top and left sides, bottom and right sides.
struct RingColors {
    int topLeft;
    int bottomRight;
};

// One of the two rings, outer then inner: the edge bit that asks for it and its colours when
// sunken or flat.
struct Ring {
    UINT bit;
    RingColors sunken;
    RingColors flat;
};

constexpr Ring kRings[] = {
    {BDR_SUNKENOUTER, {COLOR_3DSHADOW, COLOR_3DHILIGHT}, {COLOR_3DSHADOW, COLOR_3DSHADOW}},
    {BDR_SUNKENINNER, {COLOR_3DDKSHADOW, COLOR_3DLIGHT}, {COLOR_3DFACE, COLOR_3DFACE}},
};

// Draws one ring round the rectangle and shrinks the rectangle past it. Bottom and right
// sides are drawn last and run the full length, so they own the two corners where they meet
// the top and left sides.
void DrawRing(engine::DeviceContext& dc, RECT& rect, const RingColors& colors) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const COLORREF topLeft = engine::StockObjects::SysColor(colors.topLeft);
    const COLORREF bottomRight = engine::StockObjects::SysColor(colors.bottomRight);
    dc.FillRegion(QRegion(rect.left, rect.top, 1, height), topLeft);
    dc.FillRegion(QRegion(rect.left, rect.top, width, 1), topLeft);
    dc.FillRegion(QRegion(rect.right - 1, rect.top, 1, height), bottomRight);
    dc.FillRegion(QRegion(rect.left, rect.bottom - 1, width, 1), bottomRight);
    rect = RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

} // namespace

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    if (!hdc || !qrc) {
        return FALSE;
    }
    RECT inner = *qrc;
    for (const Ring& ring : kRings) {
        if (edge & ring.bit) {
            DrawRing(*DcOf(hdc), inner, (grfFlags & BF_FLAT) ? ring.flat : ring.sunken);
        }
    }
    if ((grfFlags & BF_MIDDLE) && inner.right > inner.left && inner.bottom > inner.top) {
        const QRect pixels(inner.left, inner.top, inner.right - inner.left,
                           inner.bottom - inner.top);
        DcOf(hdc)->FillRegion(QRegion(pixels), engine::StockObjects::SysColor(COLOR_3DFACE));
    }
    if (grfFlags & BF_ADJUST) {
        *qrc = inner;
    }
    return TRUE;
}
