#include "platform/gdi/CPoint.h"

CPoint::CPoint(DWORD dwPoint)
    : POINT{static_cast<SHORT>(LOWORD(dwPoint)), static_cast<SHORT>(HIWORD(dwPoint))} {}

CPoint& CPoint::operator+=(const CPoint& other) {
    Offset(other.x, other.y);
    return *this;
}

CPoint& CPoint::operator-=(const CPoint& other) {
    Offset(-other.x, -other.y);
    return *this;
}
