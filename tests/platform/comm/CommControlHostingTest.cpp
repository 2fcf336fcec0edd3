// Hosting the communications control as the program does: it can be hosted only once the
// control container is enabled, and starts on port 1, closed, at 9600 8N1.
// (Registration lasts for the whole program, so this is the only test of its program that
// enables the container.)
#include "platform/afx/ControlContainer.h"
#include "platform/afx/ControlHost.h"
#include "platform/afx/ControlRegistry.h"
#include "platform/comm/CommControl.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kCommClsidText = "{648A5600-2C6E-101B-82B6-000000000014}";
constexpr RECT kSite{0, 0, 25, 25};

HWND Host(const std::string& clsid) {
    return afx::CreateHostedControl(clsid, "", WS_CHILD, kSite, nullptr, 1);
}

TEST(ControlContainer, CommControlIsHostableOnlyOnceEnabled) {
    EXPECT_EQ(Host(std::string(kCommClsidText)), nullptr);
    EXPECT_EQ(afx::CreateControlInstance(comm::kCommControlClsid), nullptr);

    AfxEnableControlContainer();
    HWND window = Host(std::string(kCommClsidText));
    ASSERT_NE(window, nullptr);
    afx::DispatchControl* control = afx::HostedControlOf(window);
    ASSERT_NE(control, nullptr);
    EXPECT_NE(dynamic_cast<comm::CommControl*>(control), nullptr);
    // Its start-up state: port 1, closed, 9600 8N1.
    EXPECT_EQ(control->GetProperty(comm::kDispCommPort).iVal, 1);
    EXPECT_EQ(control->GetProperty(comm::kDispPortOpen).boolVal, VARIANT_FALSE);
    EXPECT_EQ(afx::ByteText(control->GetProperty(comm::kDispSettings).bstrVal), "9600,n,8,1");
    DestroyWindow(window);
    EXPECT_EQ(afx::HostedControlOf(window), nullptr);
}

} // namespace
