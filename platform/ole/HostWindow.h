// The window of a hosted control: it owns the control and shows nothing. The dialog
// template engine creates it for a control entry by class identifier.
#pragma once

#include "platform/ole/DispatchControl.h"
#include "platform/ole/Guid.h"
#include "platform/win/Window.h"

#include <memory>

namespace platform {

class HostWindow : public Window {
public:
    HostWindow(const WindowParams& params, std::unique_ptr<DispatchControl> control);
    ~HostWindow() override;

    DispatchControl* Control() override { return m_control.get(); }
    // The control has no face on this platform, so the window stays hidden whatever its style.
    void SetStyle(DWORD style) override;

private:
    std::unique_ptr<DispatchControl> m_control;
};

// A hosted control's window for the class named by clsidText ("{...}"); nullptr when the
// text is no class identifier or no such class is registered.
std::unique_ptr<Window> CreateHostedControl(const CString& clsidText, const WindowParams& params);
// The same by class identifier.
std::unique_ptr<Window> CreateHostedControl(const CLSID& clsid, const WindowParams& params);

} // namespace platform
