// What an append writes, the same on every system.
#include "site/DurableFile.h"

namespace site {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

std::string AppendedBytes(std::uint64_t size, char lastByte, std::string_view line,
                          std::string_view start) {
    std::string bytes;
    if (size == 0) {
        bytes = start;
    } else if (lastByte != '\n') {
        bytes = kLineEnd;
    }
    bytes += line;
    return bytes;
}

} // namespace site
