// The framework's size: a SIZE with constructors.
#pragma once

#include <windows.h>

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}

    bool operator==(const SIZE& other) const { return cx == other.cx && cy == other.cy; }
};
