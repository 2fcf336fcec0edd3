// A device context on a window's client area outside painting; released when destroyed.
#pragma once

#include "platform/gdi/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    explicit CClientDC(HWND hWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
