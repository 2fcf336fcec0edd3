#include "platform/win/CComboBox.h"

#include "platform/win/ComboBoxWindow.h"

namespace {
platform::ComboBoxWindow* Combo(HWND hWnd) {
    return dynamic_cast<platform::ComboBoxWindow*>(hWnd);
}
} // namespace

int CComboBox::GetCurSel() const {
    auto* combo = Combo(m_hWnd);
    return combo != nullptr ? combo->GetCurSel() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
    auto* combo = Combo(m_hWnd);
    return combo != nullptr ? combo->SetCurSel(nSelect) : CB_ERR;
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    auto* combo = Combo(m_hWnd);
    rString = combo != nullptr ? combo->GetLBText(nIndex) : CString();
}
