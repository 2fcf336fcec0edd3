#include "platform/gdi/CGdiObject.h"

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/WinGdi.h"

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return hObject ? hObject->Wrapper() : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject || m_hObject) {
        return FALSE;
    }
    m_hObject = hObject;
    if (!hObject->PermanentWrapper() && !hObject->IsStock()) {
        hObject->SetPermanentWrapper(this);
    }
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    if (hObject && hObject->PermanentWrapper() == this) {
        hObject->SetPermanentWrapper(nullptr);
    }
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) {
        return FALSE;
    }
    // Detach first: deleting may destroy this very wrapper when it is a temporary one.
    return ::DeleteObject(Detach());
}
