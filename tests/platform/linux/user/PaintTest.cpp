// Painting: erase (only when pending), then the non-client paint, then the paint; statics
// ask their parent for colours; owner-drawn buttons draw every pixel in DrawItem.
#include "support/WinTestSupport.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CButton.h"
#include "platform/afx/CFont.h"
#include "platform/afx/MessageMapEntries.h"
#include "platform/linux/gdi/GdiBrush.h"
#include <windows.h>

#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr UINT kEditId = 100;
constexpr UINT kButtonId = 101;
constexpr UINT kOtherId = 102;
constexpr UINT kFilledLabelId = 110;
constexpr UINT kClearLabelId = 111;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

QRgb Qt(COLORREF c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Counts the pixels of a colour in a part of an image.
int CountColour(const QImage& image, const QRect& area, COLORREF colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += (image.pixel(x, y) & 0xFFFFFF) == (Qt(colour) & 0xFFFFFF) ? 1 : 0;
        }
    }
    return n;
}

// The rows of an area that hold at least one pixel of a colour.
int RowsWithColour(const QImage& image, const QRect& area, COLORREF colour) {
    int rows = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        rows += CountColour(image, QRect(area.left(), y, area.width(), 1), colour) > 0 ? 1 : 0;
    }
    return rows;
}

class CPaintRecorder : public CWnd {
public:
    std::vector<UINT> seen;

protected:
    BOOL OnEraseBkgnd(CDC* pDC) {
        seen.push_back(WM_ERASEBKGND);
        return CWnd::OnEraseBkgnd(pDC);
    }
    void OnNcPaint() {
        seen.push_back(WM_NCPAINT);
        CWnd::OnNcPaint();
    }
    void OnPaint() {
        seen.push_back(WM_PAINT);
        CWnd::OnPaint();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintRecorder, CWnd)
ON_WM_ERASEBKGND()
ON_WM_NCPAINT()
ON_WM_PAINT()
END_MESSAGE_MAP()

using CRecordingDialog = wintest::OneControlDialog<CPaintRecorder, kEditId>;

TEST(PaintOrder, EraseOnlyWhenPendingThenFrameThenClient) {
    const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kEditId, "edit", "", 10, 10, 60, 14,
                            WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE),
    }));
    CRecordingDialog dialog(id);
    wintest::RunModal(dialog, [&] {
        wintest::Flush();
        std::vector<UINT>& seen = dialog.m_control.seen;
        ASSERT_GE(seen.size(), 3U);
        EXPECT_EQ(seen[0], WM_ERASEBKGND);
        EXPECT_EQ(seen[1], WM_NCPAINT);
        EXPECT_EQ(seen[2], WM_PAINT);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_ERASEBKGND), 1);

        seen.clear();
        dialog.m_control.Invalidate(FALSE);
        wintest::Flush();
        EXPECT_EQ(seen, std::vector<UINT>{WM_PAINT});

        seen.clear();
        dialog.m_control.Invalidate(TRUE);
        wintest::Flush();
        EXPECT_EQ(seen, (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));

        seen.clear();
        dialog.m_control.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        wintest::Flush();
        EXPECT_EQ(seen, (std::vector<UINT>{WM_NCPAINT, WM_PAINT}));

        seen.clear();
        wintest::WidgetOf(dialog.m_control)->update(); // the toolkit's own repaint
        wintest::Flush();
        EXPECT_EQ(seen, std::vector<UINT>{WM_PAINT});
    });
}

