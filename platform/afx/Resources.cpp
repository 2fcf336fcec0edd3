#include "platform/afx/Resources.h"

#include "platform/afx/CString.h"

#include <map>

namespace platform {

namespace {

std::map<UINT, const DialogTemplate*>& Dialogs() {
    static std::map<UINT, const DialogTemplate*> dialogs;
    return dialogs;
}

std::map<UINT, std::string>& Strings() {
    static std::map<UINT, std::string> strings;
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

void RegisterString(UINT id, const std::string& text) {
    Strings()[id] = text;
}

} // namespace platform

BOOL CString::LoadString(UINT nID) {
    auto it = platform::Strings().find(nID);
    *this = it != platform::Strings().end() ? CString(it->second) : CString();
    return !IsEmpty();
}
