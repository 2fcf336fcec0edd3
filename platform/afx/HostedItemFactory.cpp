#include "platform/afx/HostedItemFactory.h"

namespace afx {

namespace {
HostedItemFactory g_factory = nullptr;
}

void SetHostedItemFactory(HostedItemFactory factory) {
    g_factory = factory;
}

HWND CreateHostedItem(const std::string& clsidText, LPCTSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, HWND hParent, UINT nID) {
    return g_factory != nullptr ? g_factory(clsidText, lpszWindowName, dwStyle, rect, hParent, nID)
                                : nullptr;
}

} // namespace afx
