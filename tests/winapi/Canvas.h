// A surface of 32-bit pixels with a device context on it, for drawing tests written on the
// Windows API and the class layer alone; pixels read back as COLORREF. One implementation per
// system, chosen by the build: on the engine an image with the engine's device context
// (engine/EngineCanvas.cpp), on Windows a top-down DIB section selected into a memory DC
// (windows/WindowsCanvas.cpp). The same test sources run on both, so that what they pin holds
// on the real system too.
#pragma once

#include "platform/afx/CDC.h"
#include <windows.h>

#include <memory>
#include <vector>

namespace gdi_test {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(250, 249, 240); // a background no operation draws by itself
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);

// A 53 x 20 tile (the size of the dialog's texture) whose every pixel is distinct, so that
// any misalignment of a pattern shows; row by row.
constexpr int kTileWidth = 53;
constexpr int kTileHeight = 20;
constexpr COLORREF TilePixel(int x, int y) {
    return RGB(static_cast<BYTE>(x * 4), static_cast<BYTE>(y * 12), 77);
}
std::vector<COLORREF> DistinctTile();

class Canvas {
public:
    // A width x height surface filled with the background. Logical (0, 0) lies at `origin` of
    // the surface, as a child window's client area lies in its top-level window, and brush
    // patterns start there; drawing is clipped to `clip` (surface coordinates), by default
    // the whole surface.
    explicit Canvas(int width, int height, COLORREF background = kWhite, POINT origin = {0, 0});
    Canvas(int width, int height, COLORREF background, POINT origin, RECT clip);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC& Dc() { return *CDC::FromHandle(Handle()); }
    HDC Handle() const;
    int Width() const;
    int Height() const;
    // The colour of a surface pixel (surface coordinates, not logical ones).
    COLORREF At(int x, int y) const;
    // How many pixels of the rectangle [x, x + w) x [y, y + h) have the colour.
    int Count(COLORREF color, int x, int y, int w, int h) const;
    int Count(COLORREF color) const { return Count(color, 0, 0, Width(), Height()); }
    // Every pixel, row by row.
    std::vector<COLORREF> Pixels() const;
    // How many pixels differ from those of another canvas of the same size.
    int Differences(const Canvas& other) const;
    // Keeps a rendering (scaled up for the eye) in the artifacts folder when the environment
    // names one (TAVRIN_ARTIFACTS).
    void Keep(const char* name, int scale = 4) const;

    class Surface;

private:
    std::unique_ptr<Surface> m_surface;
};

// The bounding box of the pixels that differ from the background, surface coordinates; empty
// when there are none.
RECT Inked(const Canvas& canvas, COLORREF background = kPaper);

// A bitmap of width x height pixels given row by row, for pattern brushes; the caller
// deletes it.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels);

// Whether the tests run on Wine's implementation of the Windows API rather than on Windows or
// the engine. Where Wine is known to differ from Windows a check is left out under it, with
// the reason beside it.
bool UnderWine();
// Whether the tests run on the engine. The engine has the classic colour scheme; on Windows
// the system colours are the user's settings, and only the engine checks their values.
bool OnEngine();

} // namespace gdi_test
