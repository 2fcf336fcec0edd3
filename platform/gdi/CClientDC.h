// A device context on a window's client area outside painting; released when destroyed.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/win/CWnd.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd) : CClientDC(pWnd ? pWnd->m_hWnd : nullptr) {}
    explicit CClientDC(HWND hWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
