#include "platform/win/StandardWindows.h"

#include "platform/win/ButtonWindow.h"
#include "platform/win/ComboBoxWindow.h"
#include "platform/win/EditWindow.h"
#include "platform/win/IpAddressWindow.h"
#include "platform/win/StaticWindow.h"

#include <QString>

namespace platform {

std::unique_ptr<Window> CreateStandardWindow(const std::string& className,
                                             const WindowParams& params) {
    const QString name = QString::fromStdString(className).toLower();
    if (name == "button") {
        return std::make_unique<ButtonWindow>(params);
    }
    if (name == "static") {
        return std::make_unique<StaticWindow>(params);
    }
    if (name == "edit") {
        return std::make_unique<EditWindow>(params);
    }
    if (name == "combobox") {
        return std::make_unique<ComboBoxWindow>(params);
    }
    if (name == "sysipaddress32") {
        return std::make_unique<IpAddressWindow>(params);
    }
    return nullptr;
}

} // namespace platform
