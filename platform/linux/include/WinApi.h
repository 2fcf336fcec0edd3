// The Win32 USER functions: windows, messages, window procedures and hooks, dialogs, painting,
// the message loop, resources, message boxes and mouse tracking. Tests may replace the
// message box and make tracking requests fail.
#pragma once

#include "WinUser.h"

#include <functional>
#include <string>

// Messages and window procedures.
LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
HHOOK SetWindowsHookEx(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId);
BOOL UnhookWindowsHookEx(HHOOK hhk);
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);
DWORD GetCurrentThreadId();

// Window classes and windows.
ATOM RegisterClass(const WNDCLASS* lpWndClass);
HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                    int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                    HINSTANCE hInstance, void* lpParam);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
int GetWindowTextLength(HWND hWnd);
int GetWindowText(HWND hWnd, TCHAR* lpString, int nMaxCount);
BOOL SetWindowText(HWND hWnd, LPCTSTR lpString);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsIconic(HWND hWnd);
HWND SetFocus(HWND hWnd);
HWND GetFocus();
int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw);
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
// Greys (MF_GRAYED) or enables an item by its id; the previous state, or -1 without that item.
BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);

// Painting.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL UpdateWindow(HWND hWnd);
BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);

// Dialogs: made from an extended template in memory, run modally until EndDialog.
INT_PTR DialogBoxIndirectParam(HINSTANCE hInstance, LPCDLGTEMPLATE hDialogTemplate, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);

// The program's entry point, which the framework defines and the platform calls.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// The message loop: GetMessage returns FALSE once the loop has ended.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
BOOL GetMessage(MSG* lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
BOOL TranslateMessage(const MSG* lpMsg);
LRESULT DispatchMessage(const MSG* lpMsg);

// The module's resources.
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
int LoadString(HINSTANCE hInstance, UINT uID, TCHAR* lpBuffer, int cchBufferMax);

// Shows a message box and returns the button chosen (IDOK, IDCANCEL, IDYES, IDNO).
int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);

namespace engine {
using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, UINT type)>;
// Replaces the message box (an empty handler restores it); returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
// While set, every tracking request fails.
void SetTrackMouseEventFailure(bool fail);
} // namespace engine
