// The gradient button on scaled screens: the gradient's rows from white to the last colour
// of the look without gaps, the outline on the button's edge, and the caption drawn at the
// device resolution.
#include "controls/GradientPalette.h"
#include "tests/controls/ButtonProbe.h"
#include "tests/controls/ControlHost.h"

#include "platform/linux/user/Window.h"
#include "support/ScaledScreen.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr QRect kButton{30, 20, 88, 27};
// The gradient's rows, inside the edge (two pixels) and down to the bottom coordinate of
// the rectangle they fill.
constexpr int kEdge = 2;
constexpr COLORREF kFrameColor = RGB(55, 98, 6);
constexpr QRgb kCaptionInk = qRgb(0, 0, 0);
constexpr QRgb kRgbMask = 0xFFFFFF;
constexpr double kRatios[] = {test::kDoubleRatio, 1.25, test::kFractionalRatio, 1.75};

// The brush index whose colour a pixel has in the plain look, -1 for none.
int PlainStep(COLORREF colour) {
    for (int step = 0; step < gradient::kSteps; ++step) {
        if (gradient::StepColor(FALSE, FALSE, step) == colour) {
            return step;
        }
    }
    return -1;
}

class GradientButtonScale : public testing::TestWithParam<double> {
protected:
    void SetUp() override {
        host.Attach(button, "button", "MAC", WS_VISIBLE, 0,
                    CRect(kButton.left(), kButton.top(), kButton.left() + kButton.width(),
                          kButton.top() + kButton.height()),
                    1000);
        top = engine::WindowOf(host.Window().m_hWnd)->Widget();
        ASSERT_TRUE(test::MoveToScreen(top, GetParam()));
        image = test::Grab(top);
        test::KeepImage(image, QString("gradient-button-%1x").arg(GetParam()), 2);
    }

    double Ratio() const { return GetParam(); }

    test::ControlHost host;
    test::ButtonProbe button;
    QWidget* top = nullptr;
    QImage image;
};

} // namespace

TEST_P(GradientButtonScale, RowsRunFromWhiteToTheLastColourWithoutGaps) {
    // A column left of the caption, clear of the outline's rounded corners.
    const int column = test::DeviceRect(QRect(kButton.left() + 6, 0, 1, 1), Ratio()).left();
    const int first = test::DeviceRect(QRect(0, kButton.top() + kEdge, 1, 1), Ratio()).top();
    const int last =
        test::DeviceRect(QRect(0, kButton.bottom() + 1 - kEdge, 1, 1), Ratio()).bottom();
    EXPECT_EQ(test::PixelAt(image, column, first), RGB(255, 255, 255));
    EXPECT_EQ(test::PixelAt(image, column, last),
              gradient::StepColor(FALSE, FALSE, gradient::kLastStep));
    int previous = 0;
    for (int y = first; y <= last; ++y) {
        const int step = PlainStep(test::PixelAt(image, column, y));
        ASSERT_GE(step, previous) << "device row " << y << " at " << Ratio();
        previous = step;
    }
}

TEST_P(GradientButtonScale, OutlineLiesOnTheButtonsEdge) {
    // On the middle row: the host's background, then the outline, as wide as its one-pixel
    // pen at the ratio (rounded), on the button's outermost device pixels, then the inside.
    const int row = test::DeviceRect(QRect(0, kButton.center().y(), 1, 1), Ratio()).top();
    const QRect button = test::DeviceRect(kButton, Ratio());
    const int width = static_cast<int>(std::lround(Ratio()));
    for (int i = 0; i < width; ++i) {
        EXPECT_EQ(test::PixelAt(image, button.left() + i, row), kFrameColor) << i;
        EXPECT_EQ(test::PixelAt(image, button.right() - i, row), kFrameColor) << i;
    }
    EXPECT_NE(test::PixelAt(image, button.left() - 1, row), kFrameColor);
    EXPECT_NE(test::PixelAt(image, button.right() + 1, row), kFrameColor);
    EXPECT_NE(test::PixelAt(image, button.left() + width, row), kFrameColor);
    EXPECT_NE(test::PixelAt(image, button.right() - width, row), kFrameColor);
}

TEST_P(GradientButtonScale, CaptionIsDrawnAtTheDeviceResolution) {
    const test::InkBlocks blocks = test::CountInkBlocks(image, kButton, Ratio(), [](QRgb pixel) {
        return (pixel & kRgbMask) == (kCaptionInk & kRgbMask);
    });
    ASSERT_GT(blocks.inked, 0);
    EXPECT_LT(blocks.solid * 2, blocks.inked);
}

INSTANTIATE_TEST_SUITE_P(Ratios, GradientButtonScale, testing::ValuesIn(kRatios));
