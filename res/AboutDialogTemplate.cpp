// Template 100: the About box.
#include "res/Templates.h"

#include "res/Resource.h"

namespace res {

namespace {

using afx::DialogItem;

afx::DialogTemplate MakeAboutDialog() {
    afx::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 235;
    t.cy = 55;
    t.caption = "关于 tavrin";
    t.fontFace = kDialogFace;
    t.pointSize = kDialogPointSize;
    t.items = {
        DialogItem(afx::kUnnamedControlId, "static", std::to_string(IDI_MAINFRAME), 11, 17, 20, 20,
                   SS_ICON | WS_VISIBLE),
        DialogItem(afx::kUnnamedControlId, "static", "tavrin 1.0 版", 40, 10, 119, 8,
                   SS_LEFT | SS_NOPREFIX | WS_GROUP | WS_VISIBLE),
        DialogItem(afx::kUnnamedControlId, "static", "写入 6150 中控的网络参数。", 40, 25, 119, 8,
                   SS_LEFT | WS_GROUP | WS_VISIBLE),
        DialogItem(IDOK, "button", "确定", 178, 7, 50, 14,
                   BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE),
    };
    return t;
}

} // namespace

const afx::DialogTemplate& AboutDialogTemplate() {
    static const afx::DialogTemplate t = MakeAboutDialog();
    return t;
}

} // namespace res
