// The hover-frame edit: tracking requests, hover and leave, the frame it paints in place
// of the system's, results passed through, and the hidden edit of the main dialog.
#include "tests/controls/ControlHost.h"
#include "tests/controls/EditProbe.h"

#include "platform/linux/user/Window.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kHoverGreen = RGB(187, 200, 143);
const CRect kEditRect(10, 60, 70, 80);

class HoverFrameEdit : public testing::Test {
protected:
    void SetUp() override {
        host.Attach(edit, "edit", "text", WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE, kEditRect,
                    1017);
    }
    void TearDown() override { engine::SetTrackMouseEventFailure(false); }

    // Keeps what the widget shows: the frame on the surface and the text over it.
    void KeepShown(const QString& name) {
        test::KeepImage(engine::WindowOf(edit.m_hWnd)->Widget()->grab().toImage(), name);
    }

    LRESULT Move() { return edit.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }

    // Whether every pixel of ring `ring` (0: outermost) of the window has `color`; else the
    // first pixel that has not.
    static testing::AssertionResult RingIs(const QImage& image, int ring, COLORREF color) {
        const int right = image.width() - 1 - ring;
        const int bottom = image.height() - 1 - ring;
        const auto differs = [&](int x, int y) { return test::PixelAt(image, x, y) != color; };
        const auto failure = [&](int x, int y) {
            return testing::AssertionFailure()
                   << "ring " << ring << " at " << x << "," << y << " is " << std::hex
                   << test::PixelAt(image, x, y) << ", not " << color;
        };
        for (int x = ring; x <= right; ++x) {
            for (const int y : {ring, bottom}) {
                if (differs(x, y)) {
                    return failure(x, y);
                }
            }
        }
        for (int y = ring; y <= bottom; ++y) {
            for (const int x : {ring, right}) {
                if (differs(x, y)) {
                    return failure(x, y);
                }
            }
        }
        return testing::AssertionSuccess();
    }
    static testing::AssertionResult IsFlatEdge(const QImage& image) {
        // The system's sunken edge would light the bottom and right sides and darken the
        // inner ring's top and left; the flat edge is one colour per ring.
        testing::AssertionResult outer = RingIs(image, 0, GetSysColor(COLOR_3DSHADOW));
        return outer ? RingIs(image, 1, GetSysColor(COLOR_3DFACE)) : outer;
    }

    test::ControlHost host;
    test::EditProbe edit;
};

} // namespace

TEST_F(HoverFrameEdit, OneTrackingRequestUntilThePointerLeaves) {
    Move();
    EXPECT_TRUE(edit.Tracking());
    // Further moves, the hover included, ask nothing: a failing request would clear it.
    engine::SetTrackMouseEventFailure(true);
    Move();
    edit.SendMessage(WM_MOUSEHOVER);
    Move();
    EXPECT_TRUE(edit.Tracking());
    EXPECT_TRUE(edit.Hover());

    edit.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(edit.Tracking());
    EXPECT_FALSE(edit.Hover());
    // The next entry asks again; a failed request leaves the flag clear and is retried.
    Move();
    EXPECT_FALSE(edit.Tracking());
    engine::SetTrackMouseEventFailure(false);
    Move();
    EXPECT_TRUE(edit.Tracking());
}

TEST_F(HoverFrameEdit, HoverAndLeaveCallTheirOperationsOnce) {
    edit.SendMessage(WM_MOUSELEAVE); // a leave without a hover before it
    EXPECT_EQ(edit.m_hoverEnds, 1);
    EXPECT_EQ(edit.m_hoverStarts, 0);
    Move();
    edit.SendMessage(WM_MOUSEHOVER);
    EXPECT_EQ(edit.m_hoverStarts, 1);
    edit.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(edit.m_hoverEnds, 2);
}

TEST_F(HoverFrameEdit, FrameIsFlatThenGreenWhileHovered) {
    const QImage idle = test::Repaint(edit);
    ASSERT_TRUE(IsFlatEdge(idle));
    KeepShown("edit_normal");

    Move();
    edit.SendMessage(WM_MOUSEHOVER);
    const QImage hovered = test::Repaint(edit);
    ASSERT_TRUE(RingIs(hovered, 0, kBlack));
    ASSERT_TRUE(RingIs(hovered, 1, kHoverGreen));
    KeepShown("edit_hovered");

    // Moving about inside keeps the hover frame.
    Move();
    edit.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    ASSERT_TRUE(RingIs(test::Repaint(edit), 1, kHoverGreen));

    edit.SendMessage(WM_MOUSELEAVE);
    EXPECT_TRUE(IsFlatEdge(test::Repaint(edit)));
}

TEST_F(HoverFrameEdit, BorderedEditGetsTheFlatEdgeInsteadOfItsBlackBorder) {
    test::EditProbe bordered;
    host.Attach(bordered, "edit", "", WS_VISIBLE | WS_BORDER, 0, CRect(10, 90, 70, 110), 1018);
    const QImage image = test::Repaint(bordered);
    EXPECT_TRUE(RingIs(image, 0, GetSysColor(COLOR_3DSHADOW)));
}

TEST_F(HoverFrameEdit, StandardResultsComeBackUnchanged) {
    EXPECT_EQ(Move(), test::kMoveResult);
    EXPECT_EQ(edit.SendMessage(WM_MOUSEHOVER), test::kHoverResult);
    EXPECT_EQ(edit.SendMessage(WM_MOUSELEAVE), test::kLeaveResult);
    CFont font;
    font.CreatePointFont(90, "宋体");
    edit.SetFont(&font, FALSE);
    EXPECT_EQ(edit.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(font.m_hObject));
    EXPECT_EQ(edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed")), TRUE);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "typed");
}

TEST_F(HoverFrameEdit, HiddenEditReactsToNothing) {
    test::EditProbe hidden;
    host.Attach(hidden, "edit", "", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                CRect(10, 120, 70, 140), 1019);
    host.Window().Invalidate(TRUE);
    test::Repaint(host.Window());
    QCoreApplication::processEvents();
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_EQ(hidden.Received(WM_NCPAINT), 0);
    EXPECT_EQ(hidden.Received(WM_PAINT), 0);
    EXPECT_EQ(hidden.Received(WM_MOUSEMOVE), 0);
    EXPECT_FALSE(hidden.Tracking());
    EXPECT_FALSE(hidden.Hover());
    EXPECT_EQ(hidden.m_hoverStarts + hidden.m_hoverEnds, 0);
}
