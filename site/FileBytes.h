// A plan's or a record's whole content, read with a limit on its size, and a path as
// messages name it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace site {

struct FileBytes {
    bool ok = false;
    bool missing = false; // the file does not exist
    std::string bytes;
    // Why the file could not be read (Chinese); empty when it was.
    std::string message;

    // Reads at most limit bytes; a larger file is refused, since a plan or a record that large
    // is the wrong file.
    static FileBytes Read(const std::filesystem::path& path, std::size_t limit);
};

// The path as UTF-8 text, on every system (std::filesystem's string() is the ANSI code page on
// Windows).
std::string PathText(const std::filesystem::path& path);
// The path that UTF-8 text names, on every system.
std::filesystem::path PathFromText(std::string_view text);

} // namespace site
