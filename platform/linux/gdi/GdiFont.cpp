// A font, and CreateFontIndirect, which makes one.
#include "platform/linux/gdi/GdiFont.h"

#include "platform/linux/gdi/FontResolver.h"

#include <cstdlib>
#include <cstring>

namespace engine {

namespace {
// The pixel size used when a logical font asks for the default height (0).
constexpr int kDefaultPixelSize = 12;
} // namespace

GdiFont::GdiFont(const LOGFONT& logFont) : m_logFont(logFont) {
    const std::size_t faceLength = strnlen(logFont.lfFaceName, LF_FACESIZE);
    const QByteArray face(logFont.lfFaceName, static_cast<qsizetype>(faceLength));
    m_font.setFamily(FontResolver::ResolveFamily(face));
    // Negative heights give the character (em) height, positive ones the cell height; this
    // layer treats both as the em height in pixels, which is what the program asks for.
    const int pixels = logFont.lfHeight == 0 ? kDefaultPixelSize : std::abs(logFont.lfHeight);
    m_font.setPixelSize(pixels);
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_font.setKerning(false);
}

} // namespace engine

HFONT CreateFontIndirect(const LOGFONT* lplf) {
    return lplf ? new engine::GdiFont(*lplf) : nullptr;
}
