// The colours of the gradient button's fill: 64 steps from white to the pale grey-blue of
// the current look, one table per combination of hover and emphasis.
#pragma once

#include <windows.h>

namespace gradient {

// Number of brushes a fill uses; brush 0 is white, brush kSteps - 1 the darkest.
constexpr int kSteps = 64;
constexpr int kLastStep = kSteps - 1;

// The colour of brush `index` (0 to kLastStep) for the given look.
COLORREF StepColor(BOOL bHover, BOOL bEmphasized, int index);

// The brush that paints row k of a fill spanning `height` rows below its top row: rows run
// from brush 0 to brush kLastStep; a fill of height 0 has only its top row, brush 0.
int StepForRow(int row, int height);

} // namespace gradient
