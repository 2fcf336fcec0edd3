// The program's dialog templates by numeric id, which dialogs are built from in memory.
#pragma once

#include "platform/afx/DialogTemplate.h"

#include <string>

namespace afx {

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);

} // namespace afx
