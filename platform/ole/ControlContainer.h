// Control hosting for the application.
#pragma once

// Enables the hosting of controls: registers the platform's own control classes (the
// communications control). Until it is called no hosted control can be created.
void AfxEnableControlContainer();
