#include "platform/afx/CMenu.h"

#include "platform/afx/CHandleMap.h"

#include <memory>

CMenu* CMenu::FromHandle(HMENU hMenu) {
    static CHandleMap<HMENU, CMenu> map(
        [](HMENU handle) {
            auto wrapper = std::make_unique<CMenu>();
            wrapper->m_hMenu = handle;
            return wrapper;
        },
        [](CMenu& wrapper) { wrapper.m_hMenu = nullptr; });
    return map.FromHandle(hMenu);
}
