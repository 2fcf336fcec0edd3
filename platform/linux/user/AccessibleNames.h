// The names screen readers find for a dialog's input controls: as on Windows, a control
// without a name of its own is named after its label.
#pragma once

#include "platform/linux/user/Window.h"

#include <memory>
#include <vector>

namespace engine {

// Gives each visible input control among a dialog's children (in template order) that has
// no accessible name the text of its label: the label to its left on its row, else a label
// just before it in template order.
void NameControlsByLabels(const std::vector<std::unique_ptr<Window>>& children);

} // namespace engine
