// Dialog data exchange: moving values between controls and member variables, in either
// direction, with validation in the saving direction.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control nIDC, remembered as the one to put the focus on if validation fails.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange after a failed validation: focus (and, for an edit, selection) on the
    // last prepared control; throws CUserException.
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Attaches the dialog's control nIDC to rControl (subclassing it) on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);

namespace afx {
// A byte as the byte exchange reads it: optional blanks or tabs around an unsigned decimal
// number from 0 to 255; nothing else.
std::optional<BYTE> ParseByteText(std::basic_string_view<TCHAR> text);
} // namespace afx

// The standard message shown when a box does not hold a number from 0 to 255.
constexpr const char* kParseByteMessage = "请输入一个 0 到 255 之间的整数。";
