#include "platform/gdi/CPen.h"

#include "platform/gdi/GdiPen.h"

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* CPen::FromHandle(HPEN hPen) {
    return static_cast<CPen*>(CGdiObject::FromHandle(hPen));
}

CPen::operator HPEN() const {
    return static_cast<HPEN>(m_hObject);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (m_hObject) {
        return FALSE;
    }
    return Attach(new platform::GdiPen(nPenStyle, nWidth, crColor));
}
