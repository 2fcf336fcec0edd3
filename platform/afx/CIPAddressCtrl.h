// The IP address control object.
#pragma once

#include "platform/afx/CWnd.h"
#include <commctrl.h>

class CIPAddressCtrl : public CWnd {
public:
    // Reads the four fields, first field first; a blank field reads 0. Returns the number of
    // fields that are not blank.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3) {
        SendMessage(IPM_SETADDRESS, 0, MAKEIPADDRESS(nField0, nField1, nField2, nField3));
    }
    void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
    BOOL IsBlank() const { return static_cast<BOOL>(SendMessage(IPM_ISBLANK)); }
    void SetFieldFocus(WORD nField) { SendMessage(IPM_SETFOCUS, nField); }
};
