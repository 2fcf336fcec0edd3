#include "platform/afx/CFont.h"

#include "platform/afx/CDC.h"

#include <cstring>

namespace {
constexpr int kTenthsPerInch = 720;
// The screen's logical resolution, which a font made without a reference context is for.
constexpr int kScreenDotsPerInch = 96;
} // namespace

CFont* CFont::FromHandle(HFONT hFont) {
    return static_cast<CFont*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hFont)));
}

CFont::operator HFONT() const {
    return Typed<HFONT>();
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
    const int dotsPerInch = pDC && pDC->m_hAttribDC ? ::GetDeviceCaps(pDC->m_hAttribDC, LOGPIXELSY)
                                                    : kScreenDotsPerInch;
    LOGFONT logFont;
    logFont.lfHeight = -(nPointSize * dotsPerInch / kTenthsPerInch);
    SetFaceName(logFont, lpszFaceName);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (!lpLogFont || m_hObject) {
        return FALSE;
    }
    return Attach(HandleCast<HGDIOBJ>(::CreateFontIndirect(lpLogFont)));
}

void CFont::SetFaceName(LOGFONT& logFont, LPCTSTR lpszFaceName) {
    std::memset(logFont.lfFaceName, 0, sizeof(logFont.lfFaceName));
    if (lpszFaceName) {
        std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    }
}
