#include "platform/linux/gdi/ImageResources.h"

#include "platform/linux/gdi/Icon.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace engine {

namespace {

using ResourceKey = std::pair<UINT, UINT>;

// Registered paths and loaded icons; touched only from the user-interface thread.
struct Registry {
    std::map<ResourceKey, QString> paths;
    std::map<UINT, std::unique_ptr<Icon>> icons;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// Every image in the file, in file order (an .ico holds one per size).
std::vector<QImage> ReadAllImages(const QString& path) {
    std::vector<QImage> images;
    QImageReader reader(path);
    do {
        QImage image = reader.read();
        if (image.isNull()) {
            break;
        }
        images.push_back(std::move(image));
    } while (reader.jumpToNextImage());
    return images;
}

} // namespace

void RegisterImageResource(UINT type, UINT id, const std::string& path) {
    Registry& registry = TheRegistry();
    registry.paths[{type, id}] = QString::fromStdString(path);
    if (type == RT_GROUP_ICON) {
        registry.icons.erase(id);
    }
}

void ClearImageResources() {
    Registry& registry = TheRegistry();
    registry.paths.clear();
    registry.icons.clear();
}

QImage LoadImageResource(UINT type, UINT id) {
    const Registry& registry = TheRegistry();
    const auto found = registry.paths.find({type, id});
    if (found == registry.paths.end()) {
        return {};
    }
    QImageReader reader(found->second);
    return reader.read();
}

HICON LoadIconResource(UINT id) {
    Registry& registry = TheRegistry();
    if (const auto loaded = registry.icons.find(id); loaded != registry.icons.end()) {
        return loaded->second.get();
    }
    const auto found = registry.paths.find({RT_GROUP_ICON, id});
    if (found == registry.paths.end()) {
        return nullptr;
    }
    auto icon = std::make_unique<Icon>(ReadAllImages(found->second));
    if (icon->IsEmpty()) {
        return nullptr;
    }
    HICON handle = icon.get();
    registry.icons.emplace(id, std::move(icon));
    return handle;
}

} // namespace engine

HICON LoadIcon(HINSTANCE, LPCTSTR lpIconName) {
    return IS_INTRESOURCE(lpIconName) ? engine::LoadIconResource(static_cast<UINT>(
                                            reinterpret_cast<std::uintptr_t>(lpIconName)))
                                      : nullptr;
}
