// A hosted control as the container sees it: properties reached by dispatch id. A rejected
// call throws COleDispatchException with the control's description of the problem.
#pragma once

#include "platform/afx/Variant.h"

namespace afx {

// Codes of the container's own rejections (the control's codes are its own).
constexpr WORD kDispMemberNotFound = 1;
constexpr WORD kDispTypeMismatch = 2;
constexpr WORD kDispNoControl = 3;

class DispatchControl {
public:
    DispatchControl() = default;
    DispatchControl(const DispatchControl&) = delete;
    DispatchControl& operator=(const DispatchControl&) = delete;
    virtual ~DispatchControl() = default;

    virtual COleVariant GetProperty(DISPID dispid) = 0;
    virtual void PutProperty(DISPID dispid, const VARIANT& value) = 0;
};

// Throws the container's error for a dispatch id that the control does not have.
[[noreturn]] void ThrowMemberNotFound(DISPID dispid);
// Throws the container's error for a value of a type the property does not take.
[[noreturn]] void ThrowTypeMismatch(DISPID dispid, VARTYPE vt);
// The number in an integer or boolean value (VT_BOOL true is -1); other types are a mismatch.
long IntegerValue(const VARIANT& value, DISPID dispid);

} // namespace afx
