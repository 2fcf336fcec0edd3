// Window device contexts obtain and give back their contexts through the installed surfaces.
#include "GdiCanvas.h"

#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CPaintDC.h"
#include "platform/gdi/CWindowDC.h"
#include "platform/gdi/WindowSurfaces.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Surfaces over one image; records the calls it gets.
class FakeSurfaces : public platform::WindowSurfaces {
public:
    HDC BeginPaint(HWND hWnd, PAINTSTRUCT& paint) override {
        calls.push_back("begin");
        paint.fErase = TRUE;
        paint.rcPaint = RECT{0, 0, 10, 10};
        return Make(hWnd, {0, 0});
    }
    void EndPaint(HWND, const PAINTSTRUCT& paint) override {
        calls.push_back(paint.hdc == dc.get() ? "end" : "end with a foreign dc");
        dc.reset();
    }
    HDC GetDC(HWND hWnd, bool wholeWindow) override {
        calls.push_back(wholeWindow ? "window" : "client");
        return Make(hWnd, wholeWindow ? QPoint(0, 0) : QPoint(2, 2));
    }
    void ReleaseDC(HWND, HDC hDC) override {
        calls.push_back(hDC == dc.get() ? "release" : "release a foreign dc");
        dc.reset();
    }

    HDC Make(HWND hWnd, QPoint origin) {
        if (!hWnd) {
            return nullptr;
        }
        image = QImage(12, 12, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        dc = std::make_unique<platform::DeviceContext>(image, origin, image.rect());
        return dc.get();
    }

    QImage image;
    std::unique_ptr<platform::DeviceContext> dc;
    std::vector<std::string> calls;
};

class WindowDc : public testing::Test {
protected:
    void SetUp() override { platform::WindowSurfaces::Install(&m_surfaces); }
    void TearDown() override { platform::WindowSurfaces::Install(nullptr); }

    // Any non-null handle: the drawing layer never looks inside a window.
    HWND Window() { return reinterpret_cast<HWND>(&m_surfaces); }

    FakeSurfaces m_surfaces;
};

} // namespace

TEST_F(WindowDc, PaintDcBeginsAndEndsThePaint) {
    {
        CPaintDC dc(Window());
        ASSERT_NE(dc.m_hDC, nullptr);
        EXPECT_EQ(dc.m_ps.hdc, dc.m_hDC);
        EXPECT_TRUE(dc.m_ps.fErase);
        dc.SetPixel(3, 3, RGB(9, 9, 9));
    }
    EXPECT_EQ(m_surfaces.calls, (std::vector<std::string>{"begin", "end"}));
    EXPECT_EQ(platform::ToColorRef(m_surfaces.image.pixel(3, 3)), RGB(9, 9, 9));
}

TEST_F(WindowDc, ClientAndWindowDcsAreReleased) {
    {
        CClientDC client(Window());
        client.SetPixel(0, 0, RGB(1, 1, 1)); // client origin inside the frame
        EXPECT_EQ(platform::ToColorRef(m_surfaces.image.pixel(2, 2)), RGB(1, 1, 1));
    }
    {
        CWindowDC window(Window());
        ASSERT_NE(window.m_hDC, nullptr);
    }
    EXPECT_EQ(m_surfaces.calls,
              (std::vector<std::string>{"client", "release", "window", "release"}));
}

TEST_F(WindowDc, WithoutAWindowNothingIsAskedFor) {
    {
        CPaintDC paint(static_cast<HWND>(nullptr));
        CClientDC client(static_cast<HWND>(nullptr));
        EXPECT_EQ(paint.m_hDC, nullptr);
        EXPECT_EQ(client.m_hDC, nullptr);
        paint.TextOut(0, 0, CString("x")); // harmless without a context
    }
    platform::WindowSurfaces::Install(nullptr);
    CWindowDC window(Window());
    EXPECT_EQ(window.m_hDC, nullptr);
    EXPECT_TRUE(m_surfaces.calls.empty());
}
