// Creation of hosted controls by class identifier, as the dialog template engine does for a
// control entry whose class is a braced identifier.
#pragma once

#include "platform/ole/Guid.h"
#include "platform/win/Window.h"

#include <memory>
#include <string>

namespace platform {

// A hosted control's window for the class named by clsidText ("{...}"); nullptr when the
// text is no class identifier or no such class is registered.
std::unique_ptr<Window> CreateHostedControl(const std::string& clsidText,
                                            const WindowParams& params);
// The same by class identifier.
std::unique_ptr<Window> CreateHostedControl(const CLSID& clsid, const WindowParams& params);

} // namespace platform
