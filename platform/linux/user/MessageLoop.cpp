// The message loop, which the toolkit's event loop stands for.
#include <windows.h>

#include <QApplication>

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
