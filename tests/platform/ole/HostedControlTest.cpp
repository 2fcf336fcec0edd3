// A window reaching its hosted control: creation by class identifier and property calls by
// dispatch id with the framework's argument types.
#include "platform/ole/COleDispatchException.h"
#include "platform/ole/ControlRegistry.h"
#include "platform/win/CWnd.h"
#include "platform/win/Window.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr CLSID kProbeClsid = {0x1234ABCD, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
constexpr DISPID kRejected = 77;
constexpr WORD kProbeError = 42;

// A control that remembers what it was given and hands back a preset value.
class ProbeControl : public platform::DispatchControl {
public:
    ProbeControl() { ++s_live; }
    ~ProbeControl() override { --s_live; }

    COleVariant GetProperty(DISPID dispid) override {
        lastGet = dispid;
        return answer;
    }
    void PutProperty(DISPID dispid, const VARIANT& value) override {
        if (dispid == kRejected) {
            throw COleDispatchException("拒绝", 0, kProbeError);
        }
        lastPut = dispid;
        received = value;
    }

    DISPID lastGet = 0;
    DISPID lastPut = 0;
    COleVariant received;
    COleVariant answer;
    static inline int s_live = 0;
};

class HostedControl : public testing::Test {
protected:
    void SetUp() override {
        platform::RegisterControlClass(kProbeClsid,
                                       [] { return std::make_unique<ProbeControl>(); });
        ASSERT_TRUE(parent.Create("static", "", WS_POPUP, RECT{0, 0, 200, 100}, nullptr, 0));
        ASSERT_TRUE(wnd.CreateControl(kProbeClsid, "", WS_CHILD | WS_VISIBLE, RECT{5, 5, 30, 30},
                                      &parent, 1014));
        probe = dynamic_cast<ProbeControl*>(wnd.m_hWnd->Control());
        ASSERT_NE(probe, nullptr);
    }

    CWnd parent;
    CWnd wnd;
    ProbeControl* probe = nullptr;
};

TEST_F(HostedControl, IsAHiddenChildWithItsIdAndDiesWithItsWindow) {
    EXPECT_EQ(parent.GetDlgItem(1014), &wnd);
    EXPECT_EQ(wnd.GetDlgCtrlID(), 1014);
    ASSERT_NE(wnd.m_hWnd->Widget(), nullptr);
    EXPECT_FALSE(wnd.m_hWnd->Widget()->isVisible());
    EXPECT_EQ(ProbeControl::s_live, 1);
    wnd.DestroyWindow();
    EXPECT_EQ(ProbeControl::s_live, 0);
}

TEST_F(HostedControl, UnknownClassCreatesNothing) {
    CWnd other;
    EXPECT_FALSE(other.CreateControl(CLSID{}, "", WS_CHILD, RECT{}, &parent, 1015));
    EXPECT_EQ(other.m_hWnd, nullptr);
    EXPECT_EQ(parent.GetDlgItem(1015), nullptr);
}

TEST_F(HostedControl, SetPropertyPassesEachArgumentTypeOn) {
    const short port = 2;
    wnd.SetProperty(4, VT_I2, port);
    EXPECT_EQ(probe->lastPut, 4);
    EXPECT_EQ(probe->received.vt, VT_I2);
    EXPECT_EQ(probe->received.iVal, 2);

    wnd.SetProperty(0x14, VT_BOOL, TRUE);
    EXPECT_EQ(probe->received.vt, VT_BOOL);
    EXPECT_EQ(probe->received.boolVal, VARIANT_TRUE);

    wnd.SetProperty(0x1D, VT_I4, 1L);
    EXPECT_EQ(probe->received.vt, VT_I4);
    EXPECT_EQ(probe->received.lVal, 1);

    wnd.SetProperty(0x17, VT_BSTR, "9600,n,8,1");
    EXPECT_EQ(probe->received.bstrVal, "9600,n,8,1");

    COleVariant bytes;
    bytes.vt = VT_ARRAY | VT_UI1;
    bytes.bytes = {0x53, 0x45, 0x00, 0xFF};
    wnd.SetProperty(0x19, VT_VARIANT, static_cast<const VARIANT*>(&bytes));
    EXPECT_EQ(probe->received.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(probe->received.bytes, bytes.bytes);
}

TEST_F(HostedControl, GetPropertyConvertsToTheAskedType) {
    probe->answer = COleVariant::FromBool(true);
    BOOL open = FALSE;
    wnd.GetProperty(0x14, VT_BOOL, &open);
    EXPECT_EQ(probe->lastGet, 0x14);
    EXPECT_EQ(open, TRUE);

    probe->answer = COleVariant(SHORT{2});
    short port = 0;
    wnd.GetProperty(4, VT_I2, &port);
    EXPECT_EQ(port, 2);

    probe->answer = COleVariant("x");
    CString text;
    wnd.GetProperty(0x17, VT_BSTR, &text);
    EXPECT_EQ(text, "x");
    EXPECT_THROW(wnd.GetProperty(4, VT_I2, &port), COleDispatchException);
}

TEST_F(HostedControl, ControlErrorsAndMissingControlsRaiseDispatchExceptions) {
    try {
        wnd.SetProperty(kRejected, VT_I2, 1);
        FAIL() << "no exception";
    } catch (const COleDispatchException& e) {
        EXPECT_EQ(e.m_wCode, kProbeError);
        EXPECT_EQ(e.GetErrorMessage(), "拒绝");
    }
    BOOL value = FALSE;
    EXPECT_THROW(parent.GetProperty(1, VT_BOOL, &value), COleDispatchException);
    EXPECT_THROW(parent.SetProperty(1, VT_BOOL, TRUE), COleDispatchException);
    EXPECT_THROW(wnd.SetProperty(1, VT_UI1, 1), COleDispatchException);
}

} // namespace
