#include "platform/win32/gdi/GdiObject.h"

namespace platform {

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

} // namespace platform
