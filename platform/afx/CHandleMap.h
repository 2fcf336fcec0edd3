// The framework's map from handles to the wrappers that stand for them. A wrapper that
// attached a handle is its permanent wrapper until it detaches it; any other handle gets a
// temporary wrapper on first request, owned by the map. When the engine destroys a handle the
// map forgets it: the temporary wrapper is deleted and a permanent one lets go of the handle,
// so that no wrapper outlives its handle or keeps a stale one. Used for HDC (CDC) and HGDIOBJ
// (CGdiObject); the engine's handles are never dereferenced here.
#pragma once

#include <memory>
#include <unordered_map>

template <class Handle, class Wrapper> class CHandleMap {
public:
    // Makes a temporary wrapper holding the handle; Release makes a wrapper let go of its
    // handle without deleting it.
    using MakeProc = std::unique_ptr<Wrapper> (*)(Handle handle);
    using ReleaseProc = void (*)(Wrapper& wrapper);

    CHandleMap(MakeProc make, ReleaseProc release);
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap();

    // The permanent wrapper, else the temporary one (made now if needed); nullptr for null.
    Wrapper* FromHandle(Handle handle);
    // Makes the wrapper the handle's permanent one, unless it already has one.
    void SetPermanent(Handle handle, Wrapper* wrapper);
    // Drops the wrapper as the handle's permanent one, if it is.
    void RemovePermanent(Handle handle, const Wrapper* wrapper);

private:
    // The engine's destruction hook; the live map of this kind forgets the handle.
    static void HandleDestroyed(const void* handle);
    void Forget(const void* handle);

    MakeProc m_make;
    ReleaseProc m_release;
    std::unordered_map<const void*, Wrapper*> m_permanent;
    std::unordered_map<const void*, std::unique_ptr<Wrapper>> m_temporary;
    // The one map of this kind; the engine's hook reaches it here.
    inline static CHandleMap* s_live = nullptr;
};
