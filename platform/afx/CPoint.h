// The framework's point: a POINT with constructors.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int initX, int initY) : POINT{initX, initY} {}

    bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
};
