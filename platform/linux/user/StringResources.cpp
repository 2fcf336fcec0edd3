// String resources and LoadString.
#include "platform/linux/user/StringResources.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

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

} // namespace engine

// Copies as much of the string as fits with its terminating zero; returns the characters
// copied, 0 when there is no such string.
int LoadString(HINSTANCE, UINT uID, TCHAR* lpBuffer, int cchBufferMax) {
    const auto it = Strings().find(uID);
    if (it == Strings().end() || lpBuffer == nullptr || cchBufferMax <= 0) {
        return 0;
    }
    const int length = std::min(static_cast<int>(it->second.size()), cchBufferMax - 1);
    std::memcpy(lpBuffer, it->second.data(), static_cast<std::size_t>(length));
    lpBuffer[length] = '\0';
    return length;
}
