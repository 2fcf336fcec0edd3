// The gradient fill: which brush paints which row, the colours of the four gradients and
// the rectangles of degenerate heights.
#include "controls/GradientPalette.h"
#include "tests/controls/ButtonProbe.h"
#include "tests/controls/ControlHost.h"

#include "platform/linux/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

// Fills `rect` on a `size` image that starts out kUntouched, in the given look.
QImage Fill(test::ButtonProbe& button, CRect rect, QSize size, BOOL bHover = FALSE,
            BOOL bEmphasized = FALSE) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(1, 2, 3));
    {
        engine::DeviceContext dc(image, {0, 0}, image.rect());
        button.SetLook(bHover, bEmphasized);
        button.FillGradient(CDC::FromHandle(&dc), rect);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

COLORREF G1(int index) {
    return gradient::StepColor(FALSE, FALSE, index);
}

} // namespace

TEST(GradientFill, StandardButtonPaintsTwentyFourRowsWithTheirBrushes) {
    test::ButtonProbe button;
    const QImage image = test::RenderItem(button, 0);
    const std::vector<int> brushes = {0,  2,  5,  8,  10, 13, 16, 19, 21, 24, 27, 30,
                                      32, 35, 38, 41, 43, 46, 49, 52, 54, 57, 60, 63};
    ASSERT_EQ(button.m_lastFill, CRect(2, 2, 86, 25));
    for (int k = 0; k < static_cast<int>(brushes.size()); ++k) {
        const int y = 2 + k;
        for (int x = 2; x <= 85; ++x) {
            ASSERT_EQ(test::PixelAt(image, x, y), G1(brushes[k])) << "x " << x << " y " << y;
        }
    }
    // Beside the rows, where the outline runs straight, the outline's interior shows.
    for (int y = 3; y <= 23; ++y) {
        EXPECT_EQ(test::PixelAt(image, 1, y), test::kInteriorColor) << "y " << y;
        EXPECT_EQ(test::PixelAt(image, 86, y), test::kInteriorColor) << "y " << y;
    }
    EXPECT_EQ(test::PixelAt(image, 44, 1), test::kInteriorColor);
}

TEST(GradientFill, RowsFollowTheHeight) {
    test::ButtonProbe button;
    const QImage one = Fill(button, CRect(0, 1, 4, 2), {4, 4});
    EXPECT_EQ(test::PixelAt(one, 0, 0), kUntouched);
    EXPECT_EQ(test::PixelAt(one, 0, 1), kWhite);
    EXPECT_EQ(test::PixelAt(one, 3, 2), G1(63));
    EXPECT_EQ(test::PixelAt(one, 0, 3), kUntouched);

    const QImage tall = Fill(button, CRect(0, 0, 2, 63), {2, 65});
    for (int k = 0; k <= 63; ++k) {
        EXPECT_EQ(test::PixelAt(tall, 1, k), G1(k)) << "row " << k;
    }
    EXPECT_EQ(test::PixelAt(tall, 0, 64), kUntouched);
}

TEST(GradientFill, EmptyAndInvertedRectangles) {
    test::ButtonProbe button;
    // Height 0: only the single row on the top coordinate, in white.
    const QImage empty = Fill(button, CRect(1, 2, 3, 2), {4, 4});
    EXPECT_EQ(test::PixelAt(empty, 1, 2), kWhite);
    EXPECT_EQ(test::PixelAt(empty, 2, 2), kWhite);
    EXPECT_EQ(test::PixelAt(empty, 3, 2), kUntouched);
    EXPECT_EQ(test::PixelAt(empty, 1, 1), kUntouched);
    EXPECT_EQ(test::PixelAt(empty, 1, 3), kUntouched);
    // Negative height: nothing at all.
    const QImage inverted = Fill(button, CRect(0, 3, 4, 1), {4, 4});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(test::PixelAt(inverted, x, y), kUntouched) << x << "," << y;
        }
    }
}

TEST(GradientFill, EachLookRunsFromWhiteToItsOwnLastColour) {
    struct Case {
        BOOL hover;
        BOOL emphasized;
        COLORREF middle; // brush 31
        COLORREF last;   // brush 63
    };
    const Case cases[] = {
        {FALSE, FALSE, RGB(245, 245, 249), RGB(234, 234, 243)},
        {FALSE, TRUE, RGB(245, 245, 248), RGB(234, 234, 240)},
        {TRUE, FALSE, RGB(248, 248, 249), RGB(240, 240, 243)},
        {TRUE, TRUE, RGB(248, 248, 245), RGB(240, 240, 234)},
    };
    test::ButtonProbe button;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hover " << c.hover << " emphasised " << c.emphasized);
        const QImage image = Fill(button, CRect(0, 0, 1, 63), {1, 64}, c.hover, c.emphasized);
        EXPECT_EQ(test::PixelAt(image, 0, 0), kWhite);
        EXPECT_EQ(test::PixelAt(image, 0, 31), c.middle);
        EXPECT_EQ(test::PixelAt(image, 0, 63), c.last);
    }
}

TEST(GradientFill, LeavesTheRectangleAsItWas) {
    test::ButtonProbe button;
    CRect rect(2, 2, 86, 25);
    QImage image(88, 27, QImage::Format_ARGB32_Premultiplied);
    engine::DeviceContext dc(image, {0, 0}, image.rect());
    button.FillGradient(CDC::FromHandle(&dc), rect);
    EXPECT_EQ(rect, CRect(2, 2, 86, 25));
}
