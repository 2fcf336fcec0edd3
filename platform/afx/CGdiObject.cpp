#include "platform/afx/CGdiObject.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CHandleMap.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CRgn.h"
#include <windows.h>

namespace {

// A temporary wrapper of the class that fits the object's type.
std::unique_ptr<CGdiObject> MakeTemporary(HGDIOBJ hObject) {
    std::unique_ptr<CGdiObject> wrapper;
    switch (GetObjectType(hObject)) {
    case OBJ_PEN:
        wrapper = std::make_unique<CPen>();
        break;
    case OBJ_BRUSH:
        wrapper = std::make_unique<CBrush>();
        break;
    case OBJ_FONT:
        wrapper = std::make_unique<CFont>();
        break;
    case OBJ_BITMAP:
        wrapper = std::make_unique<CBitmap>();
        break;
    case OBJ_REGION:
        wrapper = std::make_unique<CRgn>();
        break;
    default:
        wrapper = std::make_unique<CGdiObject>();
        break;
    }
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

CGdiObject::~CGdiObject() {
    DeleteObject();
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
