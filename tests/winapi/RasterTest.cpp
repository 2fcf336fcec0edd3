// Pixel results of lines, figures, fills, edges and the focus rectangle.
#include "winapi/Canvas.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CRgn.h"
#include <windows.h>

#include <gtest/gtest.h>

using gdi_test::Canvas;
using gdi_test::kBlack;
using gdi_test::kGreen;
using gdi_test::kPaper;
using gdi_test::kRed;
using gdi_test::kWhite;

namespace {
constexpr COLORREF kFrameGreen = RGB(55, 98, 6);
} // namespace

TEST(Fills, FillRectCoversExactlyTheRectangleWithoutRightColumnAndBottomRow) {
    Canvas canvas(12, 12, kPaper);
    CBrush red(kRed);
    const CRect rect(2, 3, 7, 9);
    canvas.Dc().FillRect(rect, &red);
    EXPECT_EQ(canvas.Count(kRed), 5 * 6);
    EXPECT_EQ(canvas.Count(kRed, 2, 3, 5, 6), 5 * 6);
    // Empty and inverted rectangles paint nothing.
    canvas.Dc().FillRect(CRect(5, 5, 5, 9), &red);
    EXPECT_EQ(canvas.Count(kRed), 5 * 6);
    // Windows documents nothing for an inverted rectangle; Wine paints it as if normalised.
    if (!gdi_test::UnderWine()) {
        canvas.Dc().FillRect(CRect(9, 9, 8, 11), &red);
        EXPECT_EQ(canvas.Count(kRed), 5 * 6);
    }
    // The free function paints through the handle.
    EXPECT_EQ(FillRect(canvas.Handle(), CRect(10, 10, 12, 12), GetSysColorBrush(COLOR_3DFACE)), 1);
    EXPECT_EQ(canvas.Count(GetSysColor(COLOR_3DFACE)), 4);
}

TEST(Fills, FillRectHonoursOriginAndClip) {
    Canvas canvas(10, 10, kWhite, POINT{3, 2}, RECT{3, 2, 7, 6});
    {
        CBrush red(kRed);
        canvas.Dc().FillRect(CRect(-5, -5, 20, 20), &red);
    }
    int red = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 6;
            EXPECT_EQ(canvas.At(x, y) == kRed, inside) << x << "," << y;
            red += inside ? 1 : 0;
        }
    }
    EXPECT_EQ(red, 16);
}

TEST(Fills, PatternBrushTilesFromTheLogicalOrigin) {
    CBitmap bitmap;
    bitmap.Attach(gdi_test::MakeBitmap(gdi_test::kTileWidth, gdi_test::kTileHeight,
                                       gdi_test::DistinctTile()));
    CBrush pattern(&bitmap);
    bitmap.DeleteObject(); // the brush keeps its own copy
    Canvas canvas(130, 50, kPaper, POINT{7, 5});
    canvas.Dc().FillRect(CRect(-7, -5, 123, 45), &pattern);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 130; ++x) {
            // Logical (0, 0) is the tile's top-left corner.
            const int tx = ((x - 7) % 53 + 53) % 53;
            const int ty = ((y - 5) % 20 + 20) % 20;
            ASSERT_EQ(canvas.At(x, y), gdi_test::TilePixel(tx, ty)) << x << "," << y;
        }
    }
    canvas.Keep("pattern-brush", 2);
}

TEST(Fills, FrameRectDrawsAOnePixelRing) {
    Canvas canvas(8, 8, kPaper);
    CBrush red(kRed);
    canvas.Dc().FrameRect(CRect(1, 1, 6, 5), &red);
    EXPECT_EQ(canvas.Count(kRed), 2 * 5 + 2 * 2);
    EXPECT_EQ(canvas.At(3, 3), kPaper);
    EXPECT_EQ(canvas.At(5, 4), kRed);
    EXPECT_EQ(canvas.At(6, 5), kPaper);
}

