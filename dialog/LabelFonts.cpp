#include "dialog/LabelFonts.h"

#include "platform/afx/CDC.h"
#include "res/Resource.h"
#include "res/Templates.h"
#include <windows.h>
#include <windowsx.h>

HBRUSH CLabelFonts::ColorLabel(CDC* pDC, int nCtlID, HBRUSH hbrDefault) {
    if (nCtlID == IDC_STATIC) {
        return Apply(pDC, m_fontLabel, kLabelPointSize, kLabelColor);
    }
    if (nCtlID == static_cast<int>(IDC_TITLE)) {
        return Apply(pDC, m_fontTitle, kTitlePointSize, kTitleColor);
    }
    return hbrDefault;
}

HBRUSH CLabelFonts::Apply(CDC* pDC, CFont& font, int nPointSize, COLORREF color) {
    if (font.GetSafeHandle() == nullptr) {
        font.CreatePointFont(nPointSize, CString(res::kDialogFace));
    }
    if (font.GetSafeHandle() != nullptr) {
        pDC->SelectObject(&font);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(color);
    return GetStockBrush(NULL_BRUSH);
}
