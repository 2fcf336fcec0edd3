// The framework's message box, titled with the application name. Tests may replace it.
#pragma once

#include "platform/win/WinUser.h"

#include <functional>
#include <string>

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

namespace platform {
using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, UINT type)>;
// Replaces the message box (an empty handler restores it); returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
} // namespace platform