TEST(Lines, OnePixelLinesExcludeTheirEndPoint) {
    Canvas canvas(12, 12, kPaper);
    CDC& dc = canvas.Dc();
    dc.MoveTo(1, 1);
    dc.LineTo(8, 1); // default black pen
    EXPECT_EQ(canvas.Count(kBlack, 0, 1, 12, 1), 7);
    EXPECT_EQ(canvas.At(1, 1), kBlack);
    EXPECT_EQ(canvas.At(8, 1), kPaper);
    dc.LineTo(8, 6); // continues from the current position
    EXPECT_EQ(canvas.At(8, 1), kBlack);
    EXPECT_EQ(canvas.At(8, 5), kBlack);
    EXPECT_EQ(canvas.At(8, 6), kPaper);
    dc.MoveTo(2, 10);
    dc.LineTo(2, 3); // upwards
    EXPECT_EQ(canvas.Count(kBlack, 2, 3, 1, 9), 7);
    EXPECT_EQ(canvas.At(2, 3), kPaper);
    EXPECT_EQ(canvas.At(2, 10), kBlack);
}

TEST(Lines, WidePensAreCentredOnTheLine) {
    Canvas canvas(20, 20, kPaper);
    CDC& dc = canvas.Dc();
    CPen three(PS_INSIDEFRAME, 3, kRed);
    CPen two(PS_INSIDEFRAME, 2, kGreen);
    dc.SelectObject(&three);
    dc.MoveTo(5, 4);
    dc.LineTo(5, 14); // vertical, 3 wide: columns 4..6
    EXPECT_EQ(canvas.At(3, 9), kPaper);
    EXPECT_EQ(canvas.At(4, 9), kRed);
    EXPECT_EQ(canvas.At(5, 9), kRed);
    EXPECT_EQ(canvas.At(6, 9), kRed);
    EXPECT_EQ(canvas.At(7, 9), kPaper);
    dc.SelectObject(&two);
    dc.MoveTo(10, 17);
    dc.LineTo(16, 17); // horizontal, 2 wide: rows 16 and 17
    EXPECT_EQ(canvas.At(13, 15), kPaper);
    EXPECT_EQ(canvas.At(13, 16), kGreen);
    EXPECT_EQ(canvas.At(13, 17), kGreen);
    EXPECT_EQ(canvas.At(13, 18), kPaper);
    dc.SelectStockObject(NULL_PEN);
    dc.MoveTo(0, 0);
    dc.LineTo(19, 0);
    EXPECT_EQ(canvas.Count(kPaper, 0, 0, 20, 1), 20);
}

TEST(Figures, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Canvas canvas(12, 12, kPaper);
    CDC& dc = canvas.Dc();
    CBrush green(kGreen);
    dc.SelectObject(&green);
    dc.Rectangle(1, 2, 9, 8);
    EXPECT_EQ(canvas.Count(kBlack), 2 * 8 + 2 * 4); // outline inside [1, 9) x [2, 8)
    EXPECT_EQ(canvas.Count(kGreen), 6 * 4);
    EXPECT_EQ(canvas.At(8, 7), kBlack);
    EXPECT_EQ(canvas.At(9, 7), kPaper);
    EXPECT_EQ(canvas.At(8, 8), kPaper);
}

TEST(Figures, NullBrushLeavesTheInteriorUntouched) {
    Canvas canvas(12, 12, kPaper);
    CDC& dc = canvas.Dc();
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(canvas.Count(kPaper, 1, 1, 8, 8), 64);
    EXPECT_EQ(canvas.Count(kBlack), 36);
    dc.RoundRect(0, 0, 12, 12, 5, 5);
    EXPECT_EQ(canvas.Count(kPaper, 2, 2, 7, 7), 49); // inside both outlines
}

TEST(Figures, NullPenFillsWithoutOutline) {
    Canvas canvas(12, 12, kPaper);
    CDC& dc = canvas.Dc();
    CBrush green(kGreen);
    dc.SelectObject(&green);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(2, 2, 8, 8);
    // Win32 documents the figure one pixel smaller without a pen.
    EXPECT_EQ(canvas.Count(kGreen), 5 * 5);
    EXPECT_EQ(canvas.Count(kBlack), 0);
}

