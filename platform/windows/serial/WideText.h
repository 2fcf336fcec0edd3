// Text from the Windows API's wide functions (UTF-16) for the serial code, which keeps
// it in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace serial {

// Invalid sequences become U+FFFD rather than being dropped, so that a name stays readable.
std::string ToUtf8(std::wstring_view utf16);

} // namespace serial
