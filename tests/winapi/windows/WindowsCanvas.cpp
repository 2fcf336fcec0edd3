// The test canvas on Windows: a 32-bit top-down DIB section selected into a memory device
// context, its pixels read from the section's bits. The origin is the viewport origin and the
// brush origin both, which is what a child window's device context has within its top-level
// window; the clip is a clipping region in device coordinates.
#include "winapi/Canvas.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace gdi_test {

namespace {

// A DIB section of 32-bit pixels, top row first; each pixel 0x00RRGGBB.
HBITMAP MakeSection(int width, int height, std::uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (section == nullptr) {
        std::fprintf(stderr, "CreateDIBSection failed: %lu\n", GetLastError());
        std::abort();
    }
    *bits = static_cast<std::uint32_t*>(memory);
    return section;
}

std::uint32_t ToPixel(COLORREF color) {
    return (std::uint32_t{GetRValue(color)} << 16) | (std::uint32_t{GetGValue(color)} << 8) |
           GetBValue(color);
}

} // namespace

class Canvas::Surface {
public:
    Surface(int width, int height, COLORREF background, POINT origin, RECT clip)
        : m_width(width), m_height(height) {
        m_bitmap = MakeSection(width, height, &m_bits);
        for (int i = 0; i < width * height; ++i) {
            m_bits[i] = ToPixel(background);
        }
        m_dc = CreateCompatibleDC(nullptr);
        if (m_dc == nullptr) {
            std::fprintf(stderr, "CreateCompatibleDC failed: %lu\n", GetLastError());
            std::abort();
        }
        m_oldBitmap = SelectObject(m_dc, m_bitmap);
        SetViewportOrgEx(m_dc, origin.x, origin.y, nullptr);
        SetBrushOrgEx(m_dc, origin.x, origin.y, nullptr);
        if (clip.left != 0 || clip.top != 0 || clip.right != width || clip.bottom != height) {
            HRGN region = CreateRectRgn(clip.left, clip.top, clip.right, clip.bottom);
            SelectClipRgn(m_dc, region); // the context keeps a copy
            DeleteObject(region);
        }
    }
    ~Surface() {
        SelectObject(m_dc, m_oldBitmap);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width;
    int m_height;
};

Canvas::Canvas(int width, int height, COLORREF background, POINT origin)
    : Canvas(width, height, background, origin, RECT{0, 0, width, height}) {}

Canvas::Canvas(int width, int height, COLORREF background, POINT origin, RECT clip)
    : m_surface(std::make_unique<Surface>(width, height, background, origin, clip)) {}

Canvas::~Canvas() = default;

HDC Canvas::Handle() const {
    return m_surface->m_dc;
}

int Canvas::Width() const {
    return m_surface->m_width;
}

int Canvas::Height() const {
    return m_surface->m_height;
}

COLORREF Canvas::At(int x, int y) const {
    GdiFlush(); // drawing may be batched until then
    const std::uint32_t pixel = m_surface->m_bits[y * m_surface->m_width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// Writes a 24-bit BMP file, each pixel enlarged to scale x scale.
void Canvas::Keep(const char* name, int scale) const {
    const char* folder = std::getenv("TAVRIN_ARTIFACTS");
    if (folder == nullptr || *folder == '\0') {
        return;
    }
    const std::string dir = std::string(folder) + "\\gdi";
    CreateDirectoryA(folder, nullptr);
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string path = dir + "\\" + name + ".bmp";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return;
    }
    const int width = Width() * scale;
    const int height = Height() * scale;
    const int row = (width * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(row * height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + dataSize;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height; // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = dataSize;
    std::fwrite(&header, sizeof(header), 1, file);
    std::fwrite(&info, sizeof(info), 1, file);
    std::string line(static_cast<std::size_t>(row), '\0');
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF color = At(x / scale, y / scale);
            line[x * 3] = static_cast<char>(GetBValue(color));
            line[x * 3 + 1] = static_cast<char>(GetGValue(color));
            line[x * 3 + 2] = static_cast<char>(GetRValue(color));
        }
        std::fwrite(line.data(), 1, line.size(), file);
    }
    std::fclose(file);
}

HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    std::uint32_t* bits = nullptr;
    HBITMAP section = MakeSection(width, height, &bits);
    for (int i = 0; i < width * height; ++i) {
        bits[i] = ToPixel(pixels[static_cast<std::size_t>(i)]);
    }
    return section;
}

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool OnEngine() {
    return false;
}

} // namespace gdi_test
