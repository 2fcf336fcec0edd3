// The control classes that can be hosted, by class identifier.
#pragma once

#include "platform/afx/DispatchControl.h"

#include <functional>
#include <memory>

namespace afx {

using ControlFactory = std::function<std::unique_ptr<DispatchControl>()>;

// Makes a class creatable under clsid; a later registration of the same clsid replaces it.
void RegisterControlClass(const CLSID& clsid, ControlFactory factory);
// A new instance of the class registered under clsid, or nullptr when none is.
std::unique_ptr<DispatchControl> CreateControlInstance(const CLSID& clsid);

} // namespace afx
