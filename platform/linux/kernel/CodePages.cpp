// Text between the program's UTF-8 and the API's UTF-16, the only code page converted here.
#include <windows.h>

#include <QString>

#include <algorithm>
#include <cstring>

namespace {

// Hands a conversion's result to the caller as both functions do: its length when the
// buffer's capacity is 0, else the units copied, or 0 when they do not fit.
template <class Text, class Unit> int Deliver(const Text& result, Unit* buffer, int capacity) {
    const int units = static_cast<int>(result.size());
    if (capacity == 0) {
        return units;
    }
    if (capacity < units || buffer == nullptr) {
        return 0;
    }
    std::copy(result.begin(), result.end(), buffer);
    return units;
}

} // namespace

int MultiByteToWideChar(UINT CodePage, DWORD, const char* lpMultiByteStr, int cbMultiByte,
                        WCHAR* lpWideCharStr, int cchWideChar) {
    if (CodePage != CP_UTF8 || lpMultiByteStr == nullptr || cchWideChar < 0) {
        return 0;
    }
    const qsizetype bytes =
        cbMultiByte < 0 ? static_cast<qsizetype>(std::strlen(lpMultiByteStr)) + 1 : cbMultiByte;
    return Deliver(QString::fromUtf8(lpMultiByteStr, bytes).toStdU16String(), lpWideCharStr,
                   cchWideChar);
}

int WideCharToMultiByte(UINT CodePage, DWORD, const WCHAR* lpWideCharStr, int cchWideChar,
                        char* lpMultiByteStr, int cbMultiByte, const char*, BOOL*) {
    if (CodePage != CP_UTF8 || lpWideCharStr == nullptr || cbMultiByte < 0) {
        return 0;
    }
    const qsizetype units =
        cchWideChar < 0 ? static_cast<qsizetype>(std::char_traits<WCHAR>::length(lpWideCharStr)) + 1
                        : cchWideChar;
    return Deliver(QString::fromUtf16(lpWideCharStr, units).toUtf8(), lpMultiByteStr, cbMultiByte);
}
