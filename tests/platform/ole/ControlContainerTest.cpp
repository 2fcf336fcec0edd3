// Enabling the control container: the communications control can be hosted only after it.
// (Kept in the first test file, since registration lasts for the whole program.)
#include "platform/afx/ControlContainer.h"
#include "platform/afx/ControlHost.h"
#include "platform/afx/ControlRegistry.h"
#include "platform/comm/CommControl.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kCommClsidText = "{648A5600-2C6E-101B-82B6-000000000014}";
constexpr RECT kSite{0, 0, 25, 25};

// A hosted control's site window, as a dialog makes it.
template <class Clsid> HWND Host(const Clsid& clsid) {
    return platform::CreateHostedControl(clsid, "", WS_CHILD, kSite, nullptr, 1);
}

TEST(ControlContainer, CommControlIsHostableOnlyOnceEnabled) {
    EXPECT_EQ(Host(std::string(kCommClsidText)), nullptr);
    EXPECT_EQ(platform::CreateControlInstance(platform::kCommControlClsid), nullptr);

    AfxEnableControlContainer();
    HWND window = Host(std::string(kCommClsidText));
    ASSERT_NE(window, nullptr);
    platform::DispatchControl* control = platform::HostedControlOf(window);
    ASSERT_NE(control, nullptr);
    EXPECT_NE(dynamic_cast<platform::comm::CommControl*>(control), nullptr);
    // Its start-up state: port 1, closed, 9600 8N1.
    EXPECT_EQ(control->GetProperty(platform::comm::kDispCommPort).iVal, 1);
    EXPECT_EQ(control->GetProperty(platform::comm::kDispPortOpen).boolVal, VARIANT_FALSE);
    EXPECT_EQ(platform::ByteText(control->GetProperty(platform::comm::kDispSettings).bstrVal),
              "9600,n,8,1");
    DestroyWindow(window);
    EXPECT_EQ(platform::HostedControlOf(window), nullptr);
}

// A control layer whose registration comes only after hosting was enabled.
constexpr CLSID kLateClsid = {0x0BADF00D, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};

class LateControl : public platform::DispatchControl {
public:
    COleVariant GetProperty(DISPID) override { return {}; }
    void PutProperty(DISPID, const VARIANT&) override {}
};

void RegisterLateControl() {
    platform::RegisterControlClass(kLateClsid, [] { return std::make_unique<LateControl>(); });
}

TEST(ControlContainer, ARegistrationAfterEnablingTakesEffectAtOnce) {
    AfxEnableControlContainer();
    EXPECT_EQ(Host(kLateClsid), nullptr);
    platform::AddControlRegistration(&RegisterLateControl);
    HWND window = Host(kLateClsid);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(dynamic_cast<LateControl*>(platform::HostedControlOf(window)), nullptr);
    DestroyWindow(window);
}

TEST(ControlContainer, UnknownOrMalformedClassesGiveNoWindow) {
    EXPECT_EQ(Host(std::string("{00000000-0000-0000-0000-000000000001}")), nullptr);
    EXPECT_EQ(Host(std::string("648A5600-2C6E-101B-82B6-000000000014")), nullptr);
    EXPECT_EQ(Host(std::string()), nullptr);
}

} // namespace
