#include "platform/linux/user/RegisteredWindow.h"

#include "platform/linux/user/BridgeWidget.h"

#include <QWidget>

namespace engine {

RegisteredWindow::RegisteredWindow(const WindowParams& params, const WNDCLASS& windowClass)
    : Window(params) {
    SetProc(windowClass.lpfnWndProc);
    SetWidget(new BridgeWidget<QWidget>(this));
}

} // namespace engine
