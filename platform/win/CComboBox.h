// The combo box object.
#pragma once

#include "platform/win/CWnd.h"

class CComboBox : public CWnd {
public:
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    void GetLBText(int nIndex, CString& rString) const;
};
