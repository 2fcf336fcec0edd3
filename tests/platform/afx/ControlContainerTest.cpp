// Enabling the control container: a control registered after it is hostable at once, and
// class texts that name no registered control give no window.
#include "platform/afx/ControlContainer.h"
#include "platform/afx/ControlHost.h"
#include "platform/afx/ControlRegistry.h"

#include <gtest/gtest.h>

namespace {

constexpr RECT kSite{0, 0, 25, 25};

// A hosted control's site window, as a dialog makes it.
template <class Clsid> HWND Host(const Clsid& clsid) {
    return afx::CreateHostedControl(clsid, "", WS_CHILD, kSite, nullptr, 1);
}

// A control layer whose registration comes only after hosting was enabled.
constexpr CLSID kLateClsid = {0x0BADF00D, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};

class LateControl : public afx::DispatchControl {
public:
    COleVariant GetProperty(DISPID) override { return {}; }
    void PutProperty(DISPID, const VARIANT&) override {}
};

void RegisterLateControl() {
    afx::RegisterControlClass(kLateClsid, [] { return std::make_unique<LateControl>(); });
}

TEST(ControlContainer, ARegistrationAfterEnablingTakesEffectAtOnce) {
    AfxEnableControlContainer();
    EXPECT_EQ(Host(kLateClsid), nullptr);
    afx::AddControlRegistration(&RegisterLateControl);
    HWND window = Host(kLateClsid);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(dynamic_cast<LateControl*>(afx::HostedControlOf(window)), nullptr);
    DestroyWindow(window);
}

TEST(ControlContainer, UnknownOrMalformedClassesGiveNoWindow) {
    EXPECT_EQ(Host(std::string("{00000000-0000-0000-0000-000000000001}")), nullptr);
    EXPECT_EQ(Host(std::string("648A5600-2C6E-101B-82B6-000000000014")), nullptr);
    EXPECT_EQ(Host(std::string()), nullptr);
}

} // namespace
