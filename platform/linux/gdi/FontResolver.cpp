#include "platform/linux/gdi/FontResolver.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <array>

namespace engine {

namespace {
// Names under which the program asks for the Song face: UTF-8, code page 936, Latin names.
constexpr std::array<const char*, 4> kSongNames = {"宋体", "\xCB\xCE\xCC\xE5", "SimSun", "NSimSun"};
// Installed Ming/Song faces, best first.
constexpr std::array<const char*, 3> kSongFamilies = {"AR PL UMing CN", "AR PL UMing TW",
                                                      "AR PL UMing HK"};
} // namespace

QString FontResolver::ResolveFamily(const QByteArray& face) {
    if (face.isEmpty() || IsSongFace(face)) {
        return SongFamily();
    }
    const QString name = QString::fromUtf8(face);
    if (QFontDatabase::hasFamily(name)) {
        return name;
    }
    return QGuiApplication::font().family();
}

bool FontResolver::IsSongFace(const QByteArray& face) {
    return std::any_of(kSongNames.begin(), kSongNames.end(), [&face](const char* name) {
        return face.compare(QByteArray(name), Qt::CaseInsensitive) == 0;
    });
}

QString FontResolver::SongFamily() {
    // Looked up once: the installed families do not change while the program runs.
    static const QString family = [] {
        for (const char* candidate : kSongFamilies) {
            if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
                return QString::fromLatin1(candidate);
            }
        }
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (!chinese.isEmpty()) {
            return chinese.front();
        }
        return QGuiApplication::font().family();
    }();
    return family;
}

} // namespace engine
