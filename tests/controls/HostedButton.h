// The fixture of the gradient button tests: one button probe on a shown host window, the
// size of the setup dialog's buttons (88 x 27 pixels).
#pragma once

#include "tests/controls/ButtonProbe.h"
#include "tests/controls/ControlHost.h"

#include <gtest/gtest.h>

namespace test {

class HostedButton : public testing::Test {
protected:
    static constexpr UINT kButtonId = 1000;

    void SetUp() override {
        // Without the tab-stop style the button takes no focus by itself.
        host.Attach(button, "button", "", WS_VISIBLE, 0, CRect(10, 10, 98, 37), kButtonId);
    }

    ControlHost host;
    ButtonProbe button;
};

} // namespace test
