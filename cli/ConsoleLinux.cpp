// Output on Linux: the bytes as they are.
#include "cli/Console.h"

#include <cstdio>

namespace cli {

namespace {

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

} // namespace

void Console::Out(std::string_view text) {
    Write(stdout, text);
}

void Console::Err(std::string_view text) {
    Write(stderr, text);
}

} // namespace cli
