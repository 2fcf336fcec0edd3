// The framework's brush wrapper.
#pragma once

#include "platform/afx/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    explicit CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }

    operator HBRUSH() const { return Typed<HBRUSH>(); }

    BOOL CreateSolidBrush(COLORREF crColor);
    // Creates a brush that tiles the bitmap's image from the logical origin.
    BOOL CreatePatternBrush(CBitmap* pBitmap);
};
