// An icon (HICON): the images of one icon group, one per size.
#pragma once

#include <windows.h>

#include <QImage>

#include <vector>

namespace engine {

class Icon : public HICON__ {
public:
    // The standard icon size (SM_CXICON, SM_CYICON).
    static constexpr int kStandardSize = 32;

    explicit Icon(std::vector<QImage> images);
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    // The image of the given size: the exact one if present, else the largest image scaled
    // to that size (without smoothing).
    QImage Image(int size = kStandardSize) const;
    const std::vector<QImage>& Images() const { return m_images; }
    bool IsEmpty() const { return m_images.empty(); }

private:
    std::vector<QImage> m_images;
};

inline Icon* IconOf(HICON handle) {
    return static_cast<Icon*>(handle);
}

} // namespace engine
