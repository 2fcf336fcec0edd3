#include "platform/win/CWnd.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPoint.h"
#include "platform/gdi/CRgn.h"
#include "platform/win/CDataExchange.h"
#include "platform/win/CException.h"
#include "platform/win/CMenu.h"
#include "platform/win/MessageMapEntries.h"
#include "platform/win/StandardWindows.h"
#include "platform/win/Window.h"

#include <QApplication>
#include <QWidget>

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (m_hWnd != nullptr && platform::Window::IsWindow(m_hWnd)) {
        if (m_hWnd->Permanent() == this) {
            DestroyWindow();
        }
    }
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!platform::Window::IsWindow(hWnd)) {
        return nullptr;
    }
    CWnd* pWnd = hWnd->Permanent();
    return pWnd != nullptr ? pWnd : hWnd->Temporary();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return platform::Window::IsWindow(hWnd) ? hWnd->Permanent() : nullptr;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!platform::Window::IsWindow(hWnd) || hWnd->Permanent() != nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    hWnd->SetPermanent(this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (platform::Window::IsWindow(hWnd) && hWnd->Permanent() == this) {
        hWnd->SetPermanent(nullptr);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) {
        return FALSE;
    }
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*) {
    const platform::WindowParams params =
        CreationParams(lpszWindowName, dwStyle, rect, pParentWnd, nID);
    CREATESTRUCT cs;
    cs.hwndParent = params.parent;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    return AttachCreated(
        platform::CreateStandardWindow(lpszClassName != nullptr ? lpszClassName : "", params), &cs);
}

platform::WindowParams CWnd::CreationParams(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                                            CWnd* pParentWnd, UINT nID) {
    platform::WindowParams params;
    params.parent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    params.id = nID;
    params.style = dwStyle;
    params.rect = QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    params.text = lpszWindowName != nullptr ? lpszWindowName : "";
    return params;
}

BOOL CWnd::AttachCreated(std::unique_ptr<platform::Window> window, CREATESTRUCT* pCreate) {
    if (!window) {
        return FALSE;
    }
    platform::Window* parent = window->Parent();
    Attach(parent != nullptr ? parent->AddChild(std::move(window))
                             : platform::Window::AdoptTopLevel(std::move(window)));
    if (pCreate != nullptr && SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(pCreate)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!platform::Window::IsWindow(m_hWnd)) {
        m_hWnd = nullptr;
        return FALSE;
    }
    m_hWnd->Destroy();
    m_hWnd = nullptr;
    return TRUE;
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

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return platform::Window::IsWindow(m_hWnd) ? m_hWnd->ClassProc(message, wParam, lParam) : 0;
}

LRESULT CWnd::Default() {
    const platform::Window::Message& current = platform::Window::CurrentMessage();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return platform::Window::IsWindow(m_hWnd) ? m_hWnd->Send(message, wParam, lParam) : 0;
}

CWnd* CWnd::GetParent() const {
    return platform::Window::IsWindow(m_hWnd) ? FromHandle(m_hWnd->Parent()) : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return platform::Window::IsWindow(m_hWnd)
               ? FromHandle(m_hWnd->FindChild(static_cast<UINT>(nID)))
               : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->Id()) : 0;
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    const QRect rc = m_hWnd != nullptr ? m_hWnd->ClientRect() : QRect();
    *lpRect = RECT{0, 0, rc.width(), rc.height()};
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    const QRect rc = m_hWnd != nullptr ? m_hWnd->ScreenRect() : QRect();
    *lpRect = RECT{rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height()};
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    if (m_hWnd != nullptr && m_hWnd->Widget() != nullptr) {
        m_hWnd->Widget()->setGeometry(x, y, nWidth, nHeight);
        if (bRepaint) {
            m_hWnd->Invalidate(true);
        }
    }
}

void CWnd::GetWindowText(CString& rString) const {
    rString = m_hWnd != nullptr ? m_hWnd->Text() : CString();
}

void CWnd::SetWindowText(LPCTSTR lpszString) {
    if (m_hWnd != nullptr) {
        m_hWnd->Send(WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(lpszString != nullptr ? lpszString : ""));
    }
}

DWORD CWnd::GetStyle() const {
    return m_hWnd != nullptr ? m_hWnd->Style() : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const DWORD style = (m_hWnd->Style() & ~dwRemove) | dwAdd;
    if (style == m_hWnd->Style()) {
        return FALSE;
    }
    m_hWnd->SetStyle(style);
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (m_hWnd == nullptr || m_hWnd->Widget() == nullptr) {
        return FALSE;
    }
    QWidget* widget = m_hWnd->Widget();
    const BOOL wasVisible = widget->isVisible();
    switch (nCmdShow) {
    case SW_HIDE:
        widget->hide();
        m_hWnd->SetStyle(m_hWnd->Style() & ~WS_VISIBLE);
        break;
    case SW_MINIMIZE:
        widget->showMinimized();
        break;
    default:
        m_hWnd->SetStyle(m_hWnd->Style() | WS_VISIBLE);
        widget->show();
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd != nullptr && m_hWnd->Widget() != nullptr && m_hWnd->Widget()->isVisible();
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && !(GetStyle() & WS_DISABLED);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    const BOOL wasDisabled = !IsWindowEnabled();
    if (m_hWnd != nullptr) {
        m_hWnd->SetStyle(bEnable ? (GetStyle() & ~WS_DISABLED) : (GetStyle() | WS_DISABLED));
        m_hWnd->Invalidate(true);
    }
    return wasDisabled;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->Widget() != nullptr && m_hWnd->Widget()->isMinimized();
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd != nullptr && m_hWnd->Widget() != nullptr) {
        m_hWnd->Widget()->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus() {
    return FromHandle(platform::Window::FromWidget(QApplication::focusWidget()));
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

int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    m_hWnd->SetRegion(hRgn, bRedraw != FALSE);
    return 1;
}

void CWnd::Invalidate(BOOL bErase) {
    if (m_hWnd != nullptr) {
        m_hWnd->Invalidate(bErase != FALSE);
    }
}

void CWnd::InvalidateRect(LPCRECT, BOOL bErase) {
    Invalidate(bErase);
}

void CWnd::UpdateWindow() {
    if (m_hWnd != nullptr && m_hWnd->Widget() != nullptr) {
        m_hWnd->Widget()->repaint();
    }
}

BOOL CWnd::RedrawWindow(LPCRECT, CRgn*, UINT flags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    if (flags & RDW_FRAME) {
        m_hWnd->InvalidateFrame();
    }
    if (flags & RDW_INVALIDATE) {
        m_hWnd->Invalidate((flags & RDW_ERASE) != 0);
    }
    if (flags & RDW_UPDATENOW) {
        UpdateWindow();
    }
    return TRUE;
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    if (m_hWnd == nullptr || !(GetStyle() & WS_SYSMENU)) {
        return nullptr;
    }
    return CMenu::FromHandle(m_hWnd->SystemMenu(bRevert != FALSE));
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

void CWnd::OnPaint() {
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}

HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

void CWnd::OnNcPaint() {
    Default();
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
