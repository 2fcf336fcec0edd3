// The colours and fonts of the dialog's labels and title: blue text in a larger Song face,
// drawn transparently on the dialog's background. The two fonts are made on first use and
// kept for the dialog's life, so a label always draws with a live font and repeated colour
// queries make nothing new.
#pragma once

#include "platform/afx/CFont.h"

class CDC;

class CLabelFonts {
public:
    static constexpr int kLabelPointSize = 110; // tenths of a point
    static constexpr int kTitlePointSize = 180;
    static constexpr COLORREF kLabelColor = RGB(10, 10, 255);
    static constexpr COLORREF kTitleColor = RGB(0, 0, 255);

    // Sets up the surface of static control nCtlID and returns its background brush: the null
    // brush for the labels and the title, hbrDefault for any other static.
    HBRUSH ColorLabel(CDC* pDC, int nCtlID, HBRUSH hbrDefault);

private:
    HBRUSH Apply(CDC* pDC, CFont& font, int nPointSize, COLORREF color);

    CFont m_fontLabel;
    CFont m_fontTitle;
};
