// Output on Windows: UTF-16 to a console, UTF-8 bytes to anything else.
#include "cli/Console.h"

#include <windows.h>

#include <string>

namespace cli {

namespace {

void Write(DWORD which, std::string_view text) {
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) {
        return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (!GetConsoleMode(handle, &mode)) {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

} // namespace

void Console::Out(std::string_view text) {
    Write(STD_OUTPUT_HANDLE, text);
}

void Console::Err(std::string_view text) {
    Write(STD_ERROR_HANDLE, text);
}

} // namespace cli
