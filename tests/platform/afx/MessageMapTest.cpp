// Message maps: dispatch to typed handlers, chaining to the base class's map, Default().
#include "platform/afx/CDC.h"
#include "platform/afx/CHandleMap.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/MessageMapEntries.h"
#include "platform/linux/user/Window.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr UINT kChildId = 42;
constexpr UINT kRawMessage = WM_USER + 7;

class CBaseRecorder : public CWnd {
public:
    std::vector<CString> calls;
    CPoint lastPoint;
    UINT lastFlags = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) {
        calls.push_back(CString("base create ") + lpCreateStruct->lpszName);
        return CWnd::OnCreate(lpCreateStruct);
    }
    void OnMouseMove(UINT nFlags, CPoint point) {
        calls.push_back("base move");
        lastFlags = nFlags;
        lastPoint = point;
    }
    void OnSysCommand(UINT nID, LPARAM) {
        calls.push_back("base syscommand " + std::to_string(nID));
    }
    void OnFirst() { calls.push_back("base first"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseRecorder, CWnd)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_SYSCOMMAND()
ON_BN_CLICKED(kChildId, OnFirst)
END_MESSAGE_MAP()

class CDerivedRecorder : public CBaseRecorder {
public:
    UINT lastCtlColor = 0;
    CWnd* lastCtlWnd = nullptr;
    LRESULT rawResult = 0;
    bool callDefaultOnText = true;

protected:
    void OnSysCommand(UINT nID, LPARAM lParam) {
        calls.push_back("derived syscommand " + std::to_string(nID));
        CBaseRecorder::OnSysCommand(nID, lParam);
    }
    HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor) {
        lastCtlColor = nCtlColor;
        lastCtlWnd = pWnd;
        return nullptr;
    }
    LRESULT OnRaw(WPARAM wParam, LPARAM lParam) {
        calls.push_back("raw " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 77;
    }
    LRESULT OnSetText(WPARAM, LPARAM) {
        calls.push_back("settext");
        return callDefaultOnText ? Default() : TRUE;
    }
    void OnChange() { calls.push_back("derived change"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedRecorder, CBaseRecorder)
ON_WM_SYSCOMMAND()
ON_WM_CTLCOLOR()
ON_MESSAGE(kRawMessage, OnRaw)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_EN_CHANGE(kChildId, OnChange)
END_MESSAGE_MAP()

// Sends a message of its own from a handler before calling Default.
class CNested : public CWnd {
protected:
    LRESULT OnSetText(WPARAM, LPARAM) {
        SendMessage(kRawMessage, 1, 2);
        return Default();
    }
    LRESULT OnRaw(WPARAM, LPARAM) { return 5; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNested, CWnd)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(kRawMessage, OnRaw)
END_MESSAGE_MAP()

class CRefuser : public CWnd {
protected:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRefuser, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

// A hidden top-level window of the static class to send messages to.
void CreateHidden(CWnd& wnd, LPCTSTR text = "recorder") {
    ASSERT_TRUE(wnd.Create("static", text, 0, RECT{0, 0, 40, 20}, nullptr, 0));
}

TEST(MessageMap, TypedHandlersReceiveUnpackedParameters) {
    CDerivedRecorder wnd;
    CreateHidden(wnd, "名字");
    ASSERT_EQ(wnd.calls.size(), 1U);
    EXPECT_EQ(wnd.calls[0], "base create 名字");

    // Coordinates are signed 16-bit values in the two halves of lParam.
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT,
                    MAKELPARAM(static_cast<WORD>(-3), static_cast<WORD>(17)));
    EXPECT_EQ(wnd.calls.back(), "base move");
    EXPECT_EQ(wnd.lastFlags, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(wnd.lastPoint.x, -3);
    EXPECT_EQ(wnd.lastPoint.y, 17);

    CWnd other;
    CreateHidden(other);
    wnd.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(other.m_hWnd));
    EXPECT_EQ(wnd.lastCtlColor, CTLCOLOR_STATIC);
    EXPECT_EQ(wnd.lastCtlWnd, &other);
    wnd.SendMessage(WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(other.m_hWnd));
    EXPECT_EQ(wnd.lastCtlColor, CTLCOLOR_EDIT);
    wnd.SendMessage(WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(wnd.m_hWnd));
    EXPECT_EQ(wnd.lastCtlColor, CTLCOLOR_DLG);
    EXPECT_EQ(wnd.lastCtlWnd, &wnd);

    EXPECT_EQ(wnd.SendMessage(kRawMessage, 5, -6), 77);
    EXPECT_EQ(wnd.calls.back(), "raw 5 -6");
}

TEST(MessageMap, DerivedEntriesComeFirstAndUnlistedMessagesReachTheBaseMap) {
    CDerivedRecorder wnd;
    CreateHidden(wnd);
    wnd.calls.clear();

    wnd.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_EQ(wnd.calls.size(), 2U);
    EXPECT_EQ(wnd.calls[0], "derived syscommand " + std::to_string(SC_CLOSE));
    EXPECT_EQ(wnd.calls[1], "base syscommand " + std::to_string(SC_CLOSE));

    wnd.calls.clear();
    wnd.SendMessage(WM_MOUSEMOVE, 0, 0); // only in the base map
    EXPECT_EQ(wnd.calls, std::vector<CString>{"base move"});
}

TEST(MessageMap, CommandEntriesMatchBothIdAndNotificationCode) {
    CDerivedRecorder wnd;
    CreateHidden(wnd);
    wnd.calls.clear();

    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, EN_CHANGE), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId + 1, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, CBN_SELCHANGE), 0);
    EXPECT_EQ(wnd.calls, (std::vector<CString>{"base first", "derived change"}));
}

TEST(MessageMap, DefaultRunsTheWindowClassBehaviour) {
    CDerivedRecorder wnd;
    CreateHidden(wnd);

    wnd.SetWindowText("新的");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "新的");

    wnd.callDefaultOnText = false; // a handler that swallows the message
    wnd.SetWindowText("丢掉");
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "新的");
    EXPECT_EQ(wnd.calls.back(), "settext");
}

