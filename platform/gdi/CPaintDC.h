// The device context for painting a window in response to WM_PAINT: begins the paint when
// made and ends it when destroyed.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/win/CWnd.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd) : CPaintDC(pWnd ? pWnd->m_hWnd : nullptr) {}
    explicit CPaintDC(HWND hWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd = nullptr;
};
