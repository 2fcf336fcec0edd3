// Lines, outlined figures, filled and framed rectangles and the focus rectangle.
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiPen.h"
#include "platform/linux/gdi/GdiRegion.h"
#include "platform/linux/gdi/LineRasterizer.h"
#include <windows.h>

#include <utility>

using engine::DcOf;

namespace {

// Draws a closed figure: its interior in the current brush, its outline in the current pen.
// A one-pixel or inside-frame pen keeps the figure inside the box; a wider pen is centred
// on the box's edge; without a pen the figure loses its right column and bottom row, as
// Win32 draws it. The figure is made at the device resolution, so that on a scaled surface
// its corners curve in device pixels and its outline is as wide as the pen's scaled width.
BOOL DrawFigure(engine::DeviceContext& dc, QRect box, int ellipseWidth, int ellipseHeight) {
    const engine::GdiPen& pen = *dc.Attributes().pen;
    const engine::GdiBrush& brush = *dc.Attributes().brush;
    const engine::PixelGrid& grid = dc.Grid();
    const auto deviceFigure = [&](const QRect& logicalBox) {
        return engine::GdiRegion::RoundRect(grid, logicalBox.translated(dc.Origin()), ellipseWidth,
                                            ellipseHeight);
    };
    if (pen.IsNull()) {
        box.adjust(0, 0, -1, -1);
        dc.FillDeviceRegion(deviceFigure(box), brush);
        return TRUE;
    }
    const int width = pen.Width();
    if (!pen.IsInsideFrame() && width > 1) {
        box.adjust(-(width / 2), -(width / 2), (width - 1) / 2, (width - 1) / 2);
    }
    const QRegion figure = deviceFigure(box);
    const QRegion interior = engine::GdiRegion::Erode(figure, grid.Length(width));
    dc.FillDeviceRegion(interior, brush);
    dc.FillDeviceRegion(figure - interior, pen.Color());
    return TRUE;
}

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

BOOL LineTo(HDC hdc, int x, int y) {
    if (!hdc) {
        return FALSE;
    }
    const QPoint from = std::exchange(DcOf(hdc)->Attributes().position, QPoint(x, y));
    const engine::GdiPen& pen = *DcOf(hdc)->Attributes().pen;
    if (!pen.IsNull()) {
        const QRegion stroke = engine::LineRasterizer::Line(from, {x, y}, pen.Width());
        DcOf(hdc)->FillRegion(stroke, pen.Color());
    }
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return hdc && DrawFigure(*DcOf(hdc), engine::GdiRegion::Box(left, top, right, bottom), 0, 0);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return hdc &&
           DrawFigure(*DcOf(hdc), engine::GdiRegion::Box(left, top, right, bottom), width, height);
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!hDC || !lprc || !hbr) {
        return 0;
    }
    DcOf(hDC)->FillRegion(QRegion(Pixels(*lprc)), *engine::ObjectOf(hbr));
    return 1;
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!hDC || !lprc || !hbr) {
        return 0;
    }
    DcOf(hDC)->FillRegion(Ring(Pixels(*lprc)), *engine::ObjectOf(hbr));
    return 1;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    if (!hDC || !lprc) {
        return FALSE;
    }
    // Every other pixel of the one-pixel ring is inverted, in a checkerboard aligned to the
    // logical origin; inverting is its own inverse, so a second call erases the rectangle.
    QRegion dots;
    for (const QRect& strip : Ring(Pixels(*lprc))) {
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            for (int x = strip.left(); x <= strip.right(); ++x) {
                if ((x + y) % 2 == 0) {
                    dots += QRect(x, y, 1, 1);
                }
            }
        }
    }
    DcOf(hDC)->InvertRegion(dots);
    return TRUE;
}
