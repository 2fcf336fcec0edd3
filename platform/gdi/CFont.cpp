#include "platform/gdi/CFont.h"

#include "platform/gdi/FontResolver.h"
#include "platform/gdi/GdiFont.h"

#include <cstring>

CFont* CFont::FromHandle(HFONT hFont) {
    return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
}

CFont::operator HFONT() const {
    return static_cast<HFONT>(m_hObject);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* /*pDC*/) {
    LOGFONT logFont;
    logFont.lfHeight = -platform::FontResolver::PointTenthsToPixels(nPointSize);
    SetFaceName(logFont, lpszFaceName);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (!lpLogFont || m_hObject) {
        return FALSE;
    }
    return Attach(new platform::GdiFont(*lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCTSTR lpszFacename) {
    LOGFONT logFont;
    logFont.lfHeight = nHeight;
    logFont.lfWidth = nWidth;
    logFont.lfEscapement = nEscapement;
    logFont.lfOrientation = nOrientation;
    logFont.lfWeight = nWeight;
    logFont.lfItalic = bItalic;
    logFont.lfUnderline = bUnderline;
    logFont.lfStrikeOut = cStrikeOut;
    logFont.lfCharSet = nCharSet;
    logFont.lfOutPrecision = nOutPrecision;
    logFont.lfClipPrecision = nClipPrecision;
    logFont.lfQuality = nQuality;
    logFont.lfPitchAndFamily = nPitchAndFamily;
    SetFaceName(logFont, lpszFacename);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
    if (!m_hObject || !pLogFont) {
        return 0;
    }
    *pLogFont = static_cast<HFONT>(m_hObject)->LogFont();
    return static_cast<int>(sizeof(LOGFONT));
}

void CFont::SetFaceName(LOGFONT& logFont, LPCTSTR lpszFaceName) {
    std::memset(logFont.lfFaceName, 0, sizeof(logFont.lfFaceName));
    if (lpszFaceName) {
        std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    }
}
