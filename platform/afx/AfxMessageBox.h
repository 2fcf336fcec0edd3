// The framework's message box, titled with the application name.
#pragma once

#include <windows.h>

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
