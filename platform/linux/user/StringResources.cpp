// String resources and LoadString, and the copying of text into a caller's buffer, which
// WM_GETTEXT does as well.
#include "platform/linux/user/StringResources.h"

#include <algorithm>
#include <map>

namespace {

std::map<UINT, std::string>& Strings() {
    static std::map<UINT, std::string> strings;
    return strings;
}

} // namespace

namespace engine {

void RegisterStringResource(UINT id, const char* text) {
    Strings()[id] = text != nullptr ? text : "";
}

int CopyText(const std::string& text, TCHAR* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    while (count > 0 && count < text.size() &&
           (static_cast<unsigned char>(text[count]) & kContinuationMask) == kContinuationBits) {
        --count;
    }
    text.copy(buffer, count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

} // namespace engine

// Returns the characters copied, 0 when there is no such string.
int LoadString(HINSTANCE, UINT uID, TCHAR* lpBuffer, int cchBufferMax) {
    const auto it = Strings().find(uID);
    return it != Strings().end() ? engine::CopyText(it->second, lpBuffer, cchBufferMax) : 0;
}
