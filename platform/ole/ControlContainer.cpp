// Control hosting for the application.
#include "platform/ole/ControlContainer.h"

#include "platform/comm/CommControl.h"

void AfxEnableControlContainer() {
    platform::RegisterCommControl();
}
