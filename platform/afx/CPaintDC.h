// Drawing surfaces of a window: CPaintDC for the paint handler (the client area), CClientDC
// for drawing on the client area at other times, CWindowDC for the whole window, frame
// included. Each releases its surface when it goes out of scope.
#pragma once

#include "platform/afx/CDC.h"
#include <windows.h>

class CWnd;

class CWindowSurfaceDC : public CDC {
public:
    CWindowSurfaceDC(CWnd* pWnd, bool wholeWindow, bool paint);
    ~CWindowSurfaceDC() override;

private:
    HWND m_hWnd;
    bool m_paint;
    PAINTSTRUCT m_ps;
};

class CPaintDC : public CWindowSurfaceDC {
public:
    explicit CPaintDC(CWnd* pWnd) : CWindowSurfaceDC(pWnd, false, true) {}
};

class CClientDC : public CWindowSurfaceDC {
public:
    explicit CClientDC(CWnd* pWnd) : CWindowSurfaceDC(pWnd, false, false) {}
};

class CWindowDC : public CWindowSurfaceDC {
public:
    explicit CWindowDC(CWnd* pWnd) : CWindowSurfaceDC(pWnd, true, false) {}
};
