#include "platform/win/Resources.h"

#include <map>

namespace platform {

namespace {

std::map<UINT, const DialogTemplate*>& Dialogs() {
    static std::map<UINT, const DialogTemplate*> dialogs;
    return dialogs;
}

std::map<UINT, CString>& Strings() {
    static std::map<UINT, CString> strings;
    return strings;
}

} // namespace

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate) {
    Dialogs()[id] = pTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    auto it = Dialogs().find(id);
    return it != Dialogs().end() ? it->second : nullptr;
}

void RegisterString(UINT id, const CString& text) {
    Strings()[id] = text;
}

} // namespace platform

BOOL AfxLoadString(UINT nID, CString& rString) {
    auto it = platform::Strings().find(nID);
    rString = it != platform::Strings().end() ? it->second : CString();
    return !rString.empty();
}
