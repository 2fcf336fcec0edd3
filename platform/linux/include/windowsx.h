// The message crackers and object helpers that windowsx.h adds to the API.
#pragma once

#include "WinDef.h"
#include "WinGdi.h"

constexpr int GET_X_LPARAM(LPARAM l) {
    return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(l)));
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(l)));
}

// The stock brush of a *_BRUSH index; nullptr for other indices.
HBRUSH GetStockBrush(int fnObject);
