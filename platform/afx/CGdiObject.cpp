#include "platform/afx/CGdiObject.h"

#include "platform/afx/CHandleMap.h"

#include <map>

namespace {

std::map<DWORD, std::unique_ptr<CGdiObject> (*)()>& Makers() {
    static std::map<DWORD, std::unique_ptr<CGdiObject> (*)()> makers;
    return makers;
}

// A temporary wrapper of the class registered for the object's type, else of this one.
std::unique_ptr<CGdiObject> MakeTemporary(HGDIOBJ hObject) {
    const auto maker = Makers().find(GetObjectType(hObject));
    std::unique_ptr<CGdiObject> wrapper =
        maker != Makers().end() ? maker->second() : std::make_unique<CGdiObject>();
    wrapper->m_hObject = hObject;
    return wrapper;
}

void Release(CGdiObject& wrapper) {
    wrapper.m_hObject = nullptr;
}

unsigned long KindOf(HGDIOBJ hObject) {
    return ::GetObjectType(hObject);
}

CHandleMap<HGDIOBJ, CGdiObject>& Map() {
    static CHandleMap<HGDIOBJ, CGdiObject> map(&MakeTemporary, &Release, &KindOf);
    return map;
}

} // namespace

bool CGdiObject::RegisterMaker(DWORD objectType, MakeProc make) {
    Makers()[objectType] = make;
    return true;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return Map().FromHandle(hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject || m_hObject) {
        return FALSE;
    }
    m_hObject = hObject;
    Map().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    if (hObject) {
        Map().RemoveHandle(hObject, this);
    }
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    // Out of the map first, so that nothing finds this object for a handle that is gone.
    return ::DeleteObject(Detach());
}
