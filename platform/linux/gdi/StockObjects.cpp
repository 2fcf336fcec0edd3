#include "platform/linux/gdi/StockObjects.h"

#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/GdiPen.h"
#include <cstdio>

namespace engine {

namespace {

// The colours of the classic (Windows 2000) scheme that are asked for, by COLOR_* index.
const std::map<int, COLORREF> kClassicColors = {
    {COLOR_WINDOW, RGB(255, 255, 255)},   {COLOR_WINDOWFRAME, RGB(0, 0, 0)},
    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},     {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
    {COLOR_3DFACE, RGB(212, 208, 200)},   {COLOR_3DSHADOW, RGB(128, 128, 128)},
    {COLOR_GRAYTEXT, RGB(128, 128, 128)}, {COLOR_3DHILIGHT, RGB(255, 255, 255)},
    {COLOR_3DDKSHADOW, RGB(64, 64, 64)},  {COLOR_3DLIGHT, RGB(212, 208, 200)},
};

// The dialog face at 9 points, which this system uses for its system and GUI fonts.
constexpr LONG kSystemFontHeight = -12;
constexpr const char* kSystemFontFace = "宋体";

std::unique_ptr<GdiFont> MakeSystemFont() {
    LOGFONT logFont;
    logFont.lfHeight = kSystemFontHeight;
    std::snprintf(logFont.lfFaceName, LF_FACESIZE, "%s", kSystemFontFace);
    return std::make_unique<GdiFont>(logFont);
}

} // namespace

StockObjects& StockObjects::Instance() {
    static StockObjects objects;
    return objects;
}

GdiObject* StockObjects::Stock(int index) {
    if (index < 0 || index >= kStockCount) {
        return nullptr;
    }
    auto& slot = m_stock[static_cast<std::size_t>(index)];
    if (!slot) {
        slot = MakeStock(index);
        if (slot) {
            slot->MarkStock();
        }
    }
    return slot.get();
}

GdiBrush* StockObjects::SysColorBrush(int index) {
    if (!kClassicColors.contains(index)) {
        return nullptr;
    }
    auto& slot = m_sysBrushes[index];
    if (!slot) {
        slot = std::make_unique<GdiBrush>(kClassicColors.at(index));
        slot->MarkStock();
    }
    return slot.get();
}

COLORREF StockObjects::SysColor(int index) {
    const auto known = kClassicColors.find(index);
    return known != kClassicColors.end() ? known->second : 0;
}

std::unique_ptr<GdiObject> StockObjects::MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return std::make_unique<GdiBrush>(RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return std::make_unique<GdiBrush>(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return std::make_unique<GdiBrush>(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return std::make_unique<GdiBrush>(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return std::make_unique<GdiBrush>(RGB(0, 0, 0));
    case NULL_BRUSH:
        return GdiBrush::MakeNull();
    case WHITE_PEN:
        return std::make_unique<GdiPen>(PS_SOLID, 1, RGB(255, 255, 255));
    case BLACK_PEN:
        return std::make_unique<GdiPen>(PS_SOLID, 1, RGB(0, 0, 0));
    case NULL_PEN:
        return std::make_unique<GdiPen>(PS_NULL, 1, RGB(0, 0, 0));
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return MakeSystemFont();
    default:
        return nullptr;
    }
}

} // namespace engine
