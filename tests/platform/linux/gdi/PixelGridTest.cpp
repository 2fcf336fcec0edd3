// The grid of device pixels under a surface's logical pixels: the identity at ratio 1, the
// rounded edges at fractional ratios, surfaces that meet their neighbours edge to edge, and
// the logical pixels that device pixels touch.
#include "platform/linux/gdi/PixelGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using engine::PixelGrid;

namespace {

constexpr double kFractionalRatios[] = {1.25, 1.5, 1.75};

std::vector<int> Edges(const PixelGrid& grid, int count) {
    std::vector<int> edges;
    for (int x = 0; x <= count; ++x) {
        edges.push_back(grid.X(x));
    }
    return edges;
}

// Where the window system puts a logical edge of a top-level window.
int TopLevelEdge(int x, double ratio) {
    return static_cast<int>(std::floor(x * ratio + 0.5));
}

} // namespace

TEST(PixelGrid, UnscaledIsTheIdentity) {
    const PixelGrid grid(1.0, QPoint(7, 3));
    EXPECT_TRUE(grid.IsUnscaled());
    EXPECT_EQ(grid, PixelGrid());
    EXPECT_EQ(grid.X(-4), -4);
    EXPECT_EQ(grid.Y(13), 13);
    EXPECT_EQ(grid.Map(QRect(2, 3, 5, 7)), QRect(2, 3, 5, 7));
    const QRegion region = QRegion(0, 0, 4, 4) + QRegion(6, 1, 2, 9);
    EXPECT_EQ(grid.Map(region), region);
    EXPECT_EQ(grid.Cover(region), region);
    EXPECT_EQ(grid.Length(3), 3);
    EXPECT_EQ(grid.DeviceSize(QSize(441, 302)), QSize(441, 302));
}

TEST(PixelGrid, WholeRatiosMultiplyWhereverTheSurfaceLies) {
    for (const QPoint offset : {QPoint(0, 0), QPoint(1, 3), QPoint(211, 58)}) {
        const PixelGrid grid(2.0, offset);
        EXPECT_EQ(grid.Shift(), QPointF(0, 0));
        EXPECT_EQ(Edges(grid, 4), (std::vector<int>{0, 2, 4, 6, 8}));
        EXPECT_EQ(grid.Map(QRect(1, 2, 3, 4)), QRect(2, 4, 6, 8));
        EXPECT_EQ(grid.DeviceSize(QSize(441, 302)), QSize(882, 604));
        EXPECT_EQ(grid.Length(1), 2);
    }
}

TEST(PixelGrid, FractionalEdgesRoundHalfUpFromTheTopLevelWindow) {
    EXPECT_EQ(Edges(PixelGrid(1.5, QPoint(0, 0)), 5), (std::vector<int>{0, 2, 3, 5, 6, 8}));
    // A surface one pixel in starts half a device pixel off: its edges follow the top-level
    // window's (2, 3, 5, 6, 8 there), counted from its own first device pixel.
    EXPECT_EQ(Edges(PixelGrid(1.5, QPoint(1, 0)), 4), (std::vector<int>{0, 1, 3, 4, 6}));
    EXPECT_EQ(PixelGrid(1.5, QPoint(1, 0)).Shift(), QPointF(-0.5, 0));
    EXPECT_EQ(Edges(PixelGrid(1.25, QPoint(0, 0)), 4), (std::vector<int>{0, 1, 3, 4, 5}));
    EXPECT_EQ(PixelGrid(1.5, QPoint(0, 0)).Length(5), 8);
    EXPECT_EQ(PixelGrid(1.25, QPoint(0, 0)).Length(1), 1);
    EXPECT_EQ(PixelGrid(1.75, QPoint(0, 0)).Length(1), 2);
    EXPECT_EQ(PixelGrid(1.5, QPoint(0, 0)).Length(-5), -8);
}

TEST(PixelGrid, SurfacesAndFillsMeetTheirNeighboursEdgeToEdge) {
    for (const double ratio : kFractionalRatios) {
        for (int offset = 0; offset < 4; ++offset) {
            const PixelGrid grid(ratio, QPoint(offset, offset));
            for (int width = 1; width < 6; ++width) {
                // The surface fills exactly the device pixels the window system shows it in.
                EXPECT_EQ(grid.X(width),
                          TopLevelEdge(offset + width, ratio) - TopLevelEdge(offset, ratio))
                    << ratio << " " << offset << " " << width;
                // Two fills side by side make the fill of both, without overlapping.
                const QRect left = grid.Map(QRect(0, 0, width, 1));
                const QRect right = grid.Map(QRect(width, 0, 2, 1));
                EXPECT_FALSE(left.intersects(right));
                EXPECT_EQ(left.united(right), grid.Map(QRect(0, 0, width + 2, 1)));
            }
        }
    }
}

TEST(PixelGrid, CoverGivesTheLogicalPixelsThatDevicePixelsTouch) {
    const PixelGrid grid(1.5, QPoint(0, 0));
    // Device columns 0 and 1 are logical column 0's, 2 is column 1's.
    EXPECT_EQ(grid.Cover(QRegion(1, 0, 1, 1)), QRegion(0, 0, 1, 1));
    EXPECT_EQ(grid.Cover(QRegion(2, 2, 1, 1)), QRegion(1, 1, 1, 1));
    EXPECT_EQ(grid.Cover(QRegion(1, 1, 2, 2)), QRegion(0, 0, 2, 2));
    for (const double ratio : kFractionalRatios) {
        const PixelGrid shifted(ratio, QPoint(1, 1));
        const QRegion region = QRegion(0, 0, 4, 3) + QRegion(5, 1, 3, 6);
        EXPECT_EQ(shifted.Cover(shifted.Map(region)), region) << ratio;
    }
}
