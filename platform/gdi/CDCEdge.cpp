// DrawEdge: the classic 3-D borders, two one-pixel rings (outer and inner).
#include "platform/gdi/CDC.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/StockObjects.h"

#include <optional>

namespace {

// Colours of one ring: top and left sides, bottom and right sides.
struct RingColors {
    int topLeft;
    int bottomRight;
};

// The colours of the outer ring for the edge kind and flags; nullopt: no outer ring.
std::optional<RingColors> OuterColors(UINT edge, UINT flags) {
    const bool raised = (edge & BDR_RAISEDOUTER) != 0;
    const bool sunken = (edge & BDR_SUNKENOUTER) != 0;
    if (!raised && !sunken) {
        return std::nullopt;
    }
    if (flags & BF_MONO) {
        return RingColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
    }
    if (flags & BF_FLAT) {
        return RingColors{COLOR_3DSHADOW, COLOR_3DSHADOW};
    }
    const bool soft = (flags & BF_SOFT) != 0;
    if (sunken) {
        return RingColors{soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW, COLOR_3DHILIGHT};
    }
    return RingColors{soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
}

// The colours of the inner ring for the edge kind and flags; nullopt: no inner ring.
std::optional<RingColors> InnerColors(UINT edge, UINT flags) {
    const bool raised = (edge & BDR_RAISEDINNER) != 0;
    const bool sunken = (edge & BDR_SUNKENINNER) != 0;
    if (!raised && !sunken) {
        return std::nullopt;
    }
    if (flags & BF_MONO) {
        return RingColors{COLOR_WINDOW, COLOR_WINDOW};
    }
    if (flags & BF_FLAT) {
        return RingColors{COLOR_3DFACE, COLOR_3DFACE};
    }
    const bool soft = (flags & BF_SOFT) != 0;
    if (sunken) {
        return RingColors{soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
    }
    return RingColors{soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT, COLOR_3DSHADOW};
}

// Draws one ring on the sides the flags name and shrinks the rectangle past it. Bottom and
// right sides are drawn last and run the full length, so they own the two corners where
// they meet the top and left sides.
void DrawRing(platform::DeviceContext& dc, RECT& rect, const RingColors& colors, UINT flags) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const COLORREF topLeft = platform::StockObjects::SysColor(colors.topLeft);
    const COLORREF bottomRight = platform::StockObjects::SysColor(colors.bottomRight);
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

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
    if (!m_hDC || !lpRect) {
        return FALSE;
    }
    RECT inner = *lpRect;
    if (const auto outer = OuterColors(nEdge, nFlags)) {
        DrawRing(*m_hDC, inner, *outer, nFlags);
    }
    if (const auto colors = InnerColors(nEdge, nFlags)) {
        DrawRing(*m_hDC, inner, *colors, nFlags);
    }
    if ((nFlags & BF_MIDDLE) && inner.right > inner.left && inner.bottom > inner.top) {
        const int middle = (nFlags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE;
        const QRect pixels(inner.left, inner.top, inner.right - inner.left,
                           inner.bottom - inner.top);
        m_hDC->FillRegion(QRegion(pixels), platform::StockObjects::SysColor(middle));
    }
    if (nFlags & BF_ADJUST) {
        *lpRect = inner;
    }
    return TRUE;
}
