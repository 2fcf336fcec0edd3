// The gradient button on a live window: attachment, hover tracking and its look, erasing
// and the window region.
#include "controls/GradientPalette.h"
#include "tests/controls/ControlHost.h"
#include "tests/controls/HostedButton.h"

#include "platform/linux/user/Window.h"

#include <gtest/gtest.h>

namespace {

constexpr QPoint kMiddle{44, 14};
constexpr QPoint kLeftLine{2, 15};
constexpr int kMiddleBrush = 32;
constexpr COLORREF kHoverLeft = RGB(159, 175, 127);

class GradientButtonHover : public test::HostedButton {
protected:
    void TearDown() override { engine::SetTrackMouseEventFailure(false); }

    void Move() { button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 10)); }
    CRect RegionBox() {
        CRect box;
        CRgn::FromHandle(engine::WindowOf(button.m_hWnd)->Region())->GetRgnBox(box);
        return box;
    }
};

} // namespace

TEST_F(GradientButtonHover, AttachingMakesTheButtonOwnerDrawnAndRounded) {
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    ASSERT_NE(engine::WindowOf(button.m_hWnd)->Region(), nullptr);
    EXPECT_EQ(RegionBox(), CRect(0, 0, 88, 27));
    CRgn* region = CRgn::FromHandle(engine::WindowOf(button.m_hWnd)->Region());
    EXPECT_FALSE(region->PtInRegion(0, 0));
    EXPECT_FALSE(region->PtInRegion(87, 26));
    EXPECT_TRUE(region->PtInRegion(44, 0));
    EXPECT_TRUE(region->PtInRegion(44, 13));
}

TEST_F(GradientButtonHover, RegionKeepsItsSizeAfterAResize) {
    button.MoveWindow(10, 10, 120, 40);
    EXPECT_EQ(RegionBox(), CRect(0, 0, 88, 27));
}

TEST_F(GradientButtonHover, HoverLookFromTheHoverNotificationUntilTheLeave) {
    const COLORREF plain = gradient::StepColor(FALSE, FALSE, kMiddleBrush);
    const COLORREF hovered = gradient::StepColor(TRUE, FALSE, kMiddleBrush);
    EXPECT_EQ(test::PixelAt(test::Repaint(button), kMiddle), plain);

    Move();
    EXPECT_TRUE(button.Tracked());
    EXPECT_FALSE(button.Hover());
    button.Invalidate(FALSE);
    EXPECT_EQ(test::PixelAt(test::Repaint(button), kMiddle), plain);

    button.SendMessage(WM_MOUSEHOVER);
    EXPECT_TRUE(button.Hover());
    EXPECT_TRUE(button.Tracked());
    const QImage hover = test::Repaint(button);
    EXPECT_EQ(test::PixelAt(hover, kMiddle), hovered);
    EXPECT_EQ(test::PixelAt(hover, kLeftLine), kHoverLeft);
    test::KeepImage(hover, "window_hovered");

    Move();
    EXPECT_TRUE(button.Hover());

    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.Hover());
    EXPECT_FALSE(button.Tracked());
    const QImage left = test::Repaint(button);
    EXPECT_EQ(test::PixelAt(left, kMiddle), plain);
    EXPECT_NE(test::PixelAt(left, kLeftLine), kHoverLeft);
}

TEST_F(GradientButtonHover, FailedTrackingRequestIsRepeatedOnTheNextMove) {
    engine::SetTrackMouseEventFailure(true);
    Move();
    EXPECT_FALSE(button.Tracked());
    engine::SetTrackMouseEventFailure(false);
    Move();
    EXPECT_TRUE(button.Tracked());
    // Once tracked, further moves ask nothing: a failing request would clear the flag.
    engine::SetTrackMouseEventFailure(true);
    Move();
    EXPECT_TRUE(button.Tracked());
    // After the leave the next move asks again.
    button.SendMessage(WM_MOUSELEAVE);
    engine::SetTrackMouseEventFailure(false);
    Move();
    EXPECT_TRUE(button.Tracked());
}

TEST_F(GradientButtonHover, EraseRequestLeavesEveryPixel) {
    button.SendMessage(WM_MOUSEHOVER);
    const QImage before = test::Repaint(button);
    HDC hdc = engine::WindowOf(button.m_hWnd)->GetDC(false);
    EXPECT_TRUE(button.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc)));
    engine::WindowOf(button.m_hWnd)->ReleaseDC(hdc);
    EXPECT_EQ(engine::WindowOf(button.m_hWnd)->Surface().convertToFormat(QImage::Format_RGB32),
              before);
    // A repaint with erasing draws the same pixels again.
    button.Invalidate(TRUE);
    EXPECT_EQ(test::Repaint(button), before);
}
