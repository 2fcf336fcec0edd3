// The hover-frame edit on screens of fractional ratio, placed where its edges fall between
// device pixels: the frame stays a closed line on the window's outermost device pixels.
#include "tests/controls/ControlHost.h"
#include "tests/controls/EditProbe.h"

#include "platform/linux/user/Window.h"
#include "support/ScaledScreen.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kHoverGreen = RGB(187, 200, 143);
// Odd coordinates: at 1.5 the edit's edges lie half a device pixel off the grid's start.
constexpr QRect kEdit{11, 61, 61, 21};

class HoverFrameEditScale : public testing::TestWithParam<double> {
protected:
    void SetUp() override {
        host.Attach(edit, "edit", "text", WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE,
                    CRect(kEdit.left(), kEdit.top(), kEdit.left() + kEdit.width(),
                          kEdit.top() + kEdit.height()),
                    1017);
        ASSERT_TRUE(
            test::MoveToScreen(engine::WindowOf(host.Window().m_hWnd)->Widget(), GetParam()));
    }

    // Whether every device pixel `ring` pixels inside the edge of `box` has `color`.
    static testing::AssertionResult RingIs(const QImage& image, const QRect& box, int ring,
                                           COLORREF color) {
        const QRect inner = box.adjusted(ring, ring, -ring, -ring);
        for (int x = inner.left(); x <= inner.right(); ++x) {
            for (int y = inner.top(); y <= inner.bottom(); ++y) {
                const bool onRing = x == inner.left() || x == inner.right() || y == inner.top() ||
                                    y == inner.bottom();
                if (onRing && test::PixelAt(image, x, y) != color) {
                    return testing::AssertionFailure()
                           << "ring " << ring << " at " << x << "," << y << " is " << std::hex
                           << test::PixelAt(image, x, y);
                }
            }
        }
        return testing::AssertionSuccess();
    }

    test::ControlHost host;
    test::EditProbe edit;
};

} // namespace

TEST_P(HoverFrameEditScale, HoverFrameIsAClosedLineOnTheEdge) {
    edit.SendMessage(WM_MOUSEHOVER);
    const QImage image = test::Grab(engine::WindowOf(host.Window().m_hWnd)->Widget());
    test::KeepImage(image, QString("hover-frame-%1x").arg(GetParam()), 2);
    const QRect box = test::DeviceRect(kEdit, GetParam());
    // The one-pixel outline is the pen's width at the ratio, rounded; the hover fill follows.
    const int outline = static_cast<int>(std::lround(GetParam()));
    for (int ring = 0; ring < outline; ++ring) {
        EXPECT_TRUE(RingIs(image, box, ring, kBlack));
    }
    EXPECT_TRUE(RingIs(image, box, outline, kHoverGreen));
    EXPECT_FALSE(RingIs(image, box.adjusted(-1, -1, 1, 1), 0, kBlack)) << "outside the edit";
}

INSTANTIATE_TEST_SUITE_P(Ratios, HoverFrameEditScale, testing::ValuesIn(test::kFractionalRatios));
