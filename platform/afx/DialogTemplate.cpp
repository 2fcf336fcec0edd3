#include "platform/afx/DialogTemplate.h"

#include <algorithm>
#include <string_view>

namespace afx {

namespace {

constexpr WORD kTemplateVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;
constexpr WORD kNormalWeight = 400;
constexpr BYTE kDefaultCharset = 1;

// The system's control classes that a template names by atom.
struct ClassAtom {
    std::string_view name;
    WORD atom;
};
constexpr ClassAtom kClassAtoms[] = {
    {"button", 0x0080}, {"edit", 0x0081}, {"static", 0x0082}, {"combobox", 0x0085}};

void AppendDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(static_cast<WORD>(value & 0xFFFF));
    out.push_back(static_cast<WORD>(value >> 16));
}

void AppendShort(std::vector<WORD>& out, short value) {
    out.push_back(static_cast<WORD>(value));
}

void AppendString(std::vector<WORD>& out, const std::string& text) {
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<std::size_t>(units));
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), units);
    out.insert(out.end(), wide.begin(), wide.end()); // the terminating zero included
}

void AppendClass(std::vector<WORD>& out, const std::string& className) {
    for (const ClassAtom& known : kClassAtoms) {
        if (className.size() == known.name.size() &&
            std::equal(className.begin(), className.end(), known.name.begin(),
                       [](char a, char b) { return (a | 0x20) == b; })) {
            out.push_back(kOrdinalMark);
            out.push_back(known.atom);
            return;
        }
    }
    AppendString(out, className);
}

// An icon static names its icon by resource id, written as an ordinal.
void AppendTitle(std::vector<WORD>& out, const DialogItemTemplate& item) {
    const bool icon = (item.style & SS_TYPEMASK) == SS_ICON && !item.text.empty() &&
                      item.text.find_first_not_of("0123456789") == std::string::npos;
    if (icon) {
        out.push_back(kOrdinalMark);
        out.push_back(static_cast<WORD>(std::stoul(item.text)));
    } else {
        AppendString(out, item.text);
    }
}

} // namespace

bool IsHostedItem(const DialogItemTemplate& item) {
    return !item.windowClass.empty() && item.windowClass.front() == '{';
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& t) {
    std::vector<WORD> out;
    out.push_back(kTemplateVersion);
    out.push_back(kExtendedSignature);
    AppendDword(out, 0); // help id
    AppendDword(out, t.exStyle);
    AppendDword(out, t.style);
    const std::size_t countAt = out.size();
    out.push_back(0);
    AppendShort(out, 0);
    AppendShort(out, 0);
    AppendShort(out, t.cx);
    AppendShort(out, t.cy);
    out.push_back(0); // no menu
    out.push_back(0); // the system's dialog class
    AppendString(out, t.caption);
    if (t.style & DS_SETFONT) {
        out.push_back(t.pointSize);
        out.push_back(kNormalWeight);
        out.push_back(kDefaultCharset << 8); // not italic, the default character set
        AppendString(out, t.fontFace);
    }
    WORD count = 0;
    for (const DialogItemTemplate& item : t.items) {
        if (IsHostedItem(item)) {
            continue;
        }
        if (out.size() % 2 != 0) {
            out.push_back(0); // each item starts on a DWORD boundary
        }
        AppendDword(out, 0); // help id
        AppendDword(out, item.exStyle);
        AppendDword(out, item.style);
        AppendShort(out, item.x);
        AppendShort(out, item.y);
        AppendShort(out, item.cx);
        AppendShort(out, item.cy);
        AppendDword(out, item.id);
        AppendClass(out, item.windowClass);
        AppendTitle(out, item);
        out.push_back(0); // no creation data
        ++count;
    }
    out[countAt] = count;
    return out;
}

} // namespace afx
