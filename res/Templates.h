// The program's dialog templates and the values they share.
#pragma once

#include "platform/afx/DialogTemplate.h"

namespace res {

constexpr const char* kDialogFace = "宋体";
constexpr WORD kDialogPointSize = 9;

const afx::DialogTemplate& SetupDialogTemplate();
const afx::DialogTemplate& AboutDialogTemplate();
const afx::DialogTemplate& SiteStartDialogTemplate();

} // namespace res
