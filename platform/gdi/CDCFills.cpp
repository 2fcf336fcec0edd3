// Filled and framed rectangles and the focus rectangle.
#include "platform/gdi/CDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiBrush.h"

namespace {

// The pixels of a RECT; empty for an empty or inverted rectangle.
QRect Pixels(const RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return {};
    }
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// The one-pixel ring just inside a rectangle.
QRegion Ring(const QRect& box) {
    return QRegion(box) - QRegion(box.adjusted(1, 1, -1, -1));
}

} // namespace

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    if (!m_hDC || !lpRect || !pBrush || !pBrush->m_hObject) {
        return;
    }
    m_hDC->FillRegion(QRegion(Pixels(*lpRect)), *static_cast<HBRUSH>(*pBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    if (!m_hDC || !lpRect || !pBrush || !pBrush->m_hObject) {
        return;
    }
    m_hDC->FillRegion(Ring(Pixels(*lpRect)), *static_cast<HBRUSH>(*pBrush));
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    if (!m_hDC || !lpRect) {
        return;
    }
    // Every other pixel of the one-pixel ring is inverted, in a checkerboard aligned to the
    // logical origin; inverting is its own inverse, so a second call erases the rectangle.
    QRegion dots;
    for (const QRect& strip : Ring(Pixels(*lpRect))) {
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            for (int x = strip.left(); x <= strip.right(); ++x) {
                if ((x + y) % 2 == 0) {
                    dots += QRect(x, y, 1, 1);
                }
            }
        }
    }
    m_hDC->InvertRegion(dots);
}
