#include "platform/afx/ControlHost.h"

#include "platform/afx/ControlRegistry.h"

#include <map>
#include <memory>

namespace afx {

namespace {

constexpr LPCTSTR kSiteClass = TEXT("OleControlSite");

std::map<HWND, std::unique_ptr<DispatchControl>>& Sites() {
    static std::map<HWND, std::unique_ptr<DispatchControl>> sites;
    return sites;
}

// The control goes before its window, so that a port it holds is closed while the window
// still exists.
LRESULT CALLBACK SiteProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        Sites().erase(hWnd);
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

bool RegisterSiteClass() {
    static const bool registered = [] {
        WNDCLASS windowClass{};
        windowClass.lpfnWndProc = &SiteProc;
        windowClass.hInstance = GetModuleHandle(nullptr);
        windowClass.lpszClassName = kSiteClass;
        return RegisterClass(&windowClass) != 0;
    }();
    return registered;
}

} // namespace

HWND CreateHostedControl(const std::string& clsidText, LPCTSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, HWND hParent, UINT nID) {
    const std::optional<GUID> clsid = ParseGuid(clsidText);
    return clsid ? CreateHostedControl(*clsid, lpszWindowName, dwStyle, rect, hParent, nID)
                 : nullptr;
}

HWND CreateHostedControl(const CLSID& clsid, LPCTSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, HWND hParent, UINT nID) {
    std::unique_ptr<DispatchControl> control = CreateControlInstance(clsid);
    if (!control || !RegisterSiteClass()) {
        return nullptr;
    }
    // The control has no face: its site stays hidden whatever the style asks for.
    HWND hWnd = CreateWindowEx(0, kSiteClass, lpszWindowName, (dwStyle & ~WS_VISIBLE) | WS_CHILD,
                               rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                               hParent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                               GetModuleHandle(nullptr), nullptr);
    if (hWnd != nullptr) {
        Sites()[hWnd] = std::move(control);
    }
    return hWnd;
}

DispatchControl* HostedControlOf(HWND hWnd) {
    auto it = Sites().find(hWnd);
    return it != Sites().end() && IsWindow(hWnd) ? it->second.get() : nullptr;
}

} // namespace afx
