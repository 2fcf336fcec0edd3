// Lines and outlined figures.
#include "platform/gdi/CDC.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiBrush.h"
#include "platform/gdi/GdiPen.h"
#include "platform/gdi/GdiRegion.h"
#include "platform/gdi/LineRasterizer.h"

namespace {

// The rectangle [x1, x2) x [y1, y2) with its corners put in order.
QRect Box(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

// Draws a closed figure: its interior in the current brush, its outline in the current pen.
// A one-pixel or inside-frame pen keeps the figure inside the box; a wider pen is centred
// on the box's edge; without a pen the figure loses its right column and bottom row, as
// Win32 draws it. The figure is made at the device resolution, so that on a scaled surface
// its corners curve in device pixels and its outline is as wide as the pen's scaled width.
BOOL DrawFigure(platform::DeviceContext& dc, QRect box, int ellipseWidth, int ellipseHeight) {
    const platform::GdiPen& pen = *dc.Pen();
    const platform::GdiBrush& brush = *dc.Brush();
    const platform::PixelGrid& grid = dc.Grid();
    const auto deviceFigure = [&](const QRect& logicalBox) {
        return platform::GdiRegion::RoundRect(grid, logicalBox.translated(dc.Origin()),
                                              ellipseWidth, ellipseHeight);
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
    const QRegion interior = platform::GdiRegion::Erode(figure, grid.Length(width));
    dc.FillDeviceRegion(interior, brush);
    dc.FillDeviceRegion(figure - interior, pen.Color());
    return TRUE;
}

} // namespace

CPoint CDC::MoveTo(int x, int y) {
    if (!m_hDC) {
        return {};
    }
    const QPoint previous = m_hDC->SetCurrentPosition({x, y});
    return {previous.x(), previous.y()};
}

BOOL CDC::LineTo(int x, int y) {
    if (!m_hDC) {
        return FALSE;
    }
    const QPoint from = m_hDC->SetCurrentPosition({x, y});
    const platform::GdiPen& pen = *m_hDC->Pen();
    if (!pen.IsNull()) {
        const QRegion stroke = platform::LineRasterizer::Line(from, {x, y}, pen.Width());
        m_hDC->FillRegion(stroke, pen.Color());
    }
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    return m_hDC && DrawFigure(*m_hDC, Box(x1, y1, x2, y2), 0, 0);
}

BOOL CDC::Rectangle(LPCRECT lpRect) {
    return lpRect && Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    return m_hDC && DrawFigure(*m_hDC, Box(x1, y1, x2, y2), x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point) {
    return lpRect &&
           RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}
