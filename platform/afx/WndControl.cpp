// The window class's access to a hosted control: creation by class identifier and property
// calls by dispatch id.
//
// SetProperty takes its value through "..." with the argument types of the classic framework:
//   VT_I2    an int (a short after promotion)     VT_BOOL    a BOOL (int), non-zero is true
//   VT_I4    a long                               VT_BSTR    an LPCTSTR
//   VT_VARIANT a const VARIANT* (or COleVariant*), passed on as it is
// GetProperty reads a VT_BOOL property into a BOOL at pvProp, the one kind the program reads.
#include "platform/afx/COleDispatchException.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/ControlHost.h"
#include "platform/afx/DispatchControl.h"

#include <cstdarg>

namespace {

afx::DispatchControl& ControlOf(const CWnd& wnd) {
    afx::DispatchControl* control = afx::HostedControlOf(wnd.m_hWnd);
    if (control == nullptr) {
        AfxThrowOleDispatchException(afx::kDispNoControl, "该窗口没有承载控件，无法访问属性。");
    }
    return *control;
}

} // namespace

BOOL CWnd::CreateControl(const CLSID& clsid, LPCTSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    // The wrapper is attached once the control exists, as to a control site: it sees no
    // WM_CREATE.
    HWND hWnd = afx::CreateHostedControl(clsid, lpszWindowName, dwStyle, rect,
                                         pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nID);
    return hWnd != nullptr && SubclassWindow(hWnd);
}

void CWnd::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const {
    const COleVariant value = ControlOf(*this).GetProperty(dwDispID);
    if (vtProp != VT_BOOL) {
        afx::ThrowTypeMismatch(dwDispID, vtProp);
    }
    *static_cast<BOOL*>(pvProp) = afx::IntegerValue(value, dwDispID) != 0 ? TRUE : FALSE;
}

void CWnd::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...) {
    afx::DispatchControl& control = ControlOf(*this);
    COleVariant value;
    va_list args;
    va_start(args, vtProp);
    switch (vtProp) {
    case VT_I2:
        value = COleVariant(static_cast<SHORT>(va_arg(args, int)));
        break;
    case VT_I4:
        value = COleVariant(static_cast<LONG>(va_arg(args, long)));
        break;
    case VT_BOOL:
        value = COleVariant(static_cast<SHORT>(va_arg(args, BOOL) != FALSE), VT_BOOL);
        break;
    case VT_BSTR:
        value = COleVariant(va_arg(args, LPCTSTR));
        break;
    case VT_VARIANT: {
        const VARIANT* source = va_arg(args, const VARIANT*);
        if (source != nullptr) {
            value = COleVariant(*source);
        }
        break;
    }
    default:
        va_end(args);
        afx::ThrowTypeMismatch(dwDispID, vtProp);
    }
    va_end(args);
    control.PutProperty(dwDispID, value);
}
