// How a dialog makes a template item whose class is a braced class identifier ("{clsid}"):
// a hosted control, which the system's dialog manager knows nothing of. Hosting belongs to
// the layer above this one, which installs its factory here when the application enables
// control hosting; until then such an item cannot be made.
#pragma once

#include <windows.h>

#include <string>

namespace afx {

using HostedItemFactory = HWND (*)(const std::string& clsidText, LPCTSTR lpszWindowName,
                                   DWORD dwStyle, const RECT& rect, HWND hParent, UINT nID);

// Installs the factory of hosted items (nullptr removes it).
void SetHostedItemFactory(HostedItemFactory factory);
// The window of a "{clsid}" item, a child of hParent at `rect` in pixels; nullptr when no
// factory is installed or it cannot make one.
HWND CreateHostedItem(const std::string& clsidText, LPCTSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, HWND hParent, UINT nID);

} // namespace afx
