// The Win32 kernel functions the framework uses: the module, text conversion and pausing.
// Tests may replace the pause.
#pragma once

#include "WinDef.h"

#include <functional>

// The module: its handle and file name.
HINSTANCE GetModuleHandle(LPCTSTR lpModuleName);
DWORD GetModuleFileName(HINSTANCE hModule, TCHAR* lpFilename, DWORD nSize);

// Text conversion: UTF-8 (CP_UTF8) to UTF-16; with cbMultiByte -1 the terminating zero is
// converted too. Returns the UTF-16 units written, or needed when cchWideChar is 0.
constexpr UINT CP_UTF8 = 65001;
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, const char* lpMultiByteStr, int cbMultiByte,
                        WCHAR* lpWideCharStr, int cchWideChar);
// The reverse, UTF-16 to UTF-8, with the same rules; the default-character arguments are
// unused for UTF-8.
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const WCHAR* lpWideCharStr, int cchWideChar,
                        char* lpMultiByteStr, int cbMultiByte, const char* lpDefaultChar,
                        BOOL* lpUsedDefaultChar);

// Suspends the calling thread; no messages are processed meanwhile.
void Sleep(DWORD dwMilliseconds);

namespace engine {
using SleepHandler = std::function<void(DWORD milliseconds)>;
// Replaces the pause (an empty handler restores it); returns the previous handler.
SleepHandler SetSleepHandler(SleepHandler handler);
} // namespace engine
