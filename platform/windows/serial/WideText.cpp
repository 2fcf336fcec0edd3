// UTF-16 and UTF-8 into each other, through the system's own conversions.
#include "platform/windows/serial/WideText.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace serial {

namespace {

// The conversions count in int; longer text than that is no name or message of a port.
int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long to convert");
    }
    return static_cast<int>(size);
}

} // namespace

std::string ToUtf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int length = Length(utf16.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), bytes, nullptr, nullptr);
    }
    return utf8;
}

std::wstring ToUtf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = Length(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, utf16.data(), units);
    }
    return utf16;
}

} // namespace serial
