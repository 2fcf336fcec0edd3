// Control hosting for the application.
#include "platform/ole/ControlContainer.h"

#include "platform/comm/CommControl.h"
#include "platform/ole/ControlHost.h"
#include "platform/win/HostedItemFactory.h"

void AfxEnableControlContainer() {
    platform::SetHostedItemFactory(&platform::CreateHostedControl);
    platform::RegisterCommControl();
}
