// The free Win32 drawing functions; each forwards to the device context's wrapper.
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiBrush.h"
#include "platform/gdi/GdiRegion.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/WinGdi.h"

namespace {
constexpr int kEdgeMetric = 2;
constexpr int kBorderMetric = 1;
constexpr int kIconMetric = 32;
} // namespace

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!hDC || !lprc || !hbr) {
        return 0;
    }
    CDC::FromHandle(hDC)->FillRect(lprc, CBrush::FromHandle(hbr));
    return 1;
}

BOOL DrawEdge(HDC hDC, LPRECT qrc, UINT edge, UINT grfFlags) {
    return hDC && qrc ? CDC::FromHandle(hDC)->DrawEdge(qrc, edge, grfFlags) : FALSE;
}

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
    HGDIOBJ stock = GetStockObject(fnObject);
    return stock != nullptr && stock->Kind() == platform::GdiKind::Brush
               ? static_cast<HBRUSH>(stock)
               : nullptr;
}

BOOL DeleteObject(HGDIOBJ hObject) {
    if (!hObject) {
        return FALSE;
    }
    hObject->RequestDelete();
    return TRUE;
}

HGDIOBJ SelectObject(HDC hDC, HGDIOBJ hObject) {
    if (!hDC || !hObject) {
        return nullptr;
    }
    return hDC->Select(hObject);
}

BOOL DeleteObject(HRGN hRgn) {
    return DeleteObject(static_cast<HGDIOBJ>(hRgn));
}
