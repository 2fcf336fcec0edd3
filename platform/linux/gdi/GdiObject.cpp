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
    if (!h) {
        return 0;
    }
    switch (engine::ObjectOf(h)->Kind()) {
    case engine::GdiKind::Pen:
        return OBJ_PEN;
    case engine::GdiKind::Brush:
        return OBJ_BRUSH;
    case engine::GdiKind::Font:
        return OBJ_FONT;
    case engine::GdiKind::Bitmap:
        return OBJ_BITMAP;
    case engine::GdiKind::Region:
        return OBJ_REGION;
    }
    return 0;
}

BOOL DeleteObject(HGDIOBJ ho) {
    if (!ho) {
        return FALSE;
    }
    engine::ObjectOf(ho)->RequestDelete();
    return TRUE;
}
