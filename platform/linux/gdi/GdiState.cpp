// Device context state: saved states, selected objects, colours, modes, current position.
#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/FontResolver.h"
#include <windows.h>

#include <utility>

using engine::DcOf;

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
    const auto& state = DcOf(hdc)->Attributes();
    switch (type) {
    case OBJ_PEN:
        return state.pen;
    case OBJ_BRUSH:
        return state.brush;
    case OBJ_FONT:
        return state.font;
    case OBJ_BITMAP:
        return state.bitmap;
    default:
        return nullptr;
    }
}

int SetBkMode(HDC hdc, int mode) {
    if (!hdc || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    return std::exchange(DcOf(hdc)->Attributes().bkMode, mode);
}

int GetBkMode(HDC hdc) {
    return hdc ? DcOf(hdc)->Attributes().bkMode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return hdc ? std::exchange(DcOf(hdc)->Attributes().bkColor, color) : CLR_INVALID;
}

COLORREF GetBkColor(HDC hdc) {
    return hdc ? DcOf(hdc)->Attributes().bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return hdc ? std::exchange(DcOf(hdc)->Attributes().textColor, color) : CLR_INVALID;
}

COLORREF GetTextColor(HDC hdc) {
    return hdc ? DcOf(hdc)->Attributes().textColor : CLR_INVALID;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    if (!hdc) {
        return FALSE;
    }
    const QPoint previous = std::exchange(DcOf(hdc)->Attributes().position, QPoint(x, y));
    if (lppt) {
        *lppt = POINT{previous.x(), previous.y()};
    }
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    if (!hdc || !lppt) {
        return FALSE;
    }
    const QPoint position = DcOf(hdc)->Attributes().position;
    *lppt = POINT{position.x(), position.y()};
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!hdc) {
        return 0;
    }
    return index == LOGPIXELSY ? engine::FontResolver::kDotsPerInch : 0;
}
