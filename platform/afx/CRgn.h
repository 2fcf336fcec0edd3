// The framework's region wrapper.
#pragma once

#include "platform/afx/CGdiObject.h"

class CRgn : public CGdiObject {
public:
    CRgn() = default;

    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return Typed<HRGN>(); }

    // The pixels of [x1, x2) x [y1, y2) with elliptic corners x3 wide and y3 high.
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    // Whether the pixel (x, y) belongs to the region.
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion(Typed<HRGN>(), x, y); }
    // The bounding rectangle; returns the region kind (NULLREGION, SIMPLEREGION, ...).
    int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(Typed<HRGN>(), lpRect); }
};
