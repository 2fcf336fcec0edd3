#include "controls/ButtonCaption.h"

namespace caption {

namespace {

// Continuation bytes of a UTF-8 sequence look like 10xxxxxx; the second half of a UTF-16
// surrogate pair lies in DC00-DFFF.
constexpr unsigned kContinuationMask = 0xC0;
constexpr unsigned kContinuationBits = 0x80;
constexpr unsigned kLowSurrogateFirst = 0xDC00;
constexpr unsigned kLowSurrogateLast = 0xDFFF;
// How far a pressed button's caption moves right and down.
constexpr int kPressedShift = 1;

// Whether a code unit continues a character that began before it.
bool IsContinuation(TCHAR unit) {
    if constexpr (sizeof(TCHAR) == 1) {
        return (static_cast<unsigned char>(unit) & kContinuationMask) == kContinuationBits;
    } else {
        const auto value = static_cast<unsigned>(unit);
        return value >= kLowSurrogateFirst && value <= kLowSurrogateLast;
    }
}

} // namespace

CString FirstCharacters(const CString& text, int maxCharacters) {
    int characters = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (IsContinuation(text.GetAt(i))) {
            continue;
        }
        if (characters == maxCharacters) {
            return text.Left(i);
        }
        ++characters;
    }
    return text;
}

CPoint CenteredOrigin(const CRect& rect, CSize extent, BOOL bPressed) {
    const int shift = bPressed ? kPressedShift : 0;
    const int x = (rect.left + rect.right) / 2 - static_cast<int>(extent.cx) / 2;
    const int y = (rect.top + rect.bottom) / 2 - static_cast<int>(extent.cy) / 2;
    return CPoint(x + shift, y + shift);
}

} // namespace caption
