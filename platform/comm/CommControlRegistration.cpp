// Makes the communications control known to the control container when the program is
// loaded, as installing a control makes it known to the system; the container registers it
// when the application enables control hosting. Every program that hosts the control links
// this file as an object of its own (the tavrin_comm_registration library): in the layer's
// static library nothing refers to it, so the linker would leave it out.
#include "platform/afx/ControlContainer.h"
#include "platform/comm/CommControl.h"

namespace {

struct CommControlRegistration {
    CommControlRegistration() { afx::AddControlRegistration(&comm::RegisterCommControl); }
};

const CommControlRegistration g_commControlRegistration;

} // namespace
