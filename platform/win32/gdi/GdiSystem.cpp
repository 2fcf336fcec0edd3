// System colours, system metrics and stock objects.
#include "platform/win32/gdi/GdiBrush.h"
#include "platform/win32/gdi/GdiObject.h"
#include "platform/win32/gdi/StockObjects.h"
#include <windows.h>
#include <windowsx.h>

using platform::ObjectOf;

namespace {
constexpr int kEdgeMetric = 2;
constexpr int kBorderMetric = 1;
constexpr int kIconMetric = 32;
} // namespace

COLORREF GetSysColor(int nIndex) {
    return platform::StockObjects::SysColor(nIndex);
}

HBRUSH GetSysColorBrush(int nIndex) {
    return platform::StockObjects::Instance().SysColorBrush(nIndex);
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXEDGE:
    case SM_CYEDGE:
        return kEdgeMetric;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return kBorderMetric;
    case SM_CXICON:
    case SM_CYICON:
        return kIconMetric;
    default:
        return 0;
    }
}

HGDIOBJ GetStockObject(int fnObject) {
    return platform::StockObjects::Instance().Stock(fnObject);
}

HBRUSH GetStockBrush(int fnObject) {
    platform::GdiObject* stock = ObjectOf(GetStockObject(fnObject));
    return stock != nullptr && stock->Kind() == platform::GdiKind::Brush
               ? static_cast<platform::GdiBrush*>(stock)
               : nullptr;
}
