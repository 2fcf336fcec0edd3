// The program's resources by numeric id: dialog templates and strings.
// (Bitmaps and icons are image resources of the drawing layer.)
#pragma once

#include "platform/win/DialogTemplate.h"

namespace platform {

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);
void RegisterString(UINT id, const CString& text);

} // namespace platform

// Loads string resource nID into rString; FALSE (and an empty string) when there is none.
BOOL AfxLoadString(UINT nID, CString& rString);
