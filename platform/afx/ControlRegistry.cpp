// The registry of hostable control classes. Only the user-interface thread uses it.
#include "platform/afx/ControlRegistry.h"

#include "platform/afx/COleDispatchException.h"

#include <string>
#include <utility>
#include <vector>

namespace afx {

namespace {

struct Registration {
    CLSID clsid;
    ControlFactory factory;
};

std::vector<Registration>& Registrations() {
    static std::vector<Registration> registrations;
    return registrations;
}

} // namespace

void RegisterControlClass(const CLSID& clsid, ControlFactory factory) {
    for (Registration& entry : Registrations()) {
        if (entry.clsid == clsid) {
            entry.factory = std::move(factory);
            return;
        }
    }
    Registrations().push_back({clsid, std::move(factory)});
}

std::unique_ptr<DispatchControl> CreateControlInstance(const CLSID& clsid) {
    for (const Registration& entry : Registrations()) {
        if (entry.clsid == clsid && entry.factory) {
            return entry.factory();
        }
    }
    return nullptr;
}

void ThrowMemberNotFound(DISPID dispid) {
    AfxThrowOleDispatchException(kDispMemberNotFound,
                                 "控件没有编号为 " + std::to_string(dispid) + " 的属性。");
}

long IntegerValue(const VARIANT& value, DISPID dispid) {
    switch (value.vt) {
    case VT_I2:
        return value.iVal;
    case VT_I4:
        return value.lVal;
    case VT_BOOL:
        return value.boolVal;
    default:
        ThrowTypeMismatch(dispid, value.vt);
    }
}

void ThrowTypeMismatch(DISPID dispid, VARTYPE vt) {
    AfxThrowOleDispatchException(kDispTypeMismatch, "控件属性 " + std::to_string(dispid) +
                                                        " 不接受类型为 " + std::to_string(vt) +
                                                        " 的值。");
}

} // namespace afx
