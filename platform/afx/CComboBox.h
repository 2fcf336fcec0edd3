// The combo box object.
#pragma once

#include "platform/afx/CWnd.h"

class CComboBox : public CWnd {
public:
    // Selects item nSelect (none for -1); CB_ERR when there is no such item.
    int SetCurSel(int nSelect) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
};
