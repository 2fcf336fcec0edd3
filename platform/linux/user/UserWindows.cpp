// The window functions: family, geometry, text, state, focus, menus and painting.
#include <windows.h>

#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/user/Menu.h"
#include "platform/linux/user/Window.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

using engine::DcOf;
using engine::WindowOf;

namespace {

QWidget* WidgetOf(HWND hWnd) {
    return IsWindow(hWnd) ? WindowOf(hWnd)->Widget() : nullptr;
}

} // namespace

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    return IsWindow(hDlg) ? WindowOf(hDlg)->FindChild(static_cast<UINT>(nIDDlgItem)) : nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    return IsWindow(hWnd) ? static_cast<int>(WindowOf(hWnd)->Id()) : 0;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    if (!IsWindow(hWnd) || lpRect == nullptr) {
        return FALSE;
    }
    const QRect rc = WindowOf(hWnd)->ClientRect();
    *lpRect = RECT{0, 0, rc.width(), rc.height()};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    if (!IsWindow(hWnd) || lpRect == nullptr) {
        return FALSE;
    }
    const QRect rc = WindowOf(hWnd)->ScreenRect();
    *lpRect = RECT{rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height()};
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr) {
        return FALSE;
    }
    widget->setGeometry(X, Y, nWidth, nHeight);
    if (bRepaint) {
        WindowOf(hWnd)->Invalidate(true);
    }
    return TRUE;
}

int GetWindowTextLength(HWND hWnd) {
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowText(HWND hWnd, TCHAR* lpString, int nMaxCount) {
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT,
                                        static_cast<WPARAM>(std::max(nMaxCount, 0)),
                                        reinterpret_cast<LPARAM>(lpString)));
}

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString) {
    return static_cast<BOOL>(SendMessage(
        hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString != nullptr ? lpString : "")));
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = widget->isVisible();
    const bool show = nCmdShow != SW_HIDE;
    const DWORD style = WindowOf(hWnd)->Style();
    WindowOf(hWnd)->SetStyle(show ? style | WS_VISIBLE : style & ~WS_VISIBLE);
    widget->setVisible(show);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    QWidget* widget = WidgetOf(hWnd);
    return widget != nullptr && widget->isVisible();
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    const DWORD style = WindowOf(hWnd)->Style();
    WindowOf(hWnd)->SetStyle(bEnable ? style & ~WS_DISABLED : style | WS_DISABLED);
    WindowOf(hWnd)->Invalidate(true);
    return (style & WS_DISABLED) != 0;
}

BOOL IsIconic(HWND hWnd) {
    QWidget* widget = WidgetOf(hWnd);
    return widget != nullptr && widget->isMinimized();
}

HWND SetFocus(HWND hWnd) {
    HWND previous = GetFocus();
    if (QWidget* widget = WidgetOf(hWnd)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

HWND GetFocus() {
    return engine::Window::FromWidget(QApplication::focusWidget());
}

int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw) {
    if (!IsWindow(hWnd)) {
        return 0;
    }
    WindowOf(hWnd)->SetRegion(hRgn, bRedraw != FALSE);
    return 1;
}

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert) {
    if (!IsWindow(hWnd) || !(WindowOf(hWnd)->Style() & WS_SYSMENU)) {
        return nullptr;
    }
    return WindowOf(hWnd)->SystemMenu(bRevert != FALSE);
}

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem) {
    if (hMenu == nullptr) {
        return FALSE;
    }
    engine::MenuOf(hMenu)->Append(
        {uFlags, static_cast<UINT>(uIDNewItem), lpNewItem != nullptr ? lpNewItem : ""});
    return TRUE;
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    return hMenu != nullptr ? engine::MenuOf(hMenu)->Enable(uIDEnableItem, uEnable) : -1;
}

// Invalidates the whole window; an update region finer than that buys nothing here, where
// every paint draws the window whole.
BOOL InvalidateRect(HWND hWnd, const RECT*, BOOL bErase) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    WindowOf(hWnd)->Invalidate(bErase != FALSE);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    QWidget* widget = WidgetOf(hWnd);
    if (widget == nullptr) {
        return FALSE;
    }
    widget->repaint();
    return TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT*, HRGN, UINT flags) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    if (flags & RDW_FRAME) {
        WindowOf(hWnd)->InvalidateFrame();
    }
    if (flags & RDW_INVALIDATE) {
        WindowOf(hWnd)->Invalidate((flags & RDW_ERASE) != 0);
    }
    if (flags & RDW_UPDATENOW) {
        UpdateWindow(hWnd);
    }
    return TRUE;
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint) {
    if (!IsWindow(hWnd) || lpPaint == nullptr) {
        return nullptr;
    }
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = WindowOf(hWnd)->BeginPaint();
    GetClientRect(hWnd, &lpPaint->rcPaint);
    return lpPaint->hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint == nullptr || lpPaint->hdc == nullptr) {
        return FALSE;
    }
    if (IsWindow(hWnd)) {
        WindowOf(hWnd)->EndPaint(lpPaint->hdc);
    } else {
        delete DcOf(lpPaint->hdc); // the window went while its paint was under way
    }
    return TRUE;
}

HDC GetDC(HWND hWnd) {
    return IsWindow(hWnd) ? WindowOf(hWnd)->GetDC(false) : nullptr;
}

HDC GetWindowDC(HWND hWnd) {
    return IsWindow(hWnd) ? WindowOf(hWnd)->GetDC(true) : nullptr;
}

int ReleaseDC(HWND hWnd, HDC hDC) {
    if (hDC == nullptr) {
        return 0;
    }
    if (IsWindow(hWnd)) {
        WindowOf(hWnd)->ReleaseDC(hDC);
    } else {
        delete DcOf(hDC);
    }
    return 1;
}
