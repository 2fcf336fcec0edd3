// The window classes by name: the system's own (button, static, edit, combo box, the IP
// address control) and those a program registers; and the creation of their windows.
#pragma once

#include "platform/linux/user/Window.h"

#include <memory>
#include <string>

namespace engine {

// Registers a class under its name; 0 when the name is taken or missing.
ATOM RegisterWindowClass(const WNDCLASS& windowClass);
// A window of the named class (case does not matter); nullptr when there is no such class.
std::unique_ptr<Window> CreateClassWindow(const std::string& className, const WindowParams& params);
// Places a window just made among its parent's children (else among the top-level windows),
// tells the creation hooks and sends WM_CREATE; nullptr, with the window destroyed, when a
// hook or WM_CREATE refuses it.
HWND AnnounceWindow(std::unique_ptr<Window> window, LPCTSTR className, void* createParams);

} // namespace engine
