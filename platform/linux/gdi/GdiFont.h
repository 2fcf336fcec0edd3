// A font (HFONT): the logical font it was made from and the Qt font that realises it.
#pragma once

#include "platform/linux/gdi/GdiObject.h"
#include <windows.h>

#include <QFont>

namespace engine {

class GdiFont : public GdiObject, public HFONT__ {
public:
    explicit GdiFont(const LOGFONT& logFont);

    GdiKind Kind() const override { return GdiKind::Font; }
    const LOGFONT& LogFont() const { return m_logFont; }
    // The Qt font: resolved family, pixel size, no antialiasing.
    QFont Font() const { return m_font; }

private:
    LOGFONT m_logFont;
    QFont m_font;
};

inline GdiFont* ObjectOf(HFONT handle) {
    return static_cast<GdiFont*>(handle);
}

} // namespace engine
