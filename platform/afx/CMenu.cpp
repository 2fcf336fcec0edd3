#include "platform/afx/CMenu.h"

#include <windows.h>

#include <memory>
#include <unordered_map>

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (hMenu == nullptr) {
        return nullptr;
    }
    // Menus here are the windows' system menus, which live as long as their windows; a
    // wrapper per menu is made once and kept.
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> temporaries;
    std::unique_ptr<CMenu>& wrapper = temporaries[hMenu];
    if (!wrapper) {
        wrapper = std::make_unique<CMenu>();
        wrapper->m_hMenu = hMenu;
    }
    return wrapper.get();
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
