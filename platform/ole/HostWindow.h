// The window of a hosted control: it owns the control and shows nothing.
#pragma once

#include "platform/ole/DispatchControl.h"
#include "platform/win/Window.h"

#include <memory>

namespace platform {

class HostWindow : public Window {
public:
    HostWindow(const WindowParams& params, std::unique_ptr<DispatchControl> control);
    ~HostWindow() override;

    DispatchControl* Control() override { return m_control.get(); }

private:
    std::unique_ptr<DispatchControl> m_control;
};

} // namespace platform
