// A window reaching its hosted control: creation by class identifier, and property calls
// by dispatch id with the framework's argument types.
#include "platform/afx/CByteArray.h"
#include "platform/afx/COleDispatchException.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/ControlHost.h"
#include "platform/afx/ControlRegistry.h"
#include "platform/linux/user/Window.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr CLSID kProbeClsid = {0x1234ABCD, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
constexpr DISPID kRejected = 77;

// A control that keeps the value it was given and hands it back.
class ProbeControl : public afx::DispatchControl {
public:
    ProbeControl() { ++s_live; }
    ~ProbeControl() override { --s_live; }
    COleVariant GetProperty(DISPID) override { return value; }
    void PutProperty(DISPID dispid, const VARIANT& v) override {
        if (dispid == kRejected) {
            throw COleDispatchException("拒绝", 0, 42);
        }
        value = v;
    }
    COleVariant value;
    static inline int s_live = 0;
};

class HostedControl : public testing::Test {
protected:
    void SetUp() override {
        afx::RegisterControlClass(kProbeClsid, [] { return std::make_unique<ProbeControl>(); });
        ASSERT_TRUE(parent.Create("static", "", WS_POPUP, RECT{0, 0, 200, 100}, nullptr, 0));
        ASSERT_TRUE(wnd.CreateControl(kProbeClsid, "", WS_CHILD | WS_VISIBLE, RECT{5, 5, 30, 30},
                                      &parent, 1014));
        probe = dynamic_cast<ProbeControl*>(afx::HostedControlOf(wnd.m_hWnd));
        ASSERT_NE(probe, nullptr);
    }
    CWnd parent;
    CWnd wnd;
    ProbeControl* probe = nullptr;
};

TEST_F(HostedControl, IsAHiddenChildThatDiesWithItsWindow) {
    EXPECT_EQ(parent.GetDlgItem(1014), &wnd);
    EXPECT_FALSE(engine::WindowOf(wnd.m_hWnd)->Widget()->isVisible());
    CWnd unknown;
    EXPECT_FALSE(unknown.CreateControl(CLSID{}, "", WS_CHILD, RECT{}, &parent, 1015));
    EXPECT_EQ(ProbeControl::s_live, 1);
    wnd.DestroyWindow();
    EXPECT_EQ(ProbeControl::s_live, 0);
}

TEST_F(HostedControl, PropertyCallsCarryEachArgumentType) {
    const short port = 2;
    wnd.SetProperty(4, VT_I2, port);
    EXPECT_EQ(probe->value.vt, VT_I2);
    EXPECT_EQ(probe->value.iVal, 2);
    wnd.SetProperty(0x1D, VT_I4, 1L);
    EXPECT_EQ(probe->value.lVal, 1);
    wnd.SetProperty(0x17, VT_BSTR, "9600,n,8,1");
    EXPECT_EQ(afx::ByteText(probe->value.bstrVal), "9600,n,8,1");
    CByteArray frame;
    for (BYTE b : {0x53, 0x45, 0x00, 0xFF}) {
        frame.Add(b);
    }
    const COleVariant bytes(frame);
    wnd.SetProperty(0x19, VT_VARIANT, static_cast<const VARIANT*>(&bytes));
    EXPECT_EQ(afx::VariantBytes(probe->value), frame.Bytes());

    wnd.SetProperty(0x14, VT_BOOL, TRUE);
    EXPECT_EQ(probe->value.boolVal, VARIANT_TRUE);
    BOOL open = FALSE;
    wnd.GetProperty(0x14, VT_BOOL, &open);
    EXPECT_EQ(open, TRUE);
}

TEST_F(HostedControl, RejectionsArriveAsDispatchExceptions) {
    try {
        wnd.SetProperty(kRejected, VT_I2, 1);
        FAIL() << "no exception";
    } catch (const COleDispatchException& e) {
        EXPECT_EQ(e.m_wCode, 42);
        EXPECT_EQ(e.GetErrorMessage(), "拒绝");
    }
    BOOL value = FALSE;
    EXPECT_THROW(parent.GetProperty(1, VT_BOOL, &value), COleDispatchException); // no control
    EXPECT_THROW(wnd.SetProperty(1, VT_UI1, 1), COleDispatchException);          // no such type
    wnd.SetProperty(1, VT_BSTR, "x");
    EXPECT_THROW(wnd.GetProperty(1, VT_BOOL, &value), COleDispatchException); // mismatch
}

} // namespace