TEST(MessageMap, DefaultInsideANestedMessageRunsTheInnerMessage) {
    // A handler that sends another message and then calls Default must get the default of
    // its own message, not of the one it sent.
    CNested wnd;
    CreateHidden(wnd);
    wnd.SetWindowText("内层");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "内层");
}

TEST(MessageMap, CreateFailsWhenOnCreateRefuses) {
    CRefuser wnd;
    EXPECT_FALSE(wnd.Create("static", "x", 0, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

} // namespace

// A window that, inside one message, takes a temporary object for another window and sends
// itself a second message before using it again.
class CNester : public CWnd {
public:
    HWND other = nullptr;
    HWND seenAfterNested = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRawMessage) {
            CWnd* temporary = CWnd::FromHandle(other);
            SendMessage(kRawMessage + 1, 0, 0);
            seenAfterNested = temporary->m_hWnd;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(MessageMap, TemporaryObjectsLastUntilTheOutermostMessageReturns) {
    CNester wnd;
    CreateHidden(wnd);
    HWND raw =
        CreateWindowEx(0, "static", "raw", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(raw, nullptr);
    wnd.other = raw;
    // The sanitizers see a use after free if the nested message's return freed it.
    wnd.SendMessage(kRawMessage, 0, 0);
    EXPECT_EQ(wnd.seenAfterNested, raw);
    // Outside any message, a temporary object lasts until the temporaries are deleted.
    CWnd* outside = CWnd::FromHandle(raw);
    wnd.SendMessage(kRawMessage + 1, 0, 0);
    EXPECT_EQ(outside->m_hWnd, raw);
    AfxDeleteTempMaps();
    ::DestroyWindow(raw);
}
