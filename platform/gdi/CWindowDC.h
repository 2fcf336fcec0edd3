// A device context on a whole window, frame included, with (0, 0) at the window's top-left
// corner; released when destroyed.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/win/CWnd.h"

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd) : CWindowDC(pWnd ? pWnd->m_hWnd : nullptr) {}
    explicit CWindowDC(HWND hWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
