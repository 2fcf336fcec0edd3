// Standard output and standard error for UTF-8 text, and the arguments as UTF-8, on either
// system. Messages are Chinese, so on Windows a console gets them as UTF-16, which it shows
// whatever its code page; a file or a pipe gets the UTF-8 bytes.
#pragma once

#include <string_view>

namespace cli {

class Console {
public:
    // Writes text to standard output / standard error as it is.
    static void Out(std::string_view text);
    static void Err(std::string_view text);
};

} // namespace cli
