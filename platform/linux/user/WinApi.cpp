#include <commctrl.h>
#include <windows.h>

#include "platform/linux/gdi/ImageResources.h"
#include "platform/linux/user/Window.h"

#include <QApplication>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace engine {

namespace {

SleepHandler& Sleeper() {
    static SleepHandler handler;
    return handler;
}

bool& TrackingFails() {
    static bool fail = false;
    return fail;
}

} // namespace

SleepHandler SetSleepHandler(SleepHandler handler) {
    SleepHandler previous = std::move(Sleeper());
    Sleeper() = std::move(handler);
    return previous;
}

void SetTrackMouseEventFailure(bool fail) {
    TrackingFails() = fail;
}

} // namespace engine

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (lpEventTrack == nullptr || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT) ||
        engine::TrackingFails() || !engine::Window::IsWindow(lpEventTrack->hwndTrack)) {
        return FALSE;
    }
    return engine::WindowOf(lpEventTrack->hwndTrack)
        ->TrackMouse(lpEventTrack->dwFlags, lpEventTrack->dwHoverTime);
}

void Sleep(DWORD dwMilliseconds) {
    if (engine::Sleeper()) {
        engine::Sleeper()(dwMilliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

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

// The toolkit's event loop stands for the message loop: the first GetMessage runs it until it
// ends, and then reports the quit.
BOOL GetMessage(MSG* lpMsg, HWND, UINT, UINT) {
    if (lpMsg != nullptr) {
        *lpMsg = MSG{};
    }
    QApplication::exec();
    return FALSE;
}

BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT DispatchMessage(const MSG* lpMsg) {
    return lpMsg != nullptr ? SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam)
                            : 0;
}

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

HICON LoadIcon(HINSTANCE, LPCTSTR lpIconName) {
    return IS_INTRESOURCE(lpIconName) ? engine::LoadIconResource(static_cast<UINT>(
                                            reinterpret_cast<std::uintptr_t>(lpIconName)))
                                      : nullptr;
}
