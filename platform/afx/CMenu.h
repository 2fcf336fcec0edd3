// The menu object: a wrapper of a menu handle.
#pragma once

#include <windows.h>

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    static CMenu* FromHandle(HMENU hMenu);
    BOOL AppendMenu(UINT nFlags, UINT nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr) {
        return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
};
