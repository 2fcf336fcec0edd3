// The drawing object behind a GDI handle (HGDIOBJ): its kind and the bookkeeping that keeps
// an object alive while a device context still has it selected.
#pragma once

#include <windows.h>

namespace engine {

// The kinds of objects, valued as GetObjectType reports them.
enum class GdiKind : DWORD {
    Pen = OBJ_PEN,
    Brush = OBJ_BRUSH,
    Font = OBJ_FONT,
    Bitmap = OBJ_BITMAP,
    Region = OBJ_REGION
};

class GdiObject {
public:
    GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    virtual ~GdiObject() = default;

    // What kind of object this is, for SelectObject's dispatch.
    virtual GdiKind Kind() const = 0;

    // Stock objects (and system colour brushes) belong to the system: DeleteObject ignores them.
    void MarkStock() { m_stock = true; }

    // Device contexts count their selections (current and saved) so that a deletion requested
    // while the object is in use waits until the last selection is gone.
    void AddSelection() { ++m_selections; }
    // Drops one selection; true when the object is now due for deletion.
    bool RemoveSelection();
    bool IsSelected() const { return m_selections > 0; }

    // DeleteObject's work: destroys the object now, or once it is no longer selected.
    void RequestDelete();

private:
    bool m_stock = false;
    bool m_deletePending = false;
    int m_selections = 0;
};

// The object behind a GDI handle. Each kind of object derives from GdiObject first and then
// from its empty handle type, so that the handle, the object and an HGDIOBJ share one address.
inline GdiObject* ObjectOf(HGDIOBJ handle) {
    return static_cast<GdiObject*>(handle);
}

} // namespace engine
