// Template 102: the device setup dialog.
#include "res/Templates.h"

#include "platform/comm/CommControlInterface.h"
#include "res/Resource.h"

namespace res {

namespace {

using afx::DialogItem;

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kLabelNoWrap = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kTitle = SS_CENTER | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kAddress = WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kTransparent = WS_EX_TRANSPARENT;
constexpr DWORD kUnnamed = afx::kUnnamedControlId;
constexpr const char* kIpClass = "SysIPAddress32";
constexpr const char* kIpText = "IPAddress1";

afx::DialogTemplate MakeSetupDialog() {
    afx::DialogTemplate t;
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.exStyle = WS_EX_APPWINDOW;
    t.cx = 294;
    t.cy = 201;
    t.caption = "6150 IP SET";
    t.fontFace = kDialogFace;
    t.pointSize = kDialogPointSize;
    t.items = {
        DialogItem(IDC_WRITE_SERVER, "button", "服务器IP烧写", 211, 58, 59, 18, kButton),
        DialogItem(IDC_WRITE_CENTRAL, "button", "中控IP烧写", 211, 75, 59, 18, kButton),
        DialogItem(IDC_WRITE_SUBNET, "button", "子网掩码烧写", 211, 93, 59, 18, kButton),
        DialogItem(IDC_WRITE_GATEWAY, "button", "网关IP烧写", 211, 112, 59, 18, kButton),
        DialogItem(kUnnamed, "static", "服务器IP", 19, 61, 33, 14, kLabel, kTransparent),
        DialogItem(kUnnamed, "static", "中控IP", 19, 79, 27, 14, kLabel, kTransparent),
        DialogItem(kUnnamed, "static", "子网掩码", 19, 97, 33, 14, kLabel, kTransparent),
        DialogItem(kUnnamed, "static", "网关IP", 22, 113, 25, 14, kLabelNoWrap, kTransparent),
        DialogItem(IDC_PORT, "combobox", "", 61, 41, 45, 39, kCombo, 0, {"COM1", "COM2"}),
        DialogItem(kUnnamed, "static", "串口选择", 18, 41, 34, 12, kLabel, kTransparent),
        DialogItem(IDC_TITLE, "static", "中控IP烧写", 79, 13, 100, 16, kTitle, kTransparent),
        DialogItem(IDC_SERVER_IP, kIpClass, kIpText, 61, 59, 95, 15, kAddress),
        DialogItem(IDC_CENTRAL_IP, kIpClass, kIpText, 61, 77, 95, 15, kAddress),
        DialogItem(IDC_SUBNET_MASK, kIpClass, kIpText, 62, 96, 95, 15, kAddress),
        DialogItem(IDC_GATEWAY_IP, kIpClass, kIpText, 62, 113, 95, 15, kAddress),
        DialogItem(IDC_COMM, afx::FormatGuid(comm::kCommControlClsid), "", 183, 16, 25, 25,
                   WS_TABSTOP | WS_VISIBLE),
        DialogItem(IDC_HIDDEN_EDIT, "edit", "", 121, 41, 30, 12, kEdit),
        DialogItem(kUnnamed, "static", "MAC", 23, 133, 20, 12, kLabelNoWrap, kTransparent),
        DialogItem(IDC_MAC1, "edit", "", 62, 133, 21, 13, kEdit | WS_VISIBLE),
        DialogItem(IDC_MAC2, "edit", "", 86, 133, 21, 13, kEdit | WS_VISIBLE),
        DialogItem(IDC_MAC3, "edit", "", 112, 133, 21, 13, kEdit | WS_VISIBLE),
        DialogItem(IDC_MAC4, "edit", "", 136, 133, 21, 13, kEdit | WS_VISIBLE),
        DialogItem(IDC_MAC5, "edit", "", 162, 133, 21, 13, kEdit | WS_VISIBLE),
        DialogItem(IDC_MAC6, "edit", "", 186, 133, 21, 13, kEdit | WS_VISIBLE),
        DialogItem(IDC_WRITE_MAC, "button", "MAC烧写", 211, 130, 59, 18, kButton),
        DialogItem(IDC_WRITE_ALL, "button", "写入全部信息", 107, 163, 59, 18, kButton),
    };
    return t;
}

} // namespace

const afx::DialogTemplate& SetupDialogTemplate() {
    static const afx::DialogTemplate t = MakeSetupDialog();
    return t;
}

} // namespace res
