// The platform's standard window classes, created by class name.
#pragma once

#include "platform/win/Window.h"

#include <string>

namespace platform {

// A window of a standard class ("button", "static", "edit", "combobox", "SysIPAddress32"),
// or nullptr when the class is unknown. Class names compare without regard to case.
std::unique_ptr<Window> CreateStandardWindow(const std::string& className,
                                             const WindowParams& params);

} // namespace platform
