// The framework's font wrapper.
#pragma once

#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/WinGdi.h"

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
    // Creates a font from the fields of a logical font description.
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCTSTR lpszFacename);
    // Copies the logical font description; returns the bytes copied (0 without a font).
    int GetLogFont(LOGFONT* pLogFont) const;

    // Copies a face name into a logical font, cut to the field's size.
    static void SetFaceName(LOGFONT& logFont, LPCTSTR lpszFaceName);
};
