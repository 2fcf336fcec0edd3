#include "platform/gdi/CRgn.h"

#include "platform/gdi/GdiRegion.h"
#include "platform/gdi/WinGdi.h"

#include <algorithm>

namespace {
// The rectangle [x1, x2) x [y1, y2) with its corners put in order.
QRect NormalisedBox(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}
} // namespace

CRgn* CRgn::FromHandle(HRGN hRgn) {
    return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn));
}

CRgn::operator HRGN() const {
    return static_cast<HRGN>(m_hObject);
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    if (m_hObject) {
        return FALSE;
    }
    const QRect box = NormalisedBox(x1, y1, x2, y2);
    return Attach(new platform::GdiRegion(box, x3, y3));
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return m_hObject && static_cast<HRGN>(m_hObject)->Region().contains(QPoint(x, y));
}

int CRgn::GetRgnBox(LPRECT lpRect) const {
    if (!m_hObject || !lpRect) {
        return RGN_ERROR;
    }
    const QRegion& region = static_cast<HRGN>(m_hObject)->Region();
    const QRect box = region.boundingRect();
    *lpRect =
        region.isEmpty() ? RECT{} : RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    if (region.isEmpty()) {
        return NULLREGION;
    }
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
