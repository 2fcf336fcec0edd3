#include "platform/afx/CDataExchange.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/CException.h"
#include "platform/afx/CWnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWnd = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (hWnd == nullptr) {
        throw CNotSupportedException("对话框中没有控件 " + std::to_string(nIDC) + "。");
    }
    m_hWndLastControl = hWnd;
    m_bEditLastControl = FALSE;
    return hWnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail() {
    if (!m_bSaveAndValidate) {
        throw CUserException();
    }
    if (m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) {
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr) {
        HWND hWnd = pDX->PrepareCtrl(nIDC);
        if (!rControl.SubclassWindow(hWnd)) {
            throw CNotSupportedException("控件 " + std::to_string(nIDC) + " 已连接到另一个对象。");
        }
    }
}

namespace afx {

std::optional<BYTE> ParseByteText(std::basic_string_view<TCHAR> text) {
    constexpr unsigned kMaxByte = 255;
    auto blank = [](TCHAR c) { return c == ' ' || c == '\t'; };
    size_t i = 0;
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    const size_t digitsStart = i;
    unsigned value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > kMaxByte) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == digitsStart) {
        return std::nullopt;
    }
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return static_cast<BYTE>(value);
}

} // namespace afx

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(hWnd)->GetWindowText(text);
        const std::optional<BYTE> parsed = afx::ParseByteText(text.GetString());
        if (!parsed) {
            AfxMessageBox(CString(std::string(kParseByteMessage)));
            pDX->Fail();
        }
        value = *parsed;
    } else {
        ::SetWindowText(hWnd, CString(std::to_string(value)));
    }
}

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) {
        return;
    }
    AfxMessageBox(CString("请输入一个 " + std::to_string(minVal) + " 到 " + std::to_string(maxVal) +
                          " 之间的整数。"));
    pDX->Fail();
}
