// An extended dialog template (DLGTEMPLATEEX) as the dialog manager reads it: the dialog's
// styles, size in dialog units, caption and font, and per control its class, text, place,
// styles and id. And the dialog units: the base units of a template font and the
// conversion of rectangles to pixels.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace engine {

struct DialogResourceItem {
    DWORD id = 0;
    std::string className; // "button", "edit", "static", "combobox" for the system's atoms
    std::string text;
    std::optional<WORD> ordinal; // a resource id given for the text (an icon static's icon)
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};

struct DialogResource {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0;
    short cy = 0;
    std::string caption;
    std::string fontFace;
    WORD pointSize = 0;
    std::vector<DialogResourceItem> items;
};

// Reads an extended template; nullopt when it is not one (a menu or a class of the dialog
// itself is not supported either).
std::optional<DialogResource> ReadDialogResource(LPCDLGTEMPLATE data);

// Dialog base units of a template font: the average character width and the height.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};
DialogBaseUnits BaseUnitsForFont(const std::string& face, WORD pointSize);
// Converts a rectangle in dialog units to pixels, each edge on its own, rounding.
RECT MapDialogUnits(const RECT& dialogUnits, DialogBaseUnits units);

} // namespace engine
