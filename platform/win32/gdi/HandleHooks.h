// The engine's list of handle destruction hooks: whoever keeps something per handle (the
// framework's handle maps) hears here when a device context or GDI object is destroyed, so
// that nothing it keeps outlives the handle. A fixed list, so that objects destroyed while the
// program exits can still consult it.
#pragma once

#include <windows.h>

#include <array>

namespace platform {

class HandleHooks {
public:
    // Adds a hook; false when the list is full or already holds it.
    static bool Add(HANDLEDESTROYPROC proc);
    // Removes a hook; false when the list does not hold it.
    static bool Remove(HANDLEDESTROYPROC proc);
    // Calls every hook for a handle being destroyed.
    static void Destroyed(const void* handle);

private:
    static constexpr int kMaxHooks = 4;
    static std::array<HANDLEDESTROYPROC, kMaxHooks> s_hooks;
};

} // namespace platform
