// The parts of the test canvas that only read pixels back, the same on every system.
#include "winapi/Canvas.h"

#include <algorithm>

namespace gdi_test {

std::vector<COLORREF> DistinctTile() {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            pixels.push_back(TilePixel(x, y));
        }
    }
    return pixels;
}

int Canvas::Count(COLORREF color, int x, int y, int w, int h) const {
    int count = 0;
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            count += At(px, py) == color ? 1 : 0;
        }
    }
    return count;
}

std::vector<COLORREF> Canvas::Pixels() const {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()));
    for (int y = 0; y < Height(); ++y) {
        for (int x = 0; x < Width(); ++x) {
            pixels.push_back(At(x, y));
        }
    }
    return pixels;
}

int Canvas::Differences(const Canvas& other) const {
    if (other.Width() != Width() || other.Height() != Height()) {
        return Width() * Height();
    }
    const std::vector<COLORREF> mine = Pixels();
    const std::vector<COLORREF> theirs = other.Pixels();
    int count = 0;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        count += mine[i] != theirs[i] ? 1 : 0;
    }
    return count;
}

RECT Inked(const Canvas& canvas, COLORREF background) {
    RECT box{};
    bool any = false;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) == background) {
                continue;
            }
            if (!any) {
                box = RECT{x, y, x + 1, y + 1};
                any = true;
            }
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    return box;
}

} // namespace gdi_test
