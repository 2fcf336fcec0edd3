// Messages, window procedures, hooks, window classes and the creation and destruction of
// windows.
#include <windows.h>

#include "platform/linux/user/Window.h"
#include "platform/linux/user/WindowClasses.h"

#include <algorithm>
#include <list>

using engine::WindowOf;

namespace {

// The CBT hooks, newest first; a handle is the address of its entry.
std::list<HOOKPROC>& CbtHooks() {
    static std::list<HOOKPROC> hooks;
    return hooks;
}

// The entry of a hook's handle, or the end of the list.
std::list<HOOKPROC>::iterator Find(HHOOK hhk) {
    return std::ranges::find_if(
        CbtHooks(), [hhk](HOOKPROC& hook) { return reinterpret_cast<HHOOK>(&hook) == hhk; });
}

// The main thread's id; there is only the one thread with windows.
constexpr DWORD kThreadId = 1;

} // namespace

namespace engine {

HWND AnnounceWindow(std::unique_ptr<Window> window, LPCTSTR className, void* createParams) {
    if (!window) {
        return nullptr;
    }
    Window* parent = window->Parent();
    const QRect rect = window->WindowRect();
    HWND hWnd = parent != nullptr ? parent->AddChild(std::move(window))
                                  : Window::AdoptTopLevel(std::move(window));
    const std::string text = WindowOf(hWnd)->Text();
    CREATESTRUCT cs;
    cs.lpCreateParams = createParams;
    cs.hwndParent = parent;
    cs.x = rect.x();
    cs.y = rect.y();
    cs.cx = rect.width();
    cs.cy = rect.height();
    cs.style = static_cast<LONG>(WindowOf(hWnd)->Style());
    cs.dwExStyle = WindowOf(hWnd)->ExStyle();
    cs.lpszName = text.c_str();
    cs.lpszClass = className;
    CBT_CREATEWND cbt{&cs, nullptr};
    if (CallNextHookEx(nullptr, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hWnd),
                       reinterpret_cast<LPARAM>(&cbt)) != 0 ||
        (Window::IsWindow(hWnd) &&
         WindowOf(hWnd)->Send(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1)) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    return Window::IsWindow(hWnd) ? hWnd : nullptr;
}

} // namespace engine

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return IsWindow(hWnd) ? WindowOf(hWnd)->Send(Msg, wParam, lParam) : 0;
}

LRESULT SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(hDlg, nIDDlgItem), Msg, wParam, lParam);
}

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return IsWindow(hWnd) ? WindowOf(hWnd)->Window::ClassProc(Msg, wParam, lParam) : 0;
}

LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc != nullptr && IsWindow(hWnd) ? lpPrevWndFunc(hWnd, Msg, wParam, lParam)
                                                      : 0;
}

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex) {
    if (!IsWindow(hWnd)) {
        return 0;
    }
    switch (nIndex) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(WindowOf(hWnd)->Proc());
    case GWL_STYLE:
        return static_cast<LONG_PTR>(WindowOf(hWnd)->Style());
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    const LONG_PTR previous = GetWindowLongPtr(hWnd, nIndex);
    if (!IsWindow(hWnd)) {
        return 0;
    }
    switch (nIndex) {
    case GWLP_WNDPROC:
        WindowOf(hWnd)->SetProc(reinterpret_cast<WNDPROC>(dwNewLong));
        return previous;
    case GWL_STYLE:
        WindowOf(hWnd)->SetStyle(static_cast<DWORD>(dwNewLong));
        return previous;
    default:
        return 0;
    }
}

HHOOK SetWindowsHookEx(int idHook, HOOKPROC lpfn, HINSTANCE, DWORD) {
    if (idHook != WH_CBT || lpfn == nullptr) {
        return nullptr;
    }
    CbtHooks().push_front(lpfn);
    return reinterpret_cast<HHOOK>(&CbtHooks().front());
}

BOOL UnhookWindowsHookEx(HHOOK hhk) {
    const auto it = Find(hhk);
    if (it == CbtHooks().end()) {
        return FALSE;
    }
    CbtHooks().erase(it);
    return TRUE;
}

// Calls the hook after hhk in the chain (the first one for a null hhk); 0 past the last.
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
    auto it = hhk != nullptr ? Find(hhk) : CbtHooks().begin();
    if (hhk != nullptr && it != CbtHooks().end()) {
        ++it;
    }
    return it != CbtHooks().end() ? (*it)(nCode, wParam, lParam) : 0;
}

DWORD GetCurrentThreadId() {
    return kThreadId;
}

ATOM RegisterClass(const WNDCLASS* lpWndClass) {
    return lpWndClass != nullptr ? engine::RegisterWindowClass(*lpWndClass) : 0;
}

HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                    int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE,
                    void* lpParam) {
    if (lpClassName == nullptr || (hWndParent != nullptr && !IsWindow(hWndParent))) {
        return nullptr;
    }
    engine::WindowParams params;
    params.parent = (dwStyle & WS_CHILD) ? WindowOf(hWndParent) : nullptr;
    params.id =
        (dwStyle & WS_CHILD) ? static_cast<UINT>(reinterpret_cast<std::uintptr_t>(hMenu)) : 0;
    params.style = dwStyle;
    params.exStyle = dwExStyle;
    params.rect = QRect(X, Y, nWidth, nHeight);
    params.text = lpWindowName != nullptr ? lpWindowName : "";
    return engine::AnnounceWindow(engine::CreateClassWindow(lpClassName, params), lpClassName,
                                  lpParam);
}

BOOL DestroyWindow(HWND hWnd) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    WindowOf(hWnd)->Destroy();
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    return engine::Window::IsWindow(hWnd) ? TRUE : FALSE;
}
