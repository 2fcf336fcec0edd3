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
