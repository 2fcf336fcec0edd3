// Device context state: saved states, selected objects, colours, modes, current position.
#include "platform/win32/gdi/DeviceContext.h"
#include "platform/win32/gdi/FontResolver.h"
#include "platform/win32/gdi/GdiBitmap.h"
#include "platform/win32/gdi/GdiBrush.h"
#include "platform/win32/gdi/GdiFont.h"
#include "platform/win32/gdi/GdiPen.h"
#include <windows.h>

using platform::DcOf;

int SaveDC(HDC hdc) {
    return hdc ? DcOf(hdc)->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    return hdc ? DcOf(hdc)->Restore(nSavedDC) : FALSE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    if (!hdc || !h) {
        return nullptr;
    }
    return DcOf(hdc)->Select(h);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    if (!hdc) {
        return nullptr;
    }
    switch (type) {
    case OBJ_PEN:
        return DcOf(hdc)->Pen();
    case OBJ_BRUSH:
        return DcOf(hdc)->Brush();
    case OBJ_FONT:
        return DcOf(hdc)->Font();
    case OBJ_BITMAP:
        return DcOf(hdc)->Bitmap();
    default:
        return nullptr;
    }
}

int SetBkMode(HDC hdc, int mode) {
    return hdc ? DcOf(hdc)->SetBkMode(mode) : 0;
}

int GetBkMode(HDC hdc) {
    return hdc ? DcOf(hdc)->BkMode() : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return hdc ? DcOf(hdc)->SetBkColor(color) : CLR_INVALID;
}

COLORREF GetBkColor(HDC hdc) {
    return hdc ? DcOf(hdc)->BkColor() : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return hdc ? DcOf(hdc)->SetTextColor(color) : CLR_INVALID;
}

COLORREF GetTextColor(HDC hdc) {
    return hdc ? DcOf(hdc)->TextColor() : CLR_INVALID;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    if (!hdc) {
        return FALSE;
    }
    const QPoint previous = DcOf(hdc)->SetCurrentPosition({x, y});
    if (lppt) {
        *lppt = POINT{previous.x(), previous.y()};
    }
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    if (!hdc || !lppt) {
        return FALSE;
    }
    *lppt = POINT{DcOf(hdc)->CurrentPosition().x(), DcOf(hdc)->CurrentPosition().y()};
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!hdc) {
        return 0;
    }
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return platform::FontResolver::kDotsPerInch;
    default:
        return 0;
    }
}
