// The framework's wrapper of a GDI handle. A wrapper that created or attached a handle owns
// it and deletes it when destroyed.
#pragma once

#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;

    // The wrapper for a handle: the attached one, else a temporary one of the object's kind
    // that lives as long as the object itself; nullptr for a null handle.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    // Takes ownership of a handle; fails if this wrapper already holds one.
    BOOL Attach(HGDIOBJ hObject);
    // Gives up the handle without deleting it.
    HGDIOBJ Detach();
    // Deletes the handle (deferred while a device context has it selected).
    BOOL DeleteObject();

protected:
    // Handles are opaque here: a typed handle (HPEN, HBRUSH, ...) and HGDIOBJ convert into
    // each other as the casts of Win32 code do, without looking at the object behind them.
    template <class To, class From> static To HandleCast(From handle) {
        return reinterpret_cast<To>(handle);
    }
    // The handle this wrapper holds, as its typed handle.
    template <class Handle> Handle Typed() const { return HandleCast<Handle>(m_hObject); }
};
