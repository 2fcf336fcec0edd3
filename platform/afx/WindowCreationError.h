// Why the last dialog window could not be created: the dialog manager records the reason
// where it fails (a refused creation request, a missing template, a control it cannot make)
// so that the program can tell the user instead of vanishing.
#pragma once

#include <windows.h>

#include <string>

namespace afx {

// The reason of the last failed creation (empty if the last creation succeeded).
const std::string& LastWindowCreationError();
void SetWindowCreationError(const std::string& reason);

} // namespace afx
