// Caption text of the gradient button: the window text, cut to the length its drawing
// buffer holds.
#pragma once

#include "platform/win/WinDef.h"

namespace caption {

// Characters of a caption that are drawn; the rest of a longer caption is dropped.
constexpr int kMaxCharacters = 259;

// The first `maxCharacters` characters of UTF-8 text, never cutting a character in half.
CString FirstCharacters(const CString& text, int maxCharacters);

} // namespace caption
