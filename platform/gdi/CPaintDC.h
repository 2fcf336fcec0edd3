// The device context for painting a window in response to WM_PAINT: begins the paint when
// made and ends it when destroyed.
#pragma once

#include "platform/gdi/CDC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    explicit CPaintDC(HWND hWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd = nullptr;
};
