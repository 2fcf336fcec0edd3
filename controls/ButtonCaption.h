// The caption of the gradient button: how much of the window text is drawn and where.
#pragma once

#include "platform/afx/CRect.h"
#include "platform/afx/CString.h"

namespace caption {

// Characters of a caption that are drawn; the rest of a longer caption is dropped.
constexpr int kMaxCharacters = 259;

// The first `maxCharacters` characters of the text, never cutting a character in half.
CString FirstCharacters(const CString& text, int maxCharacters);

// Where a caption of `extent` starts when centred on `rect`: each halving truncates toward
// zero; a pressed button shows it one pixel further right and down.
CPoint CenteredOrigin(const CRect& rect, CSize extent, BOOL bPressed);

} // namespace caption
