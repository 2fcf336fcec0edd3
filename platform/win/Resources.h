// The program's resources by numeric id: dialog templates, strings and version data.
// (Bitmaps and icons are image resources of the drawing layer.)
#pragma once

#include "platform/win/DialogTemplate.h"

#include <map>

namespace platform {

struct VersionInfo {
    WORD fileVersion[4] = {};
    WORD productVersion[4] = {};
    WORD language = 0;
    WORD codePage = 0;
    std::map<CString, CString> strings; // "FileVersion", "ProductName", ...
};

void RegisterDialogTemplate(UINT id, const DialogTemplate* pTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);
void RegisterString(UINT id, const CString& text);
void RegisterVersionInfo(const VersionInfo* pInfo);
const VersionInfo* FindVersionInfo();

} // namespace platform

// Loads string resource nID into rString; FALSE (and an empty string) when there is none.
BOOL AfxLoadString(UINT nID, CString& rString);
