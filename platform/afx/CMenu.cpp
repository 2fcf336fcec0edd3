#include "platform/afx/CMenu.h"

#include "platform/afx/CHandleMap.h"

#include <memory>

namespace {

std::unique_ptr<CMenu> MakeTemporary(HMENU hMenu) {
    auto wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = hMenu;
    return wrapper;
}

void Release(CMenu& wrapper) {
    wrapper.m_hMenu = nullptr;
}

} // namespace

CMenu* CMenu::FromHandle(HMENU hMenu) {
    static CHandleMap<HMENU, CMenu> map(&MakeTemporary, &Release);
    return map.FromHandle(hMenu);
}
