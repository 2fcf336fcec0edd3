// Control hosting for the application.
#include "platform/afx/ControlContainer.h"

#include <vector>

namespace afx {

namespace {

struct Container {
    std::vector<void (*)()> registrations;
    bool enabled = false;
};

Container& TheContainer() {
    static Container container;
    return container;
}

} // namespace

void AddControlRegistration(void (*registerControls)()) {
    Container& container = TheContainer();
    container.registrations.push_back(registerControls);
    if (container.enabled) {
        registerControls();
    }
}

} // namespace afx

void AfxEnableControlContainer() {
    afx::Container& container = afx::TheContainer();
    container.enabled = true;
    for (void (*registerControls)() : container.registrations) {
        registerControls();
    }
}
