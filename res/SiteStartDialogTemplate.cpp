// Template 103: starting the site mode, with its record file, its plan and whether the
// controller address and the MAC advance. Each box has its label on its row, which names it
// for screen readers.
#include "res/Templates.h"

#include "res/Resource.h"

namespace res {

namespace {

using afx::DialogItem;

constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kUnnamed = afx::kUnnamedControlId;

afx::DialogTemplate MakeSiteStartDialog() {
    afx::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 270;
    t.cy = 86;
    t.caption = "开始现场记录";
    t.fontFace = kDialogFace;
    t.pointSize = kDialogPointSize;
    t.items = {
        DialogItem(kUnnamed, "static", "记录文件", 7, 8, 48, 14, kLabel),
        DialogItem(IDC_SITE_RECORD, "edit", "", 56, 8, 152, 14, kEdit),
        DialogItem(IDC_SITE_RECORD_BROWSE, "button", "浏览(&B)...", 213, 8, 50, 14, kButton),
        DialogItem(kUnnamed, "static", "计划文件", 7, 27, 48, 14, kLabel),
        DialogItem(IDC_SITE_PLAN, "edit", "", 56, 27, 152, 14, kEdit),
        DialogItem(IDC_SITE_PLAN_BROWSE, "button", "浏览(&R)...", 213, 27, 50, 14, kButton),
        DialogItem(IDC_SITE_ADVANCE, "button", "每台写入后自动递增中控IP和MAC(&A)", 56, 46, 207, 10,
                   kCheck),
        DialogItem(IDOK, "button", "确定", 159, 65, 50, 14,
                   BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE),
        DialogItem(IDCANCEL, "button", "取消", 213, 65, 50, 14, kButton),
    };
    return t;
}

} // namespace

const afx::DialogTemplate& SiteStartDialogTemplate() {
    static const afx::DialogTemplate t = MakeSiteStartDialog();
    return t;
}

} // namespace res
