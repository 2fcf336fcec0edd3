// The framework's wrapper of a GDI handle. A wrapper that created or attached a handle owns
// it and deletes it when destroyed.
#pragma once

#include <windows.h>

#include <memory>

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

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

    // Makes the temporary wrappers of handles whose object is of objectType (OBJ_PEN...) of
    // class Wrapper. Each wrapper class registers itself as the program is loaded, so that a
    // temporary has its object's class while this class knows none of them; it does so in the
    // file of its FromHandle and creation functions, which a program using the class links.
    template <class Wrapper> static bool RegisterWrapperClass(DWORD objectType) {
        return RegisterMaker(objectType, [] { return std::unique_ptr<CGdiObject>(new Wrapper); });
    }

protected:
    // Handles are opaque here: a typed handle (HPEN, HBRUSH, ...) and HGDIOBJ convert into
    // each other as the casts of Win32 code do, without looking at the object behind them.
    template <class To, class From> static To HandleCast(From handle) {
        return reinterpret_cast<To>(handle);
    }
    // The handle this wrapper holds, as its typed handle.
    template <class Handle> Handle Typed() const { return HandleCast<Handle>(m_hObject); }
    // Attaches the object that make() creates, unless this wrapper already holds one (then
    // nothing is created).
    template <class Make> BOOL AttachNew(Make make) {
        return m_hObject == nullptr && Attach(HandleCast<HGDIOBJ>(make()));
    }

private:
    using MakeProc = std::unique_ptr<CGdiObject> (*)();
    static bool RegisterMaker(DWORD objectType, MakeProc make);
};
