// The program's resources by numeric id: dialog templates and strings.
// (Bitmaps and icons are image resources of the drawing layer.)
#pragma once

#include "platform/afx/DialogTemplate.h"

#include <string>

namespace platform {

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);
void RegisterString(UINT id, const std::string& text);

} // namespace platform
