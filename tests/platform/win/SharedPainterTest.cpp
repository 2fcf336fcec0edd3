// Several device contexts on one window at a time: they share the window surface's painter,
// each draws with its own origin and clip, and none is lost to another or to a resize.
#include "WinTestSupport.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/WinGdi.h"
#include "platform/win/CButton.h"
#include "platform/win/CDataExchange.h"
#include "platform/win/CPaintDC.h"
#include "platform/win/Window.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr UINT kBoxId = 120;
constexpr UINT kButtonId = 121;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

COLORREF SurfaceAt(const CWnd& wnd, int x, int y) {
    return platform::ToColorRef(wnd.m_hWnd->Surface().pixel(x, y));
}

void Fill(CDC& dc, RECT rect, COLORREF color) {
    CBrush brush(color);
    dc.FillRect(&rect, &brush);
}

// A dialog with a bordered box (a one-pixel frame around its client area) and a button.
class SharedPainter : public ::testing::Test {
protected:
    void SetUp() override {
        m_template = wintest::Register(wintest::MakeTemplate({
            wintest::DialogItem(kBoxId, "static", "", 10, 10, 60, 20, WS_BORDER | WS_VISIBLE),
            wintest::DialogItem(kButtonId, "button", "", 10, 40, 60, 18,
                                BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE),
        }));
    }
    UINT m_template = 0;
};

TEST_F(SharedPainter, TwoDeviceContextsOnOneWindowBothDraw) {
    CDialog dialog(m_template);
    wintest::RunModal(dialog, [&] {
        wintest::Flush();
        CWnd* box = dialog.GetDlgItem(kBoxId);
        ASSERT_NE(box, nullptr);
        {
            CClientDC client(box); // logical (0, 0) at the frame's inner corner (1, 1)
            CWindowDC whole(box);  // logical (0, 0) at the window's corner
            Fill(client, {0, 0, 4, 4}, kRed);
            Fill(whole, {10, 0, 14, 4}, kBlue);
            // Back to the first: its own origin, and its clip keeps it off the frame.
            Fill(client, {20, -1, 24, 3}, kRed);
            // And the second is not held to the first one's client area.
            Fill(whole, {30, 0, 31, 1}, kBlue);
        }
        EXPECT_EQ(SurfaceAt(*box, 1, 1), kRed);
        EXPECT_EQ(SurfaceAt(*box, 4, 4), kRed);
        EXPECT_NE(SurfaceAt(*box, 0, 0), kRed);
        EXPECT_EQ(SurfaceAt(*box, 10, 0), kBlue);
        EXPECT_EQ(SurfaceAt(*box, 13, 3), kBlue);
        EXPECT_NE(SurfaceAt(*box, 22, 0), kRed) << "the client context drew on the frame";
        EXPECT_EQ(SurfaceAt(*box, 22, 1), kRed);
        EXPECT_EQ(SurfaceAt(*box, 24, 3), kRed);
        EXPECT_EQ(SurfaceAt(*box, 30, 0), kBlue);
    });
}

TEST_F(SharedPainter, AResizeWhileAContextDrawsKeepsTheDrawingAndRepaintsAtTheNewSize) {
    CDialog dialog(m_template);
    wintest::RunModal(dialog, [&] {
        wintest::Flush();
        CWnd* box = dialog.GetDlgItem(kBoxId);
        ASSERT_NE(box, nullptr);
        QWidget* widget = wintest::WidgetOf(*box);
        const QSize grown = widget->size() + QSize(40, 20);
        {
            CClientDC dc(box);
            Fill(dc, {0, 0, 4, 4}, kRed);
            widget->resize(grown);
            wintest::Flush(); // the window paints while the context is still on it
            Fill(dc, {4, 0, 8, 4}, kBlue);
        }
        const QImage& surface = box->m_hWnd->Surface();
        ASSERT_EQ(surface.size(), grown);
        EXPECT_EQ(SurfaceAt(*box, 6, 2), kBlue);

        wintest::Flush();
        // Painted again at the new size: the frame runs along the new right edge.
        const COLORREF frame = SurfaceAt(*box, 0, grown.height() / 2);
        EXPECT_EQ(qAlpha(box->m_hWnd->Surface().pixel(grown.width() - 1, grown.height() / 2)), 255);
        EXPECT_EQ(SurfaceAt(*box, grown.width() - 1, grown.height() / 2), frame);
    });
}

// An owner-drawn button that draws its left half through the paint's context and its right
// half through a context of its own, taken while the paint holds the window.
class CTwoContextButton : public CButton {
public:
    int draws = 0;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        ++draws;
        const RECT item = lpDrawItemStruct->rcItem;
        const int middle = (item.left + item.right) / 2;
        Fill(*CDC::FromHandle(lpDrawItemStruct->hDC), {item.left, item.top, middle, item.bottom},
             kRed);
        CClientDC own(this);
        Fill(own, {middle, item.top, item.right, item.bottom}, kBlue);
    }

protected:
    void PreSubclassWindow() override { ModifyStyle(0, BS_OWNERDRAW); }
};

class CTwoContextDialog : public CDialog {
public:
    explicit CTwoContextDialog(UINT id) : CDialog(id) {}
    CTwoContextButton m_button;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kButtonId, m_button); }
};

TEST_F(SharedPainter, AContextTakenInDrawItemDrawsBesideThePaintsContext) {
    CTwoContextDialog dialog(m_template);
    wintest::RunModal(dialog, [&] {
        wintest::Flush();
        ASSERT_GT(dialog.m_button.draws, 0);
        const QImage face = wintest::WidgetOf(dialog.m_button)->grab().toImage();
        const int middle = face.width() / 2;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                ASSERT_EQ(platform::ToColorRef(face.pixel(x, y)), x < middle ? kRed : kBlue)
                    << x << "," << y;
            }
        }
    });
}

} // namespace
