// The five looks of the gradient button: gradient, inner border lines and focus rectangle
// for each combination of hover, focus and emphasis.
#include "controls/GradientPalette.h"
#include "tests/controls/ControlHost.h"
#include "tests/controls/HostedButton.h"

#include "platform/linux/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Sample points on a 88 x 27 button: the fill's middle, each inner line away from the
// focus rectangle's dots, and two dots of the focus rectangle.
constexpr QPoint kMiddle{44, 14};
constexpr QPoint kLeft{2, 15};
constexpr QPoint kRight{85, 14};
constexpr QPoint kTop{45, 2};
constexpr QPoint kBottom{45, 25};
constexpr QPoint kLeftDot{2, 14};
constexpr QPoint kTopDot{44, 2};
// The fill's row at kMiddle (k = 12 of 23) uses brush 32.
constexpr int kMiddleBrush = 32;

struct Pens {
    COLORREF left;
    COLORREF right;
    COLORREF top;
    COLORREF bottom;
};
constexpr Pens kHoverPens{RGB(159, 175, 127), RGB(160, 180, 130), RGB(161, 190, 143),
                          RGB(140, 155, 0)};
constexpr Pens kFocusPens{RGB(153, 198, 252), RGB(162, 189, 252), RGB(162, 201, 255),
                          RGB(162, 201, 255)};

COLORREF Inverted(COLORREF color) {
    return color ^ RGB(255, 255, 255);
}

struct Look {
    const char* name;
    bool hovered;
    UINT itemState;
    BOOL gradientHover; // the gradient table the fill must use
    BOOL gradientEmphasized;
    std::optional<Pens> pens;
    bool focusRect;
};

const Look kLooks[] = {
    {"plain", false, 0, FALSE, FALSE, std::nullopt, false},
    {"pressed", false, ODS_SELECTED, FALSE, TRUE, std::nullopt, false},
    {"default", false, ODS_DEFAULT, FALSE, TRUE, std::nullopt, false},
    {"focused", false, ODS_FOCUS, FALSE, TRUE, kFocusPens, true},
    {"hovered", true, 0, TRUE, FALSE, kHoverPens, false},
    {"hovered_focused", true, ODS_FOCUS, TRUE, TRUE, kHoverPens, false},
    {"hovered_pressed", true, ODS_SELECTED, TRUE, TRUE, kHoverPens, false},
};

using GradientButtonLook = test::HostedButton;

} // namespace

TEST_F(GradientButtonLook, EachConditionShowsItsLook) {
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.name);
        button.SendMessage(look.hovered ? WM_MOUSEHOVER : WM_MOUSELEAVE);
        button.m_edgeCalls = 0;
        const QImage image = test::RenderItem(button, look.itemState);
        test::KeepImage(image, QString("look_") + look.name);

        const COLORREF fill =
            gradient::StepColor(look.gradientHover, look.gradientEmphasized, kMiddleBrush);
        EXPECT_EQ(test::PixelAt(image, kMiddle), fill);
        EXPECT_EQ(button.m_edgeCalls, look.pens ? 1 : 0);
        if (look.pens) {
            EXPECT_EQ(test::PixelAt(image, kLeft), look.pens->left);
            EXPECT_EQ(test::PixelAt(image, kRight), look.pens->right);
            EXPECT_EQ(test::PixelAt(image, kTop), look.pens->top);
            EXPECT_EQ(test::PixelAt(image, kBottom), look.pens->bottom);
            const COLORREF leftDot = test::PixelAt(image, kLeftDot);
            const COLORREF topDot = test::PixelAt(image, kTopDot);
            EXPECT_EQ(leftDot, look.focusRect ? Inverted(look.pens->left) : look.pens->left);
            EXPECT_EQ(topDot, look.focusRect ? Inverted(look.pens->top) : look.pens->top);
        } else {
            // No lines: the edge pixels show the fill of their rows.
            EXPECT_EQ(test::PixelAt(image, kLeft), test::PixelAt(image, 44, kLeft.y()));
            EXPECT_EQ(test::PixelAt(image, kRight), test::PixelAt(image, 44, kRight.y()));
            EXPECT_EQ(test::PixelAt(image, kLeftDot), test::PixelAt(image, 44, kLeftDot.y()));
        }
    }
}

TEST_F(GradientButtonLook, FlagsComeFromTheLastDrawRequest) {
    test::RenderItem(button, ODS_FOCUS);
    EXPECT_TRUE(button.Focused());
    EXPECT_TRUE(button.Emphasized());
    test::RenderItem(button, ODS_DEFAULT);
    EXPECT_FALSE(button.Focused());
    EXPECT_TRUE(button.Emphasized());
    test::RenderItem(button, 0);
    EXPECT_FALSE(button.Focused());
    EXPECT_FALSE(button.Emphasized());
}

TEST_F(GradientButtonLook, OutlineIsRoundedInTheFramePen) {
    constexpr COLORREF kFrame = RGB(55, 98, 6);
    const QImage image = test::RenderItem(button, 0);
    EXPECT_EQ(test::PixelAt(image, 44, 0), kFrame);
    EXPECT_EQ(test::PixelAt(image, 44, 26), kFrame);
    EXPECT_EQ(test::PixelAt(image, 0, 13), kFrame);
    EXPECT_EQ(test::PixelAt(image, 87, 13), kFrame);
    // The corners are cut off: the outermost corner pixels keep the background.
    EXPECT_EQ(test::PixelAt(image, 0, 0), test::kBackgroundColor);
    EXPECT_EQ(test::PixelAt(image, 87, 26), test::kBackgroundColor);
}

TEST_F(GradientButtonLook, InnerLinesRestoreThePenAndPosition) {
    QImage image(88, 27, QImage::Format_ARGB32_Premultiplied);
    engine::DeviceContext dc(image, {0, 0}, image.rect());
    CDC* pDC = CDC::FromHandle(&dc);
    CPen* pPen = pDC->GetCurrentPen();
    pDC->MoveTo(7, 9);
    button.SendMessage(WM_MOUSEHOVER);
    CRect rect(2, 2, 86, 25);
    button.DrawEdgeLines(pDC, rect);
    EXPECT_EQ(pDC->GetCurrentPen()->m_hObject, pPen->m_hObject);
    EXPECT_EQ(pDC->GetCurrentPosition(), CPoint(7, 9));
}
