#include "platform/win/CIPAddressCtrl.h"

#include "platform/win/IpAddressWindow.h"

namespace {

platform::IpAddressWindow* Address(HWND hWnd) {
    return dynamic_cast<platform::IpAddressWindow*>(hWnd);
}

} // namespace

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const {
    auto* window = Address(m_hWnd);
    const platform::IpAddressWindow::Fields fields =
        window != nullptr ? window->GetFields() : platform::IpAddressWindow::Fields{};
    BYTE* out[] = {&nField0, &nField1, &nField2, &nField3};
    int filled = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        *out[i] = fields[i].value_or(0);
        filled += fields[i].has_value() ? 1 : 0;
    }
    return filled;
}

void CIPAddressCtrl::SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3) {
    if (auto* window = Address(m_hWnd)) {
        window->SetFields({nField0, nField1, nField2, nField3});
    }
}

void CIPAddressCtrl::ClearAddress() {
    if (auto* window = Address(m_hWnd)) {
        window->SetFields({});
    }
}

BOOL CIPAddressCtrl::IsBlank() const {
    BYTE f[4];
    return GetAddress(f[0], f[1], f[2], f[3]) == 0;
}

void CIPAddressCtrl::SetFieldFocus(WORD nField) {
    if (auto* window = Address(m_hWnd)) {
        window->FocusField(nField);
    }
}
