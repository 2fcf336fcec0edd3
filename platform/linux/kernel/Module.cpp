// The module: the program itself is the only one.
#include <windows.h>

#include <QCoreApplication>

#include <algorithm>
#include <string>

// The one module is the program itself.
HINSTANCE GetModuleHandle(LPCTSTR) {
    static char module;
    return reinterpret_cast<HINSTANCE>(&module);
}

DWORD GetModuleFileName(HINSTANCE, TCHAR* lpFilename, DWORD nSize) {
    if (lpFilename == nullptr || nSize == 0) {
        return 0;
    }
    const std::string path = QCoreApplication::applicationFilePath().toStdString();
    const std::size_t count = std::min<std::size_t>(path.size(), nSize - 1);
    path.copy(lpFilename, count);
    lpFilename[count] = '\0';
    return static_cast<DWORD>(count);
}
