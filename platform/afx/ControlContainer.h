// Control hosting for the application.
#pragma once

namespace afx {

// Adds a function that registers control classes (with RegisterControlClass); it runs when
// the application enables control hosting, or at once if it already has. The control layers
// above this one make their controls known this way, so the container knows none of them.
void AddControlRegistration(void (*registerControls)());

} // namespace afx

// Enables the hosting of controls: runs the control registrations, so that the controls of
// the platform (the communications control) can be created, by class identifier or by a
// dialog template's item. Until it is called none of them is registered.
void AfxEnableControlContainer();
