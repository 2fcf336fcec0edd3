// Device contexts sharing one drawing surface: each draws with its own origin, clip and font
// whatever the others did in between, a resize waits until the last context has gone, and on
// a scaled grid the image holds device pixels.
#include "platform/linux/gdi/DrawingSurface.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CFont.h"
#include "platform/linux/gdi/ColorRef.h"
#include "platform/linux/gdi/DeviceContext.h"
#include <windows.h>

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace {

using engine::DeviceContext;
using engine::DrawingSurface;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr QSize kSize(120, 60);

std::shared_ptr<DrawingSurface> WhiteSurface(QSize size) {
    auto surface = std::make_shared<DrawingSurface>();
    surface->Resize(size);
    surface->Image().fill(Qt::white);
    return surface;
}

COLORREF At(DrawingSurface& surface, int x, int y) {
    return engine::ToColorRef(surface.Image().pixel(x, y));
}

void Fill(CDC& dc, RECT rect, COLORREF color) {
    CBrush brush(color);
    dc.FillRect(&rect, &brush);
}

void Text(CDC& dc, RECT rect, COLORREF color) {
    dc.SetTextColor(color);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText("Ag", &rect, DT_LEFT | DT_SINGLELINE);
}

// Two contexts with their own origin, clip and font, each drawing in its own part of the
// surface (the left one in x < 60, the right one clipped to x >= 60).
class TwoContexts {
public:
    explicit TwoContexts(std::shared_ptr<DrawingSurface> surface) : m_surface(std::move(surface)) {
        m_bigFont.CreatePointFont(240, "DejaVu Sans");
    }
    std::unique_ptr<DeviceContext> Left() {
        auto dc = std::make_unique<DeviceContext>(m_surface, QPoint(0, 0), QRect(0, 0, 60, 60));
        CDC::FromHandle(dc.get())->SelectObject(&m_bigFont);
        return dc;
    }
    std::unique_ptr<DeviceContext> Right() {
        return std::make_unique<DeviceContext>(m_surface, QPoint(60, 10), QRect(60, 10, 50, 40));
    }
    static void LeftFirst(CDC& dc) { Fill(dc, {0, 0, 30, 20}, kRed); }
    static void LeftSecond(CDC& dc) { Text(dc, {0, 22, 60, 60}, kRed); }
    static void RightFirst(CDC& dc) { Fill(dc, {-10, -5, 20, 20}, kBlue); } // cut by its clip
    static void RightSecond(CDC& dc) { Text(dc, {0, 22, 50, 40}, kBlue); }

private:
    std::shared_ptr<DrawingSurface> m_surface;
    CFont m_bigFont;
};

TEST(DrawingSurface, InterleavedContextsDrawAsEachWouldAlone) {
    // One context after the other.
    const auto alone = WhiteSurface(kSize);
    {
        TwoContexts contexts(alone);
        {
            auto left = contexts.Left();
            TwoContexts::LeftFirst(*CDC::FromHandle(left.get()));
            TwoContexts::LeftSecond(*CDC::FromHandle(left.get()));
        }
        auto right = contexts.Right();
        TwoContexts::RightFirst(*CDC::FromHandle(right.get()));
        TwoContexts::RightSecond(*CDC::FromHandle(right.get()));
    }
    // Both alive, taking turns.
    const auto shared = WhiteSurface(kSize);
    {
        TwoContexts contexts(shared);
        auto left = contexts.Left();
        auto right = contexts.Right();
        TwoContexts::LeftFirst(*CDC::FromHandle(left.get()));
        TwoContexts::RightFirst(*CDC::FromHandle(right.get()));
        TwoContexts::LeftSecond(*CDC::FromHandle(left.get()));
        TwoContexts::RightSecond(*CDC::FromHandle(right.get()));
    }
    EXPECT_EQ(At(*alone, 5, 5), kRed);
    EXPECT_EQ(At(*alone, 60, 10), kBlue);
    EXPECT_EQ(At(*alone, 59, 9), kWhite);
    EXPECT_EQ(shared->Image(), alone->Image());
}

TEST(DrawingSurface, AResizeWaitsForTheLastContext) {
    const auto surface = WhiteSurface({40, 20});
    {
        DeviceContext first(surface, QPoint(0, 0), QRect(0, 0, 40, 20));
        Fill(*CDC::FromHandle(&first), {0, 0, 10, 10}, kRed);
        EXPECT_FALSE(surface->Resize({80, 30}));
        EXPECT_EQ(surface->Image().size(), QSize(40, 20)) << "the painter's image stays";
        {
            DeviceContext second(surface, QPoint(0, 0), QRect(0, 0, 40, 20));
            Fill(*CDC::FromHandle(&second), {10, 0, 20, 10}, kBlue);
        }
        EXPECT_EQ(surface->Image().size(), QSize(40, 20)) << "one context is still on it";
        Fill(*CDC::FromHandle(&first), {20, 0, 30, 10}, kRed);
    }
    ASSERT_EQ(surface->Image().size(), QSize(80, 30));
    EXPECT_EQ(At(*surface, 5, 5), kRed);
    EXPECT_EQ(At(*surface, 15, 5), kBlue);
    EXPECT_EQ(At(*surface, 25, 5), kRed);
    EXPECT_EQ(At(*surface, 35, 15), kWhite);
    EXPECT_EQ(qAlpha(surface->Image().pixel(60, 25)), 0) << "the new part starts clear";

    EXPECT_TRUE(surface->Resize({30, 10})) << "no context: at once";
    EXPECT_EQ(surface->Image().size(), QSize(30, 10));
    EXPECT_EQ(At(*surface, 25, 5), kRed);

    // Sizes taken one after another between two draws keep only what each of them kept.
    ASSERT_TRUE(surface->Resize({15, 10}));
    ASSERT_TRUE(surface->Resize({40, 20}));
    EXPECT_EQ(At(*surface, 5, 5), kRed);
    EXPECT_EQ(qAlpha(surface->Image().pixel(25, 5)), 0) << "cut off by the smaller size";
}

TEST(DrawingSurface, OnAScaledGridTheImageHoldsDevicePixels) {
    // Half a device pixel off the grid's start: 10 x 5 logical pixels take 15 x 7.
    const engine::PixelGrid grid(1.5, QPoint(1, 1));
    auto surface = std::make_shared<DrawingSurface>();
    ASSERT_TRUE(surface->Resize({10, 5}, grid));
    EXPECT_EQ(surface->Size(), QSize(10, 5));
    EXPECT_EQ(surface->Image().size(), QSize(15, 7));
    EXPECT_EQ(surface->Image().devicePixelRatio(), 1.5);
    {
        DeviceContext dc(surface, QPoint(0, 0), surface->Rect());
        Fill(*CDC::FromHandle(&dc), {0, 0, 10, 5}, kRed);
    }
    EXPECT_EQ(At(*surface, 14, 6), kRed) << "every device pixel is drawn";
    // A larger size on the same grid keeps the pixels; another grid starts clear.
    ASSERT_TRUE(surface->Resize({12, 5}, grid));
    EXPECT_EQ(At(*surface, 14, 6), kRed);
    ASSERT_TRUE(surface->Resize({12, 5}, engine::PixelGrid(2.0, QPoint(0, 0))));
    EXPECT_EQ(surface->Image().size(), QSize(24, 10));
    EXPECT_EQ(qAlpha(surface->Image().pixel(0, 0)), 0);
    // Also when the surface goes back to the first grid before anything reads it.
    {
        DeviceContext dc(surface, QPoint(0, 0), surface->Rect());
        Fill(*CDC::FromHandle(&dc), {0, 0, 12, 5}, kRed);
    }
    ASSERT_TRUE(surface->Resize({12, 5}, grid));
    ASSERT_TRUE(surface->Resize({12, 5}, engine::PixelGrid(2.0, QPoint(0, 0))));
    EXPECT_EQ(qAlpha(surface->Image().pixel(0, 0)), 0);
}

} // namespace
