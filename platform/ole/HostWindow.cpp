// Hosted control windows.
#include "platform/ole/HostWindow.h"

#include "platform/ole/ControlRegistry.h"

#include <QWidget>

namespace platform {

HostWindow::HostWindow(const WindowParams& params, std::unique_ptr<DispatchControl> control)
    : Window(params), m_control(std::move(control)) {
    SetWidget(new QWidget);
    Widget()->setVisible(false);
}

// The control goes before the window, so that a port it holds is closed while the window
// still exists.
HostWindow::~HostWindow() {
    m_control.reset();
}

void HostWindow::SetStyle(DWORD style) {
    Window::SetStyle(style);
    Widget()->setVisible(false);
}

std::unique_ptr<Window> CreateHostedControl(const CString& clsidText, const WindowParams& params) {
    const std::optional<GUID> clsid = ParseGuid(clsidText);
    if (!clsid) {
        return nullptr;
    }
    return CreateHostedControl(*clsid, params);
}

std::unique_ptr<Window> CreateHostedControl(const CLSID& clsid, const WindowParams& params) {
    std::unique_ptr<DispatchControl> control = CreateControlInstance(clsid);
    if (!control) {
        return nullptr;
    }
    return std::make_unique<HostWindow>(params, std::move(control));
}

} // namespace platform
