// Text between the comm code, which keeps it in UTF-8, and the Windows API's wide functions,
// which take and give UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace platform::comm {

// Invalid sequences become U+FFFD rather than being dropped, so that a name stays readable.
std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

} // namespace platform::comm
