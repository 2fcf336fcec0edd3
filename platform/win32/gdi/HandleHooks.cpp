#include "platform/win32/gdi/HandleHooks.h"

#include <algorithm>

namespace platform {

constinit std::array<HANDLEDESTROYPROC, HandleHooks::kMaxHooks> HandleHooks::s_hooks{};

bool HandleHooks::Add(HANDLEDESTROYPROC proc) {
    if (!proc || std::find(s_hooks.begin(), s_hooks.end(), proc) != s_hooks.end()) {
        return false;
    }
    const auto free = std::find(s_hooks.begin(), s_hooks.end(), nullptr);
    if (free == s_hooks.end()) {
        return false;
    }
    *free = proc;
    return true;
}

bool HandleHooks::Remove(HANDLEDESTROYPROC proc) {
    const auto slot = proc ? std::find(s_hooks.begin(), s_hooks.end(), proc) : s_hooks.end();
    if (slot == s_hooks.end()) {
        return false;
    }
    *slot = nullptr;
    return true;
}

void HandleHooks::Destroyed(const void* handle) {
    for (HANDLEDESTROYPROC proc : s_hooks) {
        if (proc) {
            proc(handle);
        }
    }
}

} // namespace platform
