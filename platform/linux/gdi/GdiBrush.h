// A brush (HBRUSH): a solid colour, nothing at all (the null brush) or a bitmap pattern
// tiled from the device context's brush origin.
#pragma once

#include "platform/linux/gdi/GdiObject.h"

#include <QBrush>
#include <QImage>

#include <memory>

namespace engine {

class GdiBrush : public GdiObject, public HBRUSH__ {
public:
    enum class Style { Solid, Null, Pattern };

    // A solid brush.
    explicit GdiBrush(COLORREF color);
    // A pattern brush; the image is copied, so the bitmap may be deleted afterwards.
    explicit GdiBrush(const QImage& pattern);
    // The null (hollow) brush.
    static std::unique_ptr<GdiBrush> MakeNull();

    GdiKind Kind() const override { return GdiKind::Brush; }
    Style BrushStyle() const { return m_style; }
    bool IsNull() const { return m_style == Style::Null; }
    COLORREF Color() const { return m_color; }
    // The Qt texture brush of a pattern brush for a surface of `ratio` device pixels per
    // logical pixel: the pattern's pixels become blocks of device pixels, as if the picture
    // were enlarged by the ratio.
    QBrush DeviceBrush(double ratio) const;

private:
    GdiBrush() = default;

    Style m_style = Style::Null;
    COLORREF m_color = 0;
    QImage m_pattern;
};

inline GdiBrush* ObjectOf(HBRUSH handle) {
    return static_cast<GdiBrush*>(handle);
}

} // namespace engine
