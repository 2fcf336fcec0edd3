// The window object: a C++ wrapper attached to a window (HWND). Messages sent to the window
// reach WindowProc, which runs the class's message map and falls back to DefWindowProc, the
// window class's own behaviour.
#pragma once

#include "platform/base/CString.h"
#include "platform/win/MessageMap.h"

#include <memory>

class CDataExchange;
class CMenu;
class CFont;
class CRgn;
class CDC;
class CPoint;
struct GUID;
using CLSID = GUID;

namespace platform {
struct WindowParams;
}

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
    BOOL SubclassWindow(HWND hWnd);
    // Called when a window is about to be attached by subclassing.
    virtual void PreSubclassWindow() {}

    // Creation and destruction.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL DestroyWindow();

    // Messages.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(); // default processing of the message being handled
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Family.
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;

    // Geometry, state and text.
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void GetWindowText(CString& rString) const;
    void SetWindowText(LPCTSTR lpszString);
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
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
    // The parameters of a window made by Create or CreateControl: a child of pParentWnd's window
    // when there is one, at `rect` in its parent's client coordinates.
    static platform::WindowParams CreationParams(LPCTSTR lpszWindowName, DWORD dwStyle,
                                                 const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Puts a window just made in its place (among its parent's children, else among the
    // top-level windows), attaches this object to it and, given a creation record, sends
    // WM_CREATE. FALSE without a window, or when WM_CREATE answers -1: the window is destroyed.
    BOOL AttachCreated(std::unique_ptr<platform::Window> window, CREATESTRUCT* pCreate);

    virtual void DoDataExchange(CDataExchange*) {}

    // Default handlers: each runs the message's default processing.
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSysCommand(UINT nID, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnNcPaint();
    // Hands an owner-draw request back to the control that asked for it.
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

    DECLARE_MESSAGE_MAP()
};
