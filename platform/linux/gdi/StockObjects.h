// The objects that belong to the system: stock pens, brushes and fonts, and the brushes of
// the system colours. Created on first use, never deleted by DeleteObject.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>

namespace engine {

class GdiObject;
class GdiBrush;

class StockObjects {
public:
    // The one set of system objects.
    static StockObjects& Instance();

    // The stock object of a *_BRUSH, *_PEN or *_FONT index; nullptr for unknown indices.
    GdiObject* Stock(int index);
    // The brush of a COLOR_* index; nullptr for unknown indices.
    GdiBrush* SysColorBrush(int index);
    // The classic colour of a COLOR_* index; 0 for unknown indices.
    static COLORREF SysColor(int index);

private:
    static constexpr int kStockCount = 18;

    StockObjects() = default;
    std::unique_ptr<GdiObject> MakeStock(int index);

    std::array<std::unique_ptr<GdiObject>, kStockCount> m_stock;
    std::map<int, std::unique_ptr<GdiBrush>> m_sysBrushes;
};

} // namespace engine
