// System colours, system metrics and stock objects.
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiObject.h"
#include "platform/linux/gdi/StockObjects.h"
#include <windows.h>
#include <windowsx.h>

using engine::ObjectOf;

namespace {
constexpr int kEdgeMetric = 2;
constexpr int kBorderMetric = 1;
constexpr int kIconMetric = 32;
} // namespace

COLORREF GetSysColor(int nIndex) {
    return engine::StockObjects::SysColor(nIndex);
}

HBRUSH GetSysColorBrush(int nIndex) {
    return engine::StockObjects::Instance().SysColorBrush(nIndex);
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXEDGE:
    case SM_CYEDGE:
        return kEdgeMetric;
    case SM_CXBORDER:
        return kBorderMetric;
    case SM_CXICON:
    case SM_CYICON:
        return kIconMetric;
    default:
        return 0;
    }
}

HGDIOBJ GetStockObject(int fnObject) {
    return engine::StockObjects::Instance().Stock(fnObject);
}

HBRUSH GetStockBrush(int fnObject) {
    engine::GdiObject* stock = ObjectOf(GetStockObject(fnObject));
    return stock != nullptr && stock->Kind() == engine::GdiKind::Brush
               ? static_cast<engine::GdiBrush*>(stock)
               : nullptr;
}
