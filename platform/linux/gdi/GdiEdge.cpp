// DrawEdge: the classic 3-D borders, two one-pixel rings (outer and inner).
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/StockObjects.h"
#include <windows.h>

#include <optional>

using engine::DcOf;

namespace {

// Colours of one ring: top and left sides, bottom and right sides.
struct RingColors {
    int topLeft;
    int bottomRight;
};

// One of the two rings, outer then inner: the edge bits that ask for it and its colours when
// raised, sunken (which wins when both bits are set) or flat.
struct Ring {
    UINT raisedBit;
    UINT sunkenBit;
    RingColors raised;
    RingColors sunken;
    RingColors flat;
};

constexpr Ring kRings[] = {
    {BDR_RAISEDOUTER,
     BDR_SUNKENOUTER,
     {COLOR_3DLIGHT, COLOR_3DDKSHADOW},
     {COLOR_3DSHADOW, COLOR_3DHILIGHT},
     {COLOR_3DSHADOW, COLOR_3DSHADOW}},
    {BDR_RAISEDINNER,
     BDR_SUNKENINNER,
     {COLOR_3DHILIGHT, COLOR_3DSHADOW},
     {COLOR_3DDKSHADOW, COLOR_3DLIGHT},
     {COLOR_3DFACE, COLOR_3DFACE}},
};

// The colours of a ring for the edge kind and flags; nullopt: the edge has no such ring.
std::optional<RingColors> ColorsOf(const Ring& ring, UINT edge, UINT flags) {
    if (!(edge & (ring.raisedBit | ring.sunkenBit))) {
        return std::nullopt;
    }
    if (flags & BF_FLAT) {
        return ring.flat;
    }
    return (edge & ring.sunkenBit) ? ring.sunken : ring.raised;
}

// Draws one ring on the sides the flags name and shrinks the rectangle past it. Bottom and
// right sides are drawn last and run the full length, so they own the two corners where
// they meet the top and left sides.
void DrawRing(engine::DeviceContext& dc, RECT& rect, const RingColors& colors, UINT flags) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const COLORREF topLeft = engine::StockObjects::SysColor(colors.topLeft);
    const COLORREF bottomRight = engine::StockObjects::SysColor(colors.bottomRight);
    if (flags & BF_LEFT) {
        dc.FillRegion(QRegion(rect.left, rect.top, 1, height), topLeft);
    }
    if (flags & BF_TOP) {
        dc.FillRegion(QRegion(rect.left, rect.top, width, 1), topLeft);
    }
    if (flags & BF_RIGHT) {
        dc.FillRegion(QRegion(rect.right - 1, rect.top, 1, height), bottomRight);
    }
    if (flags & BF_BOTTOM) {
        dc.FillRegion(QRegion(rect.left, rect.bottom - 1, width, 1), bottomRight);
    }
    rect.left += (flags & BF_LEFT) ? 1 : 0;
    rect.top += (flags & BF_TOP) ? 1 : 0;
    rect.right -= (flags & BF_RIGHT) ? 1 : 0;
    rect.bottom -= (flags & BF_BOTTOM) ? 1 : 0;
}

} // namespace

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    if (!hdc || !qrc) {
        return FALSE;
    }
    RECT inner = *qrc;
    for (const Ring& ring : kRings) {
        if (const auto colors = ColorsOf(ring, edge, grfFlags)) {
            DrawRing(*DcOf(hdc), inner, *colors, grfFlags);
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