TEST(Figures, InsideFramePenKeepsRoundRectInsideItsRectangle) {
    Canvas canvas(30, 20, kPaper);
    CDC& dc = canvas.Dc();
    CPen frame(PS_INSIDEFRAME, 3, kFrameGreen);
    CBrush red(kRed);
    dc.SelectObject(&frame);
    dc.SelectObject(&red);
    dc.RoundRect(4, 3, 26, 17, 9, 9);
    // Nothing outside [4, 26) x [3, 17).
    const int inside = canvas.Count(kFrameGreen, 4, 3, 22, 14) + canvas.Count(kRed, 4, 3, 22, 14);
    EXPECT_EQ(canvas.Count(kFrameGreen) + canvas.Count(kRed), inside);
    // The straight parts of the outline are three pixels thick.
    EXPECT_EQ(canvas.Count(kFrameGreen, 15, 3, 1, 14), 6);
    EXPECT_EQ(canvas.Count(kFrameGreen, 4, 10, 22, 1), 6);
    EXPECT_EQ(canvas.At(15, 6), kRed);
    // The corners are cut.
    EXPECT_EQ(canvas.At(4, 3), kPaper);
    EXPECT_EQ(canvas.At(25, 16), kPaper);
    canvas.Keep("roundrect-insideframe", 8);
}

TEST(Figures, OnePixelRoundRectMatchesTheRoundRectRegion) {
    // The button draws its outline on its client rectangle and gives its window region one more
    // column and row, which the rounded region leaves out: every outline pixel must lie inside
    // the region, and the region's edge must be covered by the outline.
    Canvas canvas(88, 27, kPaper);
    CDC& dc = canvas.Dc();
    CPen frame(PS_INSIDEFRAME, 1, kFrameGreen);
    dc.SelectObject(&frame);
    dc.SelectStockObject(NULL_BRUSH);
    dc.RoundRect(0, 0, 88, 27, 5, 5);
    CRgn region;
    ASSERT_TRUE(region.CreateRoundRectRgn(0, 0, 89, 28, 5, 5));
    for (int y = 0; y < 27; ++y) {
        for (int x = 0; x < 88; ++x) {
            const bool outline = canvas.At(x, y) == kFrameGreen;
            const bool inRegion = region.PtInRegion(x, y);
            const bool onEdge =
                inRegion && (!region.PtInRegion(x - 1, y) || !region.PtInRegion(x + 1, y) ||
                             !region.PtInRegion(x, y - 1) || !region.PtInRegion(x, y + 1));
            ASSERT_EQ(outline, onEdge) << x << "," << y;
        }
    }
    canvas.Keep("roundrect-button-outline", 6);
}

