// Hosted controls: each lives in a window of the container's own class, its site, which
// owns the control and shows nothing. Created by class identifier, as a dialog does for a
// template item whose class is a braced identifier, and found again by the site's window.
#pragma once

#include "platform/afx/DispatchControl.h"
#include "platform/afx/Guid.h"
#include <windows.h>

#include <string>

namespace afx {

// The site window of a control of the class named by clsidText ("{...}"), a child of hParent
// at `rect` in pixels; nullptr when the text is no class identifier, no such class is
// registered or the window cannot be made.
HWND CreateHostedControl(const std::string& clsidText, LPCTSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, HWND hParent, UINT nID);
// The same by class identifier.
HWND CreateHostedControl(const CLSID& clsid, LPCTSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, HWND hParent, UINT nID);
// The control hosted in a site window; nullptr for any other window.
DispatchControl* HostedControlOf(HWND hWnd);

} // namespace afx
