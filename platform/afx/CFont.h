// The framework's font wrapper.
#pragma once

#include "platform/afx/CGdiObject.h"
#include <windows.h>

class CDC;

class CFont : public CGdiObject {
public:
    CFont() = default;

    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return Typed<HFONT>(); }

    // Creates a font of a point size given in tenths of a point; the size converts at 96 DPI
    // (the reference device context, if any, has that resolution too).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
};
