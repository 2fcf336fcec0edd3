// The framework's font wrapper.
#pragma once

#include "platform/afx/CGdiObject.h"
#include <windows.h>

class CDC;

class CFont : public CGdiObject {
public:
    CFont() = default;

    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const;

    // Creates a font of a point size given in tenths of a point; the size converts at 96 DPI
    // (the reference device context, if any, has that resolution too).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    // Creates a font from a logical font description.
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);

    // Copies a face name into a logical font, cut to the field's size.
    static void SetFaceName(LOGFONT& logFont, LPCTSTR lpszFaceName);
};
