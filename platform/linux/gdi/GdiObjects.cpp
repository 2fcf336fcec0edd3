// Creating, querying and deleting pens, brushes, fonts, bitmaps and regions.
#include "platform/linux/gdi/GdiBitmap.h"
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/GdiObject.h"
#include "platform/linux/gdi/GdiPen.h"
#include "platform/linux/gdi/GdiRegion.h"
#include "platform/linux/gdi/ImageResources.h"
#include <windows.h>

using engine::ObjectOf;

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    return new engine::GdiPen(iStyle, cWidth, color);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return new engine::GdiBrush(color);
}

HBRUSH CreatePatternBrush(HBITMAP hbm) {
    return hbm ? new engine::GdiBrush(ObjectOf(hbm)->Image()) : nullptr;
}

HFONT CreateFontIndirect(const LOGFONT* lplf) {
    return lplf ? new engine::GdiFont(*lplf) : nullptr;
}

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    return new engine::GdiRegion(QRegion(engine::GdiRegion::Box(x1, y1, x2, y2)));
}

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    // Unlike a rectangle's, a rounded region leaves out the right column and the bottom row of
    // the rectangle it is given, as Windows makes it.
    const QRect box = engine::GdiRegion::Box(x1, y1, x2, y2).adjusted(0, 0, -1, -1);
    return new engine::GdiRegion(box, w, h);
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
    return hrgn && ObjectOf(hrgn)->Region().contains(QPoint(x, y));
}

int GetRgnBox(HRGN hrgn, LPRECT lprc) {
    if (!hrgn || !lprc) {
        return RGN_ERROR;
    }
    const QRegion& region = ObjectOf(hrgn)->Region();
    if (region.isEmpty()) {
        *lprc = RECT{};
        return NULLREGION;
    }
    const QRect box = region.boundingRect();
    *lprc = RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

DWORD GetObjectType(HGDIOBJ h) {
    if (!h) {
        return 0;
    }
    switch (ObjectOf(h)->Kind()) {
    case engine::GdiKind::Pen:
        return OBJ_PEN;
    case engine::GdiKind::Brush:
        return OBJ_BRUSH;
    case engine::GdiKind::Font:
        return OBJ_FONT;
    case engine::GdiKind::Bitmap:
        return OBJ_BITMAP;
    case engine::GdiKind::Region:
        return OBJ_REGION;
    }
    return 0;
}

BOOL DeleteObject(HGDIOBJ ho) {
    if (!ho) {
        return FALSE;
    }
    ObjectOf(ho)->RequestDelete();
    return TRUE;
}

BOOL DeleteObject(HRGN hRgn) {
    return DeleteObject(static_cast<HGDIOBJ>(hRgn));
}

HBITMAP LoadBitmap(HINSTANCE /*hInstance*/, LPCTSTR lpBitmapName) {
    if (!lpBitmapName || !IS_INTRESOURCE(lpBitmapName)) {
        return nullptr;
    }
    const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpBitmapName));
    const QImage image = engine::LoadImageResource(RT_BITMAP, id);
    return image.isNull() ? nullptr : new engine::GdiBitmap(image);
}
