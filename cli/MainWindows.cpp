// tavrin-cli's entry point on Windows: the arguments come as UTF-16 (wmain), so that a file
// name in Chinese survives whatever the console's code page, and go on as UTF-8.
#include "cli/CliRun.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back(); // the terminator the conversion wrote
    return utf8;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(Utf8(argv[i]));
    }
    return cli::Main(args);
}
