// A dialog with one control of each kind, built from a template, to look at and drive by
// hand (or with xdotool under Xvfb). Every notification it gets is written to stdout.
#include "platform/afx/CBrush.h"
#include "platform/afx/CButton.h"
#include "platform/afx/CComboBox.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CIPAddressCtrl.h"
#include "platform/afx/CMenu.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/MessageMapEntries.h"
#include "platform/afx/Resources.h"
#include "res/Resource.h"

#include <cstdio>

namespace {

using afx::DialogItem;

constexpr UINT kDemoTemplate = 9500;
constexpr UINT kLabel = 1;
constexpr UINT kPush = 1000;
constexpr UINT kOwnerDrawn = 1001;
constexpr UINT kCombo = 1013;
constexpr UINT kAddress = 1008;
constexpr UINT kByte = 1018;
constexpr UINT kHidden = 1017;
constexpr UINT kIcon = 1030;
constexpr UINT kAboutCommand = 0x0010;

constexpr COLORREF kFaceNormal = RGB(70, 130, 180);
constexpr COLORREF kFacePressed = RGB(30, 80, 130);
constexpr COLORREF kFaceDisabled = RGB(160, 160, 160);
constexpr COLORREF kText = RGB(255, 255, 255);
constexpr COLORREF kLabelText = RGB(128, 0, 0);

const afx::DialogTemplate& DemoTemplate() {
    static const afx::DialogTemplate t = [] {
        constexpr DWORD kTab = WS_TABSTOP | WS_VISIBLE;
        afx::DialogTemplate d;
        d.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
        d.exStyle = WS_EX_APPWINDOW;
        d.cx = 220;
        d.cy = 120;
        d.caption = "控件演示";
        d.fontFace = "宋体";
        d.pointSize = 9;
        d.items = {
            DialogItem(kIcon, "static", std::to_string(IDI_MAINFRAME), 8, 8, 20, 20,
                       SS_ICON | WS_VISIBLE),
            DialogItem(kLabel, "static", "串口选择", 36, 10, 34, 12,
                       SS_LEFT | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE),
            DialogItem(kCombo, "combobox", "", 74, 10, 45, 39,
                       CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | kTab, 0, {"COM2", "COM1"}),
            DialogItem(kHidden, "edit", "", 130, 10, 30, 12,
                       WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP),
            DialogItem(static_cast<DWORD>(-1), "static", "服务器IP", 8, 34, 33, 14,
                       SS_LEFT | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE),
            DialogItem(kAddress, "SysIPAddress32", "IPAddress1", 46, 33, 95, 15, kTab),
            DialogItem(static_cast<DWORD>(-1), "static", "MAC", 8, 56, 20, 12,
                       SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE),
            DialogItem(kByte, "edit", "", 46, 56, 21, 13, WS_BORDER | ES_AUTOHSCROLL | kTab),
            DialogItem(kPush, "button", "普通按钮", 150, 33, 59, 18, BS_PUSHBUTTON | kTab),
            DialogItem(kOwnerDrawn, "button", "自绘按钮", 150, 56, 59, 18, BS_PUSHBUTTON | kTab),
        };
        return d;
    }();
    return t;
}

void Log(const CString& line) {
    std::printf("%s\n", line.GetString());
    std::fflush(stdout);
}

// An owner-drawn button: a flat face whose colour shows the state, a focus rectangle.
class CDemoButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        const int saved = pDC->SaveDC();
        CRect rc(lpDIS->rcItem);
        const UINT state = lpDIS->itemState;
        const COLORREF face = (state & ODS_DISABLED)   ? kFaceDisabled
                              : (state & ODS_SELECTED) ? kFacePressed
                                                       : kFaceNormal;
        CBrush brush(face);
        pDC->FillRect(&rc, &brush);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(kText);
        CString text;
        GetWindowText(text);
        pDC->DrawText(text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (state & ODS_FOCUS) {
            rc.DeflateRect(3, 3);
            pDC->DrawFocusRect(&rc);
        }
        pDC->RestoreDC(saved);
    }

protected:
    void PreSubclassWindow() override { ModifyStyle(0, BS_OWNERDRAW); }
};

class CDemoDialog : public CDialog {
public:
    CDemoDialog() : CDialog(kDemoTemplate) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kOwnerDrawn, m_ownerDrawn);
        DDX_Control(pDX, kCombo, m_combo);
        DDX_Control(pDX, kAddress, m_address);
        DDX_Text(pDX, kByte, m_byte);
        DDV_MinMaxByte(pDX, m_byte, 0, 255);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (CMenu* pMenu = GetSystemMenu(FALSE)) {
            pMenu->AppendMenu(MF_SEPARATOR);
            pMenu->AppendMenu(MF_STRING, kAboutCommand, "关于 tavrin(&A)...");
        }
        m_combo.SetCurSel(0);
        return TRUE;
    }
    void OnOK() override {
        if (!UpdateData(TRUE)) {
            Log("ok refused");
            return;
        }
        EndDialog(IDOK);
        BYTE f[4];
        const int filled = m_address.GetAddress(f[0], f[1], f[2], f[3]);
        Log("ok byte=" + std::to_string(m_byte) + " address=" + std::to_string(f[0]) + "." +
            std::to_string(f[1]) + "." + std::to_string(f[2]) + "." + std::to_string(f[3]) +
            " filled=" + std::to_string(filled));
    }
    void OnCancel() override {
        Log("cancel");
        CDialog::OnCancel();
    }
    void OnSysCommand(UINT nID, LPARAM lParam) {
        Log("syscommand " + std::to_string(nID));
        CDialog::OnSysCommand(nID, lParam);
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        if (nCtlColor == CTLCOLOR_STATIC && pWnd->GetDlgCtrlID() == static_cast<int>(kLabel)) {
            pDC->SetTextColor(kLabelText);
        }
        return brush;
    }
    void OnPush() { Log("clicked push"); }
    void OnOwnerDrawn() { Log("clicked owner-drawn"); }
    void OnSelchangeCombo() {
        CString text;
        m_combo.GetWindowText(text);
        Log("selchange " + text);
    }
    DECLARE_MESSAGE_MAP()

private:
    CDemoButton m_ownerDrawn;
    CComboBox m_combo;
    CIPAddressCtrl m_address;
    BYTE m_byte = 0;
};

BEGIN_MESSAGE_MAP(CDemoDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_CTLCOLOR()
ON_BN_CLICKED(kPush, OnPush)
ON_BN_CLICKED(kOwnerDrawn, OnOwnerDrawn)
ON_CBN_SELCHANGE(kCombo, OnSelchangeCombo)
END_MESSAGE_MAP()

class CDemoApp : public CWinApp {
public:
    BOOL InitInstance() override {
        afx::RegisterDialogTemplate(kDemoTemplate, &DemoTemplate());
        CDemoDialog dialog;
        m_pMainWnd = &dialog;
        const intptr_t result = dialog.DoModal();
        Log("result " + std::to_string(result));
        return FALSE;
    }
};

CDemoApp theApp;

} // namespace
