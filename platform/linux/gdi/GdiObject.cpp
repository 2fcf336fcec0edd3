// What every GDI object has: its selections and deferred deletion; GetObjectType and
// DeleteObject.
#include "platform/linux/gdi/GdiObject.h"

namespace engine {

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
    if (m_selections > 0) {
        m_deletePending = true;
        return;
    }
    delete this;
}

} // namespace engine

DWORD GetObjectType(HGDIOBJ h) {
    return h ? static_cast<DWORD>(engine::ObjectOf(h)->Kind()) : 0;
}

BOOL DeleteObject(HGDIOBJ ho) {
    if (!ho) {
        return FALSE;
    }
    engine::ObjectOf(ho)->RequestDelete();
    return TRUE;
}
