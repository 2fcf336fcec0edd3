#include "platform/linux/user/WindowClasses.h"

#include "platform/linux/user/ButtonWindow.h"
#include "platform/linux/user/ComboBoxWindow.h"
#include "platform/linux/user/EditWindow.h"
#include "platform/linux/user/IpAddressWindow.h"
#include "platform/linux/user/RegisteredWindow.h"
#include "platform/linux/user/StaticWindow.h"

#include <QString>
#include <map>

namespace engine {

namespace {

// Class atoms start where the system's own end.
constexpr ATOM kFirstAtom = 0xC000;

struct RegisteredClass {
    ATOM atom = 0;
    WNDCLASS windowClass;
    std::string name;
};

std::map<QString, RegisteredClass>& Registered() {
    static std::map<QString, RegisteredClass> classes;
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
    const std::string name = windowClass.lpszClassName;
    auto& classes = Registered();
    if (classes.count(Key(name)) != 0) {
        return 0;
    }
    const auto atom = static_cast<ATOM>(kFirstAtom + classes.size());
    RegisteredClass& entry = classes[Key(name)];
    entry = RegisteredClass{atom, windowClass, name};
    entry.windowClass.lpszClassName = entry.name.c_str(); // the copy's own name
    return atom;
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
        return std::make_unique<RegisteredWindow>(params, it->second.windowClass);
    }
    return nullptr;
}

} // namespace engine
