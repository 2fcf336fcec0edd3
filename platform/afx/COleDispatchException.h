// The error a hosted control raises when it rejects a property call. It carries the
// control's own code and description; the description is what the user is shown.
#pragma once

#include "platform/afx/CException.h"

class COleDispatchException : public CException {
public:
    COleDispatchException(CString description, UINT nHelpID, WORD wCode)
        : m_wCode(wCode), m_strDescription(std::move(description)), m_dwHelpContext(nHelpID) {}

    CString GetErrorMessage() const override { return m_strDescription; }

    WORD m_wCode = 0;
    CString m_strDescription;
    DWORD m_dwHelpContext = 0;
};

// Throws a dispatch exception with the given code and description.
[[noreturn]] inline void AfxThrowOleDispatchException(WORD wCode, const CString& description) {
    throw COleDispatchException(description, 0, wCode);
}
