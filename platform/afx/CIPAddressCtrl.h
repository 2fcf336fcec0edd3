// The IP address control object.
#pragma once

#include "platform/afx/CWnd.h"

class CIPAddressCtrl : public CWnd {
public:
    // Reads the four fields, first field first; a blank field reads 0. Returns the number of
    // fields that are not blank.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3);
    void ClearAddress();
    BOOL IsBlank() const;
    void SetFieldFocus(WORD nField);
};
