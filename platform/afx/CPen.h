// The framework's pen wrapper.
#pragma once

#include "platform/afx/CGdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return Typed<HPEN>(); }

    // Creates a pen of the style (PS_*), width in pixels and colour.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};
