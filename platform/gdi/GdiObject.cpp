#include "platform/gdi/GdiObject.h"

#include "platform/gdi/CGdiObject.h"

namespace platform {

GdiObject::~GdiObject() {
    // Neither wrapper may keep pointing at a destroyed object.
    if (m_permanent) {
        m_permanent->m_hObject = nullptr;
    }
    if (m_temporary) {
        m_temporary->m_hObject = nullptr;
    }
}

CGdiObject* GdiObject::Wrapper() {
    if (m_permanent) {
        return m_permanent;
    }
    if (!m_temporary) {
        m_temporary = MakeWrapper();
        m_temporary->m_hObject = this;
    }
    return m_temporary.get();
}

bool GdiObject::RemoveSelection() {
    if (m_selections > 0) {
        --m_selections;
    }
    return m_selections == 0 && m_deletePending;
}

void GdiObject::RequestDelete() {
    if (m_stock) {
        return;
    }
    if (m_permanent) {
        m_permanent->m_hObject = nullptr;
        m_permanent = nullptr;
    }
    if (m_selections > 0) {
        m_deletePending = true;
        return;
    }
    delete this;
}

} // namespace platform
