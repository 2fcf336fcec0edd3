#include "platform/gdi/CBitmap.h"

#include "platform/gdi/GdiBitmap.h"
#include "platform/gdi/ImageResources.h"
#include "platform/gdi/WinGdi.h"

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
}

CBitmap::operator HBITMAP() const {
    return static_cast<HBITMAP>(m_hObject);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    if (m_hObject) {
        return FALSE;
    }
    const QImage image = platform::LoadImageResource(RT_BITMAP, nIDResource);
    if (image.isNull()) {
        return FALSE;
    }
    return Attach(new platform::GdiBitmap(image));
}
