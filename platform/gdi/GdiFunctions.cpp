// The free Win32 drawing functions; each forwards to the device context's wrapper.
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiBitmap.h"
#include "platform/gdi/GdiBrush.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/GdiPen.h"
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

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!hDC || !lprc || !hbr) {
        return 0;
    }
    CDC::FromHandle(hDC)->FrameRect(lprc, CBrush::FromHandle(hbr));
    return 1;
}

BOOL DrawEdge(HDC hDC, LPRECT qrc, UINT edge, UINT grfFlags) {
    return hDC && qrc ? CDC::FromHandle(hDC)->DrawEdge(qrc, edge, grfFlags) : FALSE;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    if (!hDC || !lprc) {
        return FALSE;
    }
    CDC::FromHandle(hDC)->DrawFocusRect(lprc);
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon) {
    return hDC ? CDC::FromHandle(hDC)->DrawIcon(x, y, hIcon) : FALSE;
}

int DrawText(HDC hDC, LPCTSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    return hDC ? CDC::FromHandle(hDC)->DrawText(lpchText, cchText, lprc, format) : 0;
}

BOOL GetTextExtentPoint32(HDC hDC, LPCTSTR lpString, int c, LPSIZE lpSize) {
    if (!hDC || !lpSize) {
        return FALSE;
    }
    *lpSize = CDC::FromHandle(hDC)->GetTextExtent(lpString, c);
    return TRUE;
}

BOOL GetTextMetrics(HDC hDC, LPTEXTMETRIC lptm) {
    return hDC ? CDC::FromHandle(hDC)->GetTextMetrics(lptm) : FALSE;
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

BOOL DeleteObject(HPEN hPen) {
    return DeleteObject(static_cast<HGDIOBJ>(hPen));
}

BOOL DeleteObject(HBRUSH hBrush) {
    return DeleteObject(static_cast<HGDIOBJ>(hBrush));
}

BOOL DeleteObject(HFONT hFont) {
    return DeleteObject(static_cast<HGDIOBJ>(hFont));
}

BOOL DeleteObject(HBITMAP hBitmap) {
    return DeleteObject(static_cast<HGDIOBJ>(hBitmap));
}

BOOL DeleteObject(HRGN hRgn) {
    return DeleteObject(static_cast<HGDIOBJ>(hRgn));
}

HGDIOBJ SelectObject(HDC hDC, HPEN hPen) {
    return SelectObject(hDC, static_cast<HGDIOBJ>(hPen));
}

HGDIOBJ SelectObject(HDC hDC, HBRUSH hBrush) {
    return SelectObject(hDC, static_cast<HGDIOBJ>(hBrush));
}

HGDIOBJ SelectObject(HDC hDC, HFONT hFont) {
    return SelectObject(hDC, static_cast<HGDIOBJ>(hFont));
}

HGDIOBJ SelectObject(HDC hDC, HBITMAP hBitmap) {
    return SelectObject(hDC, static_cast<HGDIOBJ>(hBitmap));
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return new platform::GdiRegion(
        QRegion(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
    const QRect box(QPoint(left, top), QPoint(right - 1, bottom - 1));
    return new platform::GdiRegion(platform::GdiRegion::RoundRect(box, width, height));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    return new platform::GdiPen(style, width, color);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return new platform::GdiBrush(color);
}
