#include "platform/afx/CHandleMap.h"

#include "platform/afx/CDC.h"
#include "platform/afx/CGdiObject.h"
#include <windows.h>

template <class Handle, class Wrapper>
CHandleMap<Handle, Wrapper>::CHandleMap(MakeProc make, ReleaseProc release)
    : m_make(make), m_release(release) {
    s_live = this;
    AddHandleDestroyHook(&HandleDestroyed);
}

template <class Handle, class Wrapper> CHandleMap<Handle, Wrapper>::~CHandleMap() {
    RemoveHandleDestroyHook(&HandleDestroyed);
    s_live = nullptr;
    // The handles outlive the map (the program is ending): the wrappers only let go of them.
    for (auto& [handle, wrapper] : m_permanent) {
        m_release(*wrapper);
    }
    for (auto& [handle, wrapper] : m_temporary) {
        m_release(*wrapper);
    }
}

template <class Handle, class Wrapper>
Wrapper* CHandleMap<Handle, Wrapper>::FromHandle(Handle handle) {
    if (!handle) {
        return nullptr;
    }
    if (const auto permanent = m_permanent.find(handle); permanent != m_permanent.end()) {
        return permanent->second;
    }
    std::unique_ptr<Wrapper>& temporary = m_temporary[handle];
    if (!temporary) {
        temporary = m_make(handle);
    }
    return temporary.get();
}

template <class Handle, class Wrapper>
void CHandleMap<Handle, Wrapper>::SetPermanent(Handle handle, Wrapper* wrapper) {
    if (handle && wrapper) {
        m_permanent.emplace(handle, wrapper);
    }
}

template <class Handle, class Wrapper>
void CHandleMap<Handle, Wrapper>::RemovePermanent(Handle handle, const Wrapper* wrapper) {
    const auto permanent = m_permanent.find(handle);
    if (permanent != m_permanent.end() && permanent->second == wrapper) {
        m_permanent.erase(permanent);
    }
}

template <class Handle, class Wrapper>
void CHandleMap<Handle, Wrapper>::HandleDestroyed(const void* handle) {
    if (s_live) {
        s_live->Forget(handle);
    }
}

template <class Handle, class Wrapper>
void CHandleMap<Handle, Wrapper>::Forget(const void* handle) {
    if (const auto permanent = m_permanent.find(handle); permanent != m_permanent.end()) {
        m_release(*permanent->second);
        m_permanent.erase(permanent);
    }
    if (const auto temporary = m_temporary.find(handle); temporary != m_temporary.end()) {
        // Out of the map before it is deleted, so that nothing it does on the way finds it.
        std::unique_ptr<Wrapper> wrapper = std::move(temporary->second);
        m_temporary.erase(temporary);
        m_release(*wrapper);
    }
}

template class CHandleMap<HDC, CDC>;
template class CHandleMap<HGDIOBJ, CGdiObject>;
