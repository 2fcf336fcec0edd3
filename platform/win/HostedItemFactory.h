// How the dialog manager makes a template item whose class is a braced class identifier
// ("{clsid}"): a hosted control. Hosting belongs to the layer above this one, which installs
// its factory here when the application enables control hosting; until then such an item
// cannot be made.
#pragma once

#include "platform/win/Window.h"

#include <memory>
#include <string>

namespace platform {

using HostedItemFactory = std::unique_ptr<Window> (*)(const std::string& clsidText,
                                                      const WindowParams& params);

// Installs the factory of hosted items (nullptr removes it).
void SetHostedItemFactory(HostedItemFactory factory);
// The window of a "{clsid}" item; nullptr when no factory is installed or it cannot make one.
std::unique_ptr<Window> CreateHostedItem(const std::string& clsidText, const WindowParams& params);

} // namespace platform
