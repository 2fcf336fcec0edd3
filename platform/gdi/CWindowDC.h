// A device context on a whole window, frame included, with (0, 0) at the window's top-left
// corner; released when destroyed.
#pragma once

#include "platform/gdi/CDC.h"

class CWnd;

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    explicit CWindowDC(HWND hWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
