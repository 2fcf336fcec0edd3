#include "platform/linux/user/WindowClasses.h"

#include "platform/linux/user/BridgeWidget.h"
#include "platform/linux/user/ButtonWindow.h"
#include "platform/linux/user/ComboBoxWindow.h"
#include "platform/linux/user/EditWindow.h"
#include "platform/linux/user/IpAddressWindow.h"
#include "platform/linux/user/StaticWindow.h"

#include <QString>
#include <QWidget>
#include <map>

namespace engine {

namespace {

// Class atoms start where the system's own end.
constexpr ATOM kFirstAtom = 0xC000;

// A window of a class that a program registered: a plain widget whose messages go to the
// class's window procedure; what that procedure passes on gets the default processing.
class RegisteredWindow : public Window {
public:
    RegisteredWindow(const WindowParams& params, WNDPROC proc) : Window(params) {
        SetProc(proc);
        SetWidget(new BridgeWidget<QWidget>(this));
    }
};

// The window procedures of the registered classes by name.
std::map<QString, WNDPROC>& Registered() {
    static std::map<QString, WNDPROC> classes;
    return classes;
}

QString Key(const std::string& className) {
    return QString::fromStdString(className).toLower();
}

} // namespace

ATOM RegisterWindowClass(const WNDCLASS& windowClass) {
    if (windowClass.lpszClassName == nullptr || *windowClass.lpszClassName == '\0' ||
        windowClass.lpfnWndProc == nullptr) {
        return 0;
    }
    auto& classes = Registered();
    if (!classes.emplace(Key(windowClass.lpszClassName), windowClass.lpfnWndProc).second) {
        return 0;
    }
    return static_cast<ATOM>(kFirstAtom + classes.size() - 1);
}

std::unique_ptr<Window> CreateClassWindow(const std::string& className,
                                          const WindowParams& params) {
    const QString name = Key(className);
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
    auto it = Registered().find(name);
    if (it != Registered().end()) {
        return std::make_unique<RegisteredWindow>(params, it->second);
    }
    return nullptr;
}

} // namespace engine
