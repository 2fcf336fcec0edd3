#include "controls/ButtonCaption.h"

namespace caption {

namespace {

// Continuation bytes of a UTF-8 sequence look like 10xxxxxx.
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
// How far a pressed button's caption moves right and down.
constexpr int kPressedShift = 1;

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & kContinuationMask) == kContinuationBits;
}

} // namespace

CString FirstCharacters(const CString& text, int maxCharacters) {
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsContinuation(text[i])) {
            continue;
        }
        if (characters == maxCharacters) {
            return text.substr(0, i);
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
