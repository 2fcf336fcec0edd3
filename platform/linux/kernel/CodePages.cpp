// Text between the program's UTF-8 and the API's UTF-16, the only code page converted here.
#include <windows.h>

#include <QString>

#include <algorithm>
#include <cstring>

int MultiByteToWideChar(UINT CodePage, DWORD, const char* lpMultiByteStr, int cbMultiByte,
                        WCHAR* lpWideCharStr, int cchWideChar) {
    if (CodePage != CP_UTF8 || lpMultiByteStr == nullptr || cchWideChar < 0) {
        return 0;
    }
    const qsizetype bytes =
        cbMultiByte < 0 ? static_cast<qsizetype>(std::strlen(lpMultiByteStr)) + 1 : cbMultiByte;
    const std::u16string wide = QString::fromUtf8(lpMultiByteStr, bytes).toStdU16String();
    const int units = static_cast<int>(wide.size());
    if (cchWideChar == 0) {
        return units;
    }
    if (cchWideChar < units || lpWideCharStr == nullptr) {
        return 0;
    }
    std::copy(wide.begin(), wide.end(), lpWideCharStr);
    return units;
}

int WideCharToMultiByte(UINT CodePage, DWORD, const WCHAR* lpWideCharStr, int cchWideChar,
                        char* lpMultiByteStr, int cbMultiByte, const char*, BOOL*) {
    if (CodePage != CP_UTF8 || lpWideCharStr == nullptr || cbMultiByte < 0) {
        return 0;
    }
    const qsizetype units =
        cchWideChar < 0 ? static_cast<qsizetype>(std::char_traits<WCHAR>::length(lpWideCharStr)) + 1
                        : cchWideChar;
    const QByteArray utf8 = QString::fromUtf16(lpWideCharStr, units).toUtf8();
    const int bytes = static_cast<int>(utf8.size());
    if (cbMultiByte == 0) {
        return bytes;
    }
    if (cbMultiByte < bytes || lpMultiByteStr == nullptr) {
        return 0;
    }
    std::copy(utf8.begin(), utf8.end(), lpMultiByteStr);
    return bytes;
}
