// Text the Windows API's wide functions give (UTF-16) as the comm code keeps it, UTF-8. (The
// other way, CString takes the program's UTF-8 text.)
#pragma once

#include <string>
#include <string_view>

namespace platform::comm {

// Invalid sequences become U+FFFD rather than being dropped, so that a name stays readable.
std::string ToUtf8(std::wstring_view utf16);

} // namespace platform::comm
