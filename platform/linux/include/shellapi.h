// The shell: opening a file in the program the desktop has for it, and the user's folders.
#pragma once

#include "WinDef.h"
#include "oleauto.h"

// Greater than 32 when the desktop took the request; only the "open" verb and a file.
HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters,
                       LPCTSTR lpDirectory, int nShowCmd);

// The user's documents folder (CSIDL_PERSONAL) into pszPath, MAX_PATH characters long.
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr DWORD MAX_PATH = 260;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
HRESULT SHGetFolderPath(HWND hwnd, int csidl, void* hToken, DWORD dwFlags, TCHAR* pszPath);
