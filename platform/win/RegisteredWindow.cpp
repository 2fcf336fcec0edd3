#include "platform/win/RegisteredWindow.h"

#include "platform/win/BridgeWidget.h"

#include <QWidget>

namespace platform {

RegisteredWindow::RegisteredWindow(const WindowParams& params, const WNDCLASS& windowClass)
    : Window(params) {
    SetProc(windowClass.lpfnWndProc);
    SetWidget(new BridgeWidget<QWidget>(this));
}

} // namespace platform
