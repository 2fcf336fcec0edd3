// The common file dialogs: choosing a file to save to or to open, over the toolkit's own.
#pragma once

#include "WinDef.h"

struct OPENFILENAME {
    DWORD lStructSize = 0;
    HWND hwndOwner = nullptr;
    // Pairs of a description and its patterns ("CSV 文件\0*.csv\0"), ended by an empty one.
    LPCTSTR lpstrFilter = nullptr;
    // In: the name to start with; out: the name chosen.
    TCHAR* lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPCTSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    LPCTSTR lpstrDefExt = nullptr;
};

constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
constexpr DWORD OFN_HIDEREADONLY = 0x4;
constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

// FALSE when the user cancels or the name does not fit into nMaxFile characters.
BOOL GetSaveFileName(OPENFILENAME* lpofn);
BOOL GetOpenFileName(OPENFILENAME* lpofn);
