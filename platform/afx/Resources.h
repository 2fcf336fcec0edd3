// Where the program's resources are: its module, and its dialog templates by numeric id,
// which dialogs are built from in memory.
#pragma once

#include "platform/afx/DialogTemplate.h"

// The program's module, whose resources the framework loads.
HINSTANCE AfxGetInstanceHandle();

namespace afx {

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);

} // namespace afx
