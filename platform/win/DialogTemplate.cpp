#include "platform/win/DialogTemplate.h"

namespace platform {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kPixelsPerInch = 96;
constexpr int kHorizontalUnitsPerBase = 4;
constexpr int kVerticalUnitsPerBase = 8;

// (a * b) / c rounded half away from zero, as MulDiv does.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

DialogBaseUnits BaseUnitsForFont(const std::string&, WORD pointSize) {
    // The dialog faces are CJK faces whose Latin glyphs are half the em: the average
    // character width is half the pixel height (9 pt: 6 x 12).
    const int height = pointSize * kPixelsPerInch / kPointsPerInch;
    return {height / 2, height};
}

RECT MapDialogRect(const RECT& dialogUnits, DialogBaseUnits units) {
    return RECT{MulDiv(dialogUnits.left, units.x, kHorizontalUnitsPerBase),
                MulDiv(dialogUnits.top, units.y, kVerticalUnitsPerBase),
                MulDiv(dialogUnits.right, units.x, kHorizontalUnitsPerBase),
                MulDiv(dialogUnits.bottom, units.y, kVerticalUnitsPerBase)};
}

} // namespace platform
