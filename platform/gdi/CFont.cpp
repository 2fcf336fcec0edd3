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

void CFont::SetFaceName(LOGFONT& logFont, LPCTSTR lpszFaceName) {
    std::memset(logFont.lfFaceName, 0, sizeof(logFont.lfFaceName));
    if (lpszFaceName) {
        std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    }
}
