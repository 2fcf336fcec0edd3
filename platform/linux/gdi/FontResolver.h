// Maps the face names and sizes the program asks for onto the fonts installed here.
#pragma once

#include <QByteArray>
#include <QString>

namespace engine {

class FontResolver {
public:
    // The installed family for a face name given in UTF-8 (or the code page 936 bytes of the
    // Song face): Song faces map to an installed Ming/Song face, else a Simplified Chinese
    // family, else the application default; other faces are used if installed.
    static QString ResolveFamily(const QByteArray& face);
    // The logical resolution fonts are made for: every device context draws at 96 DPI.
    static constexpr int kDotsPerInch = 96;

private:
    static bool IsSongFace(const QByteArray& face);
    static QString SongFamily();
};

} // namespace engine