TEST(Regions, RoundRectRegionLeavesOutTheRightColumnAndBottomRow) {
    CRgn region;
    ASSERT_TRUE(region.CreateRoundRectRgn(0, 0, 89, 28, 5, 5));
    RECT box;
    EXPECT_EQ(region.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(CRect(box), CRect(0, 0, 88, 27)); // [l, r) x [t, b)
    EXPECT_TRUE(region.PtInRegion(0, 13));
    EXPECT_TRUE(region.PtInRegion(87, 13));
    EXPECT_FALSE(region.PtInRegion(88, 13));
    EXPECT_TRUE(region.PtInRegion(44, 26));
    EXPECT_FALSE(region.PtInRegion(44, 27));
    // Tiny ellipses give the plain rectangle, the same column and row left out, whichever
    // way round the corners are given.
    CRgn square;
    ASSERT_TRUE(square.CreateRoundRectRgn(10, 10, 0, 0, 1, 1));
    EXPECT_EQ(square.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_EQ(CRect(box), CRect(0, 0, 9, 9));
}

// Not run on Windows: there the corners of a five-pixel ellipse lose only their corner pixel.
// The engine's corner follows the ellipse through the outermost pixels' centres, two pixels
// cut on the first row and one on the second, the rounder corner the buttons have always had
// on Linux; its outline (above) matches it.
TEST(Regions, RoundRectRegionHasSymmetricEllipticCorners) {
    CRgn region;
    ASSERT_TRUE(region.CreateRoundRectRgn(0, 0, 89, 28, 5, 5));
    for (int y : {0, 26}) {
        EXPECT_FALSE(region.PtInRegion(1, y));
        EXPECT_TRUE(region.PtInRegion(2, y));
        EXPECT_TRUE(region.PtInRegion(85, y));
        EXPECT_FALSE(region.PtInRegion(86, y));
    }
    for (int y : {1, 25}) {
        EXPECT_FALSE(region.PtInRegion(0, y));
        EXPECT_TRUE(region.PtInRegion(1, y));
        EXPECT_TRUE(region.PtInRegion(86, y));
        EXPECT_FALSE(region.PtInRegion(87, y));
    }
    EXPECT_TRUE(region.PtInRegion(0, 2));
    EXPECT_TRUE(region.PtInRegion(87, 24));
}

TEST(FocusRect, IsDottedAndDrawingItTwiceRestoresThePixels) {
    Canvas canvas(20, 12, kPaper);
    CBrush green(kGreen);
    canvas.Dc().FillRect(CRect(0, 0, 10, 12), &green);
    const std::vector<COLORREF> before = canvas.Pixels();
    const CRect rect(2, 2, 18, 10);
    canvas.Dc().DrawFocusRect(rect);
    // Half of the ring's pixels change, nothing else does.
    int changed = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool onRing =
                CRect(rect).PtInRect(CPoint(x, y)) && !CRect(3, 3, 17, 9).PtInRect(CPoint(x, y));
            if (canvas.At(x, y) != before[static_cast<std::size_t>(y * 20 + x)]) {
                EXPECT_TRUE(onRing) << x << "," << y;
                ++changed;
            }
        }
    }
    EXPECT_EQ(changed, (2 * 16 + 2 * 6) / 2);
    // Which pixel of each pair is inverted is not documented: Wine inverts the other one.
    if (!gdi_test::UnderWine()) {
        EXPECT_EQ(canvas.At(2, 2), RGB(255, 95, 255)); // inverted green
        EXPECT_EQ(canvas.At(16, 2), RGB(5, 6, 15));    // inverted paper
        EXPECT_EQ(canvas.At(3, 2), kGreen);            // the gap between dots
    }
    canvas.Keep("focus-rect", 8);
    canvas.Dc().DrawFocusRect(rect);
    EXPECT_TRUE(canvas.Pixels() == before) << "the second call restores every pixel";
}

TEST(Edges, FlatSunkenEdgeIsShadowOutsideAndFaceInside) {
    Canvas canvas(20, 14, kPaper);
    CRect rect(0, 0, 20, 14);
    ASSERT_TRUE(canvas.Dc().DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_FLAT));
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    if (gdi_test::OnEngine()) { // the classic scheme; on Windows the user's colours
        EXPECT_EQ(shadow, RGB(128, 128, 128));
        EXPECT_EQ(face, RGB(212, 208, 200));
    }
    EXPECT_EQ(canvas.Count(shadow), 2 * 20 + 2 * 12);
    EXPECT_EQ(canvas.Count(face), 2 * 18 + 2 * 10);
    EXPECT_EQ(canvas.Count(shadow, 0, 0, 20, 1), 20);
    EXPECT_EQ(canvas.Count(face, 1, 12, 18, 1), 18);
    EXPECT_EQ(canvas.Count(kPaper, 2, 2, 16, 10), 16 * 10); // no BF_MIDDLE: untouched
    EXPECT_EQ(rect, CRect(0, 0, 20, 14));                   // no BF_ADJUST: unchanged
    canvas.Keep("edge-sunken-flat", 8);
}

TEST(Edges, ClassicSunkenEdgeAndAdjustment) {
    Canvas canvas(10, 10, kPaper);
    CRect rect(0, 0, 10, 10);
    ASSERT_TRUE(DrawEdge(canvas.Handle(), rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE));
    EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(9, 9), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(9, 0), GetSysColor(COLOR_3DHILIGHT)); // bottom-right sides own the corners
    EXPECT_EQ(canvas.At(0, 9), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(1, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(8, 8), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(5, 5), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(rect, CRect(2, 2, 8, 8));
}

TEST(Metrics, ClassicSystemMetricsAndColours) {
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CYEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    if (gdi_test::OnEngine()) { // the classic scheme; on Windows the user's colours
        EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(64, 64, 64));
        EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
        EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
    }
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}
