// The window object: a C++ wrapper attached to a window (HWND). An attached window is
// subclassed: its messages reach WindowProc, which runs the class's message map and falls
// back to DefWindowProc, the procedure the window had before.
#pragma once

#include "platform/afx/CPoint.h"
#include "platform/afx/CString.h"
#include "platform/afx/MessageMap.h"
#include <windows.h>

class CDataExchange;
class CMenu;
class CFont;
class CRgn;
class CDC;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // Attachment.
    static CWnd* FromHandle(HWND hWnd);          // the permanent object, else a temporary one
    static CWnd* FromHandlePermanent(HWND hWnd); // the permanent object or nullptr
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Attaches and subclasses a window, then calls PreSubclassWindow.
    BOOL SubclassWindow(HWND hWnd);
    // Called when a window is about to be attached by subclassing.
    virtual void PreSubclassWindow() {}

    // Creation and destruction.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL DestroyWindow() { return m_hWnd != nullptr ? ::DestroyWindow(m_hWnd) : FALSE; }

    // Messages.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(); // default processing of the message being handled
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessage(m_hWnd, message, wParam, lParam);
    }

    // Family.
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    // Geometry, state and text.
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void GetWindowText(CString& rString) const;
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtr(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }

    // Painting.
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // Menus and data exchange.
    CMenu* GetSystemMenu(BOOL bRevert) const;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Hosted (ActiveX-style) controls, reached by dispatch id.
    BOOL CreateControl(const CLSID& clsid, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID);
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;
    void SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Called once the window is gone and this object detached from it.
    virtual void PostNcDestroy() {}

    // The procedure the window had before it was subclassed.
    WNDPROC m_pfnSuper = nullptr;

    // Default handlers: each runs the message's default processing.
    void OnPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnNcPaint() { Default(); }
    // Hands an owner-draw request back to the control that asked for it.
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam,
                                  LPARAM lParam);
};

// The window procedure of every subclassed window: hands the message to its window object
// and reports any exception a handler lets escape, which never unwinds into the system.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// While set, the next window created on this thread is attached to pWnd and subclassed
// before it sees any message (its WM_CREATE included).
void AfxHookWindowCreate(CWnd* pWnd);
// Ends the creation hook; FALSE when no window was created for the object given.
BOOL AfxUnhookWindowCreate();
