// Text between the Windows API's wide functions (UTF-16) and the serial code, which keeps
// it in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace serial {

// Invalid sequences become U+FFFD rather than being dropped, so that a name stays readable.
std::string ToUtf8(std::wstring_view utf16);
// The other way, for a device name the system is to open.
std::wstring ToUtf16(std::string_view utf8);

} // namespace serial
