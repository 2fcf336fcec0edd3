// Creation of hosted controls by class identifier.
#include "platform/ole/ControlHost.h"

#include "platform/ole/ControlRegistry.h"
#include "platform/ole/HostWindow.h"

namespace platform {

std::unique_ptr<Window> CreateHostedControl(const std::string& clsidText,
                                            const WindowParams& params) {
    const std::optional<GUID> clsid = ParseGuid(clsidText);
    if (!clsid) {
        return nullptr;
    }
    return CreateHostedControl(*clsid, params);
}

std::unique_ptr<Window> CreateHostedControl(const CLSID& clsid, const WindowParams& params) {
    std::unique_ptr<DispatchControl> control = CreateControlInstance(clsid);
    if (!control) {
        return nullptr;
    }
    return std::make_unique<HostWindow>(params, std::move(control));
}

} // namespace platform
