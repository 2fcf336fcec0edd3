#include "platform/win/AfxMessageBox.h"

#include "platform/win/CException.h"
#include "platform/win/CWinApp.h"
#include "platform/win/WinApi.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    if ((nType & 0xF0) == 0) {
        nType |= MB_ICONEXCLAMATION;
    }
    return ::MessageBox(nullptr, lpszText, AfxGetAppName(), nType);
}

int CException::ReportError(UINT nType) const {
    return AfxMessageBox(GetErrorMessage(), nType);
}
