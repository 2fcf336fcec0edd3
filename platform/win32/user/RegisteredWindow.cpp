#include "platform/win32/user/RegisteredWindow.h"

#include "platform/win32/user/BridgeWidget.h"

#include <QWidget>

namespace platform {

RegisteredWindow::RegisteredWindow(const WindowParams& params, const WNDCLASS& windowClass)
    : Window(params) {
    SetProc(windowClass.lpfnWndProc);
    SetWidget(new BridgeWidget<QWidget>(this));
}

} // namespace platform
