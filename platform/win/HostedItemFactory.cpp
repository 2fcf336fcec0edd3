#include "platform/win/HostedItemFactory.h"

namespace platform {

namespace {
HostedItemFactory g_factory = nullptr;
}

void SetHostedItemFactory(HostedItemFactory factory) {
    g_factory = factory;
}

std::unique_ptr<Window> CreateHostedItem(const std::string& clsidText, const WindowParams& params) {
    return g_factory != nullptr ? g_factory(clsidText, params) : nullptr;
}

} // namespace platform
