// The edit control object.
#pragma once

#include "platform/win/CWnd.h"

class CEdit : public CWnd {
public:
    // Selects characters [nStartChar, nEndChar); -1 as the end selects to the end.
    void SetSel(int nStartChar, int nEndChar);
};
