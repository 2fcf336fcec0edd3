// A window of a class that a program registered: a plain widget whose messages go to the
// class's window procedure; what that procedure passes on gets the default processing.
#pragma once

#include "platform/linux/user/Window.h"

namespace engine {

class RegisteredWindow : public Window {
public:
    RegisteredWindow(const WindowParams& params, const WNDCLASS& windowClass);
};

} // namespace engine
