// Hover and leave notifications through _TrackMouseEvent.
#include "support/WinTestSupport.h"

#include "platform/afx/CButton.h"
#include "platform/afx/CPoint.h"
#include "platform/afx/MessageMapEntries.h"
#include <commctrl.h>
#include <windows.h>

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr UINT kTrackedId = 500;
constexpr UINT kOtherId = 501;
constexpr DWORD kHoverMs = 60;
constexpr int kWaitMs = 400;

class CTrackedButton : public CButton {
public:
    int hovers = 0;
    int leaves = 0;
    CPoint hoverAt;
    BOOL trackResult = FALSE;
    bool tracking = false;

protected:
    void OnMouseMove(UINT nFlags, CPoint point) {
        if (!tracking) {
            TRACKMOUSEEVENT tme;
            tme.cbSize = sizeof(TRACKMOUSEEVENT);
            tme.dwFlags = TME_HOVER | TME_LEAVE;
            tme.hwndTrack = m_hWnd;
            tme.dwHoverTime = kHoverMs;
            trackResult = _TrackMouseEvent(&tme);
            tracking = trackResult != FALSE;
        }
        CButton::OnMouseMove(nFlags, point);
    }
    LRESULT OnMouseHover(WPARAM, LPARAM lParam) {
        ++hovers;
        hoverAt = CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    LRESULT OnMouseLeave(WPARAM, LPARAM) {
        ++leaves;
        tracking = false;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTrackedButton, CButton)
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

using CTrackingDialog = wintest::OneControlDialog<CTrackedButton, kTrackedId>;

UINT TrackingTemplate() {
    static const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kTrackedId, "button", "悬停", 10, 10, 59, 18, WS_TABSTOP | WS_VISIBLE),
        wintest::DialogItem(kOtherId, "button", "别处", 10, 60, 59, 18, WS_TABSTOP | WS_VISIBLE),
    }));
    return id;
}

TEST(MouseTracking, HoverOnceAfterRestingThenLeave) {
    CTrackingDialog dialog(TrackingTemplate());
    wintest::RunModal(dialog, [&] {
        CTrackedButton& button = dialog.m_control;
        QWidget* widget = wintest::WidgetOf(button);
        wintest::MouseMove(widget, QPoint(5, 6));
        wintest::MouseMove(widget, QPoint(7, 8));
        EXPECT_TRUE(button.trackResult);
        EXPECT_EQ(button.hovers, 0) << "no hover before the pointer has rested";
        QTRY_COMPARE_WITH_TIMEOUT(button.hovers, 1, kWaitMs);
        EXPECT_EQ(button.hoverAt, CPoint(7, 8));
        QTest::qWait(3 * kHoverMs);
        EXPECT_EQ(button.hovers, 1) << "hover tracking ends with its notification";
        EXPECT_EQ(button.leaves, 0);

        wintest::MouseMove(wintest::WidgetOf(dialog), QPoint(250, 5));
        QTRY_COMPARE_WITH_TIMEOUT(button.leaves, 1, kWaitMs);
        QTest::qWait(kHoverMs);
        EXPECT_EQ(button.leaves, 1);
        EXPECT_EQ(button.hovers, 1);

        // Tracking again after the leave works the same way.
        wintest::MouseMove(widget, QPoint(10, 10));
        QTRY_COMPARE_WITH_TIMEOUT(button.hovers, 2, kWaitMs);
        wintest::MouseMove(wintest::WidgetOf(dialog), QPoint(250, 5));
        QTRY_COMPARE_WITH_TIMEOUT(button.leaves, 2, kWaitMs);
    });
}

TEST(MouseTracking, LeavingBeforeTheHoverTimeGivesOnlyTheLeave) {
    CTrackingDialog dialog(TrackingTemplate());
    wintest::RunModal(dialog, [&] {
        CTrackedButton& button = dialog.m_control;
        wintest::MouseMove(wintest::WidgetOf(button), QPoint(5, 5));
        wintest::MouseMove(wintest::WidgetOf(dialog), QPoint(250, 5));
        QTRY_COMPARE_WITH_TIMEOUT(button.leaves, 1, kWaitMs);
        QTest::qWait(3 * kHoverMs);
        EXPECT_EQ(button.hovers, 0);
    });
}

TEST(MouseTracking, RequestsFailWhenToldToAndForBadArguments) {
    CTrackingDialog dialog(TrackingTemplate());
    wintest::RunModal(dialog, [&] {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = nullptr;
        EXPECT_FALSE(_TrackMouseEvent(&tme));
        tme.hwndTrack = dialog.m_control.m_hWnd;
        tme.cbSize = 0;
        EXPECT_FALSE(_TrackMouseEvent(&tme));
        tme.cbSize = sizeof(tme);
        engine::SetTrackMouseEventFailure(true);
        EXPECT_FALSE(_TrackMouseEvent(&tme));
        engine::SetTrackMouseEventFailure(false);
        EXPECT_TRUE(_TrackMouseEvent(&tme));
    });
}

} // namespace
