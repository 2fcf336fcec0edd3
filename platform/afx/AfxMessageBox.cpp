#include "platform/afx/AfxMessageBox.h"

#include "platform/afx/CException.h"
#include "platform/afx/CWinApp.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    if ((nType & 0xF0) == 0) {
        nType |= MB_ICONEXCLAMATION;
    }
    return ::MessageBox(nullptr, lpszText, AfxGetAppName(), nType);
}

int CException::ReportError(UINT nType) const {
    return AfxMessageBox(GetErrorMessage(), nType);
}
