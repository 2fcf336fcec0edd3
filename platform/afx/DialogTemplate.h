// Dialog templates as typed data: the dialog's style, size in dialog units, font and caption,
// and per control its id, window class, text, rectangle and styles; and the extended
// template (DLGTEMPLATEEX) in memory that the system's dialog manager makes a dialog from.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace afx {

// The id of a control that the program never addresses, stored as 32 bits.
constexpr DWORD kUnnamedControlId = 0xFFFFFFFF;

struct DialogItemTemplate {
    DWORD id = kUnnamedControlId;
    std::string windowClass; // "button", "static", "edit", "combobox", "SysIPAddress32" or a CLSID
    std::string text;        // for an icon static: the icon's resource id in decimal
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::vector<std::string> initStrings = {}; // combo box entries added at creation
};

// One control of a template, as the template tables list them.
inline DialogItemTemplate DialogItem(DWORD id, std::string windowClass, std::string text, short x,
                                     short y, short cx, short cy, DWORD style, DWORD exStyle = 0,
                                     std::vector<std::string> initStrings = {}) {
    return DialogItemTemplate{id,      std::move(windowClass), std::move(text), x, y, cx, cy, style,
                              exStyle, std::move(initStrings)};
}

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0;
    short cy = 0;
    std::string caption;
    std::string fontFace;
    WORD pointSize = 0;
    std::vector<DialogItemTemplate> items;
};

// Whether an item is a hosted control, whose class is a braced class identifier.
bool IsHostedItem(const DialogItemTemplate& item);
// The extended template of a dialog, as the words it is made of; hosted items are left out
// (the dialog makes them itself once the system has made the rest), as are combo box
// entries (added once the combo box exists).
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);

} // namespace afx
