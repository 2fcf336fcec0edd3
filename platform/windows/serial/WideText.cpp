// UTF-16 into UTF-8, through the system's own conversion.
#include "platform/windows/serial/WideText.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace serial {

std::string ToUtf8(std::wstring_view utf16) {
    // The conversion counts in int; longer text than that is no name or message of a port.
    if (utf16.size() > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long to convert");
    }
    const int length = static_cast<int>(utf16.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), bytes, nullptr, nullptr);
    }
    return utf8;
}

} // namespace serial
