#include "platform/afx/CWnd.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/CException.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CHandleMap.h"
#include "platform/afx/CMenu.h"
#include "platform/afx/CPoint.h"
#include "platform/afx/CRgn.h"
#include "platform/afx/MessageMapEntries.h"

#include <exception>
#include <memory>
#include <vector>

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace {

CHandleMap<HWND, CWnd>& Map() {
    static CHandleMap<HWND, CWnd> map(
        [](HWND hWnd) {
            auto wrapper = std::make_unique<CWnd>();
            wrapper->m_hWnd = hWnd;
            return wrapper;
        },
        [](CWnd& wrapper) { wrapper.m_hWnd = nullptr; });
    return map;
}

// The message being handled on this thread, for Default.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
thread_local CurrentMessage t_current;

// The window creation hook and the object waiting for its window.
thread_local HHOOK t_hook = nullptr;
thread_local CWnd* t_pWndInit = nullptr;

LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(t_hook, nCode, wParam, lParam);
    if (nCode == HCBT_CREATEWND && t_pWndInit != nullptr) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return result;
}

} // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
    if (t_hook == nullptr) {
        t_hook = SetWindowsHookEx(WH_CBT, &CbtFilterHook, nullptr, GetCurrentThreadId());
    }
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    if (t_hook != nullptr) {
        UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
    }
    const BOOL created = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    return created;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr ? AfxCallWndProc(pWnd, hWnd, message, wParam, lParam)
                           : DefWindowProc(hWnd, message, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage saved = t_current;
    t_current = {message, wParam, lParam};
    AfxLockTempMaps();
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (const CException& e) {
        e.ReportError();
    } catch (const std::exception& e) {
        AfxMessageBox(CString(std::string(e.what())), MB_ICONERROR);
    }
    t_current = saved;
    AfxUnlockTempMaps();
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        // The window is gone: give it back its own procedure and let the object go.
        if (pWnd->m_pfnSuper != nullptr) {
            SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
            pWnd->m_pfnSuper = nullptr;
        }
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return result;
}

CWnd::~CWnd() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        DestroyWindow();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!::IsWindow(hWnd)) {
        return nullptr;
    }
    return Map().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return ::IsWindow(hWnd) ? Map().LookupPermanent(hWnd) : nullptr;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    Map().SetPermanent(hWnd, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    Map().RemoveHandle(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) {
        return FALSE;
    }
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*) {
    AfxHookWindowCreate(this);
    HWND hWnd =
        CreateWindowEx(0, lpszClassName != nullptr ? lpszClassName : TEXT(""), lpszWindowName,
                       dwStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
    AfxUnhookWindowCreate();
    return hWnd != nullptr && m_hWnd == hWnd;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, wParam);
    if (entry == nullptr) {
        return FALSE;
    }
    const LRESULT result = entry->pfn(this, message, wParam, lParam);
    // A handled command answers 1, whatever its handler returns.
    *pResult = message == WM_COMMAND ? 1 : result;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_pfnSuper != nullptr ? CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam)
                                 : ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(t_current.message, t_current.wParam, t_current.lParam);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    if (!::GetClientRect(m_hWnd, lpRect)) {
        *lpRect = RECT{};
    }
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (!::GetWindowRect(m_hWnd, lpRect)) {
        *lpRect = RECT{};
    }
}

void CWnd::GetWindowText(CString& rString) const {
    const int length = ::GetWindowTextLength(m_hWnd);
    std::vector<TCHAR> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowText(m_hWnd, buffer.data(), length + 1);
    rString = CString(buffer.data(), copied);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const DWORD style = (GetStyle() & ~dwRemove) | dwAdd;
    if (style == GetStyle()) {
        return FALSE;
    }
    SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
    return TRUE;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr),
                bRedraw);
}

CFont* CWnd::GetFont() const {
    auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return font != nullptr ? CFont::FromHandle(font) : nullptr;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
    return ::RedrawWindow(m_hWnd, lpRectUpdate,
                          prgnUpdate != nullptr ? static_cast<HRGN>(*prgnUpdate) : nullptr, flags);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CWnd* pChild =
        lpDrawItemStruct != nullptr ? FromHandlePermanent(lpDrawItemStruct->hwndItem) : nullptr;
    LRESULT result = 0;
    if (pChild != nullptr &&
        pChild->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(lpDrawItemStruct),
                              &result)) {
        return;
    }
    Default();
}