class CColourDialog : public CDialog {
public:
    explicit CColourDialog(UINT id) : CDialog(id) {
        m_red.CreateSolidBrush(kRed);
        m_bigFont.CreatePointFont(360, "DejaVu Sans");
    }
    std::vector<int> askedBy;
    std::vector<UINT> kinds;

protected:
    BOOL OnEraseBkgnd(CDC* pDC) {
        CRect rc;
        GetClientRect(&rc);
        CBrush green(kGreen);
        pDC->FillRect(&rc, &green);
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (nCtlColor != CTLCOLOR_STATIC) {
            return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        }
        askedBy.push_back(pWnd->GetDlgCtrlID());
        pDC->SetTextColor(kBlue);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectObject(&m_bigFont);
        if (pWnd->GetDlgCtrlID() == static_cast<int>(kFilledLabelId)) {
            return m_red;
        }
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_red;
    CFont m_bigFont;
};

BEGIN_MESSAGE_MAP(CColourDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(StaticColours, EachPaintAsksTheParentAndUsesWhatComesBack) {
    const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kFilledLabelId, "static", "AB", 10, 10, 60, 40, SS_LEFT | WS_VISIBLE),
        wintest::DialogItem(kClearLabelId, "static", "AB", 100, 10, 60, 40, SS_LEFT | WS_VISIBLE),
    }));
    CColourDialog dialog(id);
    wintest::RunModal(dialog, [&] {
        wintest::Flush();
        const QImage image = wintest::WidgetOf(dialog)->grab().toImage();
        const QRect filled =
            wintest::WidgetOf(dialog.GetDlgItem(kFilledLabelId)->m_hWnd)->geometry();
        const QRect clear = wintest::WidgetOf(dialog.GetDlgItem(kClearLabelId)->m_hWnd)->geometry();

        EXPECT_NE(std::find(dialog.askedBy.begin(), dialog.askedBy.end(), kFilledLabelId),
                  dialog.askedBy.end());
        EXPECT_NE(std::find(dialog.askedBy.begin(), dialog.askedBy.end(), kClearLabelId),
                  dialog.askedBy.end());

        // The returned brush fills the label; text in the returned colour, mode and font.
        EXPECT_GT(CountColour(image, filled, kRed), filled.width() * filled.height() / 2);
        EXPECT_EQ(CountColour(image, filled, kGreen), 0);
        EXPECT_GT(CountColour(image, filled, kBlue), 0);
        // A 36-point font: the glyphs are far taller than the dialog font's 12 pixels.
        EXPECT_GT(RowsWithColour(image, filled, kBlue), 20);

        // NULL_BRUSH: the parent's background shows through around the text.
        EXPECT_GT(CountColour(image, clear, kGreen), clear.width() * clear.height() / 2);
        EXPECT_EQ(CountColour(image, clear, kRed), 0);
        EXPECT_GT(CountColour(image, clear, kBlue), 0);

        // A new text erases the old one, also where the label has no brush of its own.
        dialog.GetDlgItem(kClearLabelId)->SetWindowText("");
        wintest::Flush();
        const QImage after = wintest::WidgetOf(dialog)->grab().toImage();
        EXPECT_EQ(CountColour(after, clear, kBlue), 0);
        EXPECT_EQ(CountColour(after, clear, kGreen), clear.width() * clear.height());
    });
}

class COwnerButton : public CButton {
public:
    std::vector<UINT> states;
    RECT lastRect{};
    UINT lastId = 0;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        states.push_back(lpDrawItemStruct->itemState);
        lastRect = lpDrawItemStruct->rcItem;
        lastId = lpDrawItemStruct->CtlID;
        CBrush magenta(kMagenta);
        CDC::FromHandle(lpDrawItemStruct->hDC)->FillRect(&lpDrawItemStruct->rcItem, &magenta);
    }

protected:
    void PreSubclassWindow() override { ModifyStyle(0, BS_OWNERDRAW); }
};

using COwnerButtonDialog = wintest::OneControlDialog<COwnerButton, kButtonId>;

class COwnerDrawDialog : public COwnerButtonDialog {
public:
    using COwnerButtonDialog::COwnerButtonDialog;
    int clicks = 0;

protected:
    void OnClickedButton() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawDialog, COwnerButtonDialog)
ON_BN_CLICKED(kButtonId, OnClickedButton)
END_MESSAGE_MAP()

TEST(OwnerDraw, DrawItemGetsTheButtonsStatesAndDrawsEveryPixel) {
    const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kButtonId, "button", "按钮", 10, 10, 59, 18,
                            BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE),
        wintest::DialogItem(kOtherId, "edit", "", 10, 40, 59, 14,
                            WS_BORDER | WS_TABSTOP | WS_VISIBLE),
    }));
    COwnerDrawDialog dialog(id);
    wintest::RunModal(dialog, [&] {
        COwnerButton& button = dialog.m_control;
        QWidget* widget = wintest::WidgetOf(button);
        wintest::Flush();
        ASSERT_FALSE(button.states.empty());
        EXPECT_TRUE(button.states.back() & ODS_FOCUS) << "the first tab stop has the focus";
        EXPECT_FALSE(button.states.back() & (ODS_SELECTED | ODS_DISABLED));
        EXPECT_EQ(button.lastId, kButtonId);
        CRect client;
        button.GetClientRect(&client);
        EXPECT_EQ(button.lastRect.right, client.right);
        EXPECT_EQ(button.lastRect.bottom, client.bottom);

        const QImage face = widget->grab().toImage();
        EXPECT_EQ(CountColour(face, face.rect(), kMagenta), face.width() * face.height())
            << "the native button must not draw over DrawItem";

        dialog.GetDlgItem(kOtherId)->SetFocus();
        wintest::Flush();
        EXPECT_FALSE(button.states.back() & ODS_FOCUS);

        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        wintest::Flush();
        EXPECT_TRUE(button.states.back() & ODS_SELECTED);
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        wintest::Flush();
        EXPECT_FALSE(button.states.back() & ODS_SELECTED);
        EXPECT_EQ(dialog.clicks, 1);

        button.SetFocus();
        QTest::keyPress(widget, Qt::Key_Space);
        wintest::Flush();
        EXPECT_EQ(button.states.back() & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
        QTest::keyRelease(widget, Qt::Key_Space);
        wintest::Flush();
        EXPECT_EQ(dialog.clicks, 2) << "Space presses the focused button";

        button.EnableWindow(FALSE);
        wintest::Flush();
        EXPECT_TRUE(button.states.back() & ODS_DISABLED);
    });
}

} // namespace
