// Hosted control windows.
#include "platform/ole/HostWindow.h"

#include <QWidget>

namespace platform {

HostWindow::HostWindow(const WindowParams& params, std::unique_ptr<DispatchControl> control)
    : Window(params), m_control(std::move(control)) {
    // The control has no face on this platform: the widget stays hidden whatever the style.
    SetWidget(new QWidget);
    Widget()->setVisible(false);
}

// The control goes before the window, so that a port it holds is closed while the window
// still exists.
HostWindow::~HostWindow() {
    m_control.reset();
}

} // namespace platform
