#include "platform/afx/Resources.h"

#include <map>

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandle(nullptr);
}

namespace afx {

namespace {

std::map<UINT, const DialogTemplate*>& Dialogs() {
    static std::map<UINT, const DialogTemplate*> dialogs;
    return dialogs;
}

} // namespace

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate) {
    Dialogs()[id] = pTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    auto it = Dialogs().find(id);
    return it != Dialogs().end() ? it->second : nullptr;
}

} // namespace afx
