// The framework's point: a POINT with constructors and arithmetic.
#pragma once

#include "platform/base/WinDef.h"

class CSize;

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    CPoint(POINT initPt) : POINT(initPt) {} // NOLINT: implicit, as the framework has it
    // A point from a packed LPARAM-style value (x in the low word, y in the high word).
    explicit CPoint(DWORD dwPoint);

    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    void SetPoint(int X, int Y) {
        x = X;
        y = Y;
    }
    bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
    CPoint operator+(const CPoint& other) const { return {x + other.x, y + other.y}; }
    CPoint operator-(const CPoint& other) const { return {x - other.x, y - other.y}; }
    CPoint& operator+=(const CPoint& other);
    CPoint& operator-=(const CPoint& other);
};
