// Several device contexts on one window at a time: they share the window surface's painter,
// each draws with its own origin and clip, and none is lost to another or to a resize.
#include "support/WinTestSupport.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CButton.h"
#include "platform/afx/CPaintDC.h"
#include "platform/linux/gdi/ColorRef.h"
#include "platform/linux/user/Window.h"
#include <windows.h>

#include <QImage>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr UINT kBoxId = 120;
constexpr UINT kButtonId = 121;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

COLORREF SurfaceAt(const CWnd& wnd, int x, int y) {
    return engine::ToColorRef(engine::WindowOf(wnd.m_hWnd)->Surface().pixel(x, y));
}

void Fill(CDC& dc, RECT rect, COLORREF color) {
    CBrush brush(color);
    dc.FillRect(&rect, &brush);
}

// A dialog with a bordered box (a one-pixel frame around its client area) and an owner-drawn
// button.
class SharedPainter : public ::testing::Test {
protected:
    void SetUp() override {
        m_template = wintest::Register(wintest::MakeTemplate({
            wintest::DialogItem(kBoxId, "static", "", 10, 10, 60, 20, WS_BORDER | WS_VISIBLE),
            wintest::DialogItem(kButtonId, "button", "", 10, 40, 60, 18,
                                BS_OWNERDRAW | WS_TABSTOP | WS_VISIBLE),
        }));
    }
    // Runs the dialog and calls body with the box once the dialog has painted.
    void WithBox(const std::function<void(CWnd& box)>& body) {
        CDialog dialog(m_template);
        wintest::RunModal(dialog, [&] {
            wintest::Flush();
            CWnd* box = dialog.GetDlgItem(kBoxId);
            ASSERT_NE(box, nullptr);
            body(*box);
        });
    }
    UINT m_template = 0;
};

TEST_F(SharedPainter, TwoDeviceContextsOnOneWindowBothDraw) {
    WithBox([](CWnd& box) {
        {
            CClientDC client(&box); // logical (0, 0) at the frame's inner corner (1, 1)
            CWindowDC whole(&box);  // logical (0, 0) at the window's corner
            Fill(client, {0, 0, 4, 4}, kRed);
            Fill(whole, {10, 0, 14, 4}, kBlue);
            // Back to the first: its own origin, and its clip keeps it off the frame.
            Fill(client, {20, -1, 24, 3}, kRed);
            // And the second is not held to the first one's client area.
            Fill(whole, {30, 0, 31, 1}, kBlue);
        }
        EXPECT_EQ(SurfaceAt(box, 1, 1), kRed);
        EXPECT_EQ(SurfaceAt(box, 4, 4), kRed);
        EXPECT_NE(SurfaceAt(box, 0, 0), kRed);
        EXPECT_EQ(SurfaceAt(box, 10, 0), kBlue);
        EXPECT_EQ(SurfaceAt(box, 13, 3), kBlue);
        EXPECT_NE(SurfaceAt(box, 22, 0), kRed) << "the client context drew on the frame";
        EXPECT_EQ(SurfaceAt(box, 22, 1), kRed);
        EXPECT_EQ(SurfaceAt(box, 24, 3), kRed);
        EXPECT_EQ(SurfaceAt(box, 30, 0), kBlue);
    });
}

TEST_F(SharedPainter, AResizeWhileAContextDrawsKeepsTheDrawingAndRepaintsAtTheNewSize) {
    WithBox([](CWnd& box) {
        QWidget* widget = wintest::WidgetOf(box);
        const QSize grown = widget->size() + QSize(40, 20);
        {
            CClientDC dc(&box);
            Fill(dc, {0, 0, 4, 4}, kRed);
            widget->resize(grown);
            wintest::Flush(); // the window paints while the context is still on it
            Fill(dc, {4, 0, 8, 4}, kBlue);
        }
        const QImage& surface = engine::WindowOf(box.m_hWnd)->Surface();
        ASSERT_EQ(surface.size(), grown);
        EXPECT_EQ(SurfaceAt(box, 6, 2), kBlue);

        wintest::Flush();
        // Painted again at the new size: the frame runs along the new right edge.
        const COLORREF frame = SurfaceAt(box, 0, grown.height() / 2);
        EXPECT_EQ(qAlpha(engine::WindowOf(box.m_hWnd)
                             ->Surface()
                             .pixel(grown.width() - 1, grown.height() / 2)),
                  255);
        EXPECT_EQ(SurfaceAt(box, grown.width() - 1, grown.height() / 2), frame);
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
};

TEST_F(SharedPainter, AContextTakenInDrawItemDrawsBesideThePaintsContext) {
    CTwoContextButton button;
    CDialog dialog(m_template);
    wintest::RunModal(dialog, [&] {
        ASSERT_TRUE(button.SubclassWindow(engine::WindowOf(dialog.m_hWnd)->FindChild(kButtonId)));
        button.Invalidate();
        wintest::Flush();
        ASSERT_GT(button.draws, 0);
        const QImage face = wintest::WidgetOf(button)->grab().toImage();
        const int middle = face.width() / 2;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                ASSERT_EQ(engine::ToColorRef(face.pixel(x, y)), x < middle ? kRed : kBlue)
                    << x << "," << y;
            }
        }
    });
}

} // namespace
