#include "controls/GradientPalette.h"

namespace gradient {

namespace {

constexpr int kWhite = 255;

// How fast each channel falls per brush index: the channel is 255 - index / divisor.
struct Falloff {
    int redGreen;
    int blue;
};

constexpr Falloff kPlain{3, 5};             // neither hovered nor emphasised
constexpr Falloff kEmphasized{3, 4};        // focused, pressed or default
constexpr Falloff kHovered{4, 5};           // hovered
constexpr Falloff kHoveredEmphasized{4, 3}; // hovered and emphasised

Falloff FalloffFor(BOOL bHover, BOOL bEmphasized) {
    if (bHover) {
        return bEmphasized ? kHoveredEmphasized : kHovered;
    }
    return bEmphasized ? kEmphasized : kPlain;
}

} // namespace

COLORREF StepColor(BOOL bHover, BOOL bEmphasized, int index) {
    const Falloff falloff = FalloffFor(bHover, bEmphasized);
    const auto redGreen = static_cast<BYTE>(kWhite - index / falloff.redGreen);
    const auto blue = static_cast<BYTE>(kWhite - index / falloff.blue);
    return RGB(redGreen, redGreen, blue);
}

int StepForRow(int row, int height) {
    if (height <= 0) {
        return 0; // the single row of an empty fill; no division by zero
    }
    return row * kLastStep / height;
}

} // namespace gradient
