#include "platform/linux/gdi/StockObjects.h"

#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/GdiPen.h"
#include <windows.h>

#include <cstdio>

namespace engine {

namespace {

// The classic (Windows 2000) colour scheme, by COLOR_* index.
constexpr std::array<COLORREF, 31> kClassicColors = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(181, 181, 181), // unused index 25
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),   // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

// The dialog face at 9 points, which this system uses for its system and GUI fonts.
constexpr LONG kSystemFontHeight = -12;
constexpr const char* kSystemFontFace = "宋体";

std::unique_ptr<GdiFont> MakeSystemFont() {
    LOGFONT logFont;
    logFont.lfHeight = kSystemFontHeight;
    logFont.lfCharSet = GB2312_CHARSET;
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
    if (index < 0 || index >= kSysColorCount) {
        return nullptr;
    }
    auto& slot = m_sysBrushes[static_cast<std::size_t>(index)];
    if (!slot) {
        slot = std::make_unique<GdiBrush>(SysColor(index));
        slot->MarkStock();
    }
    return slot.get();
}

COLORREF StockObjects::SysColor(int index) {
    if (index < 0 || index >= kSysColorCount) {
        return 0;
    }
    return kClassicColors[static_cast<std::size_t>(index)];
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
    case ANSI_VAR_FONT:
    case DEVICE_DEFAULT_FONT:
        return MakeSystemFont();
    default:
        return nullptr;
    }
}

} // namespace engine
