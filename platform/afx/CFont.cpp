#include "platform/afx/CFont.h"

#include "platform/afx/CDC.h"

#include <algorithm>
#include <string>

namespace {
constexpr int kTenthsPerInch = 720;
// The screen's logical resolution, which a font made without a reference context is for.
constexpr int kScreenDotsPerInch = 96;
[[maybe_unused]] const bool g_registered = CGdiObject::RegisterWrapperClass<CFont>(OBJ_FONT);
} // namespace

CFont* CFont::FromHandle(HFONT hFont) {
    return static_cast<CFont*>(CGdiObject::FromHandle(HandleCast<HGDIOBJ>(hFont)));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
    const int dotsPerInch = pDC && pDC->m_hAttribDC ? ::GetDeviceCaps(pDC->m_hAttribDC, LOGPIXELSY)
                                                    : kScreenDotsPerInch;
    LOGFONT logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = -(nPointSize * dotsPerInch / kTenthsPerInch);
    if (lpszFaceName) { // cut to the field's size
        const std::size_t length = std::char_traits<TCHAR>::length(lpszFaceName);
        std::char_traits<TCHAR>::copy(logFont.lfFaceName, lpszFaceName,
                                      std::min<std::size_t>(length, LF_FACESIZE - 1));
    }
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    return lpLogFont != nullptr && AttachNew([&] { return ::CreateFontIndirect(lpLogFont); });
}
