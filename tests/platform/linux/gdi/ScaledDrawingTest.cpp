// Drawing on an image of more device pixels than logical ones: fills on the grid's device
// pixels without gaps, patterns enlarged as pictures from the brush origin, figures curved in
// device pixels.
#include "GdiCanvas.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/linux/gdi/GdiBitmap.h"
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/PixelGrid.h"

#include <gtest/gtest.h>

namespace {
using Canvas = gdi_test::ImageCanvas;
constexpr COLORREF kPaper = gdi_test::kPaper;
constexpr double kDouble = 2.0;
constexpr double kFractionalRatios[] = {1.25, 1.5, 1.75};
} // namespace

TEST(ScaledDrawing, OnePixelFillsSideBySideLeaveNoGap) {
    constexpr int kColumns = 11;
    for (const double ratio : kFractionalRatios) {
        Canvas canvas(kColumns, 2, kPaper, QPoint(0, 0), ratio);
        CBrush red(gdi_test::kRed);
        CBrush green(gdi_test::kGreen);
        for (int x = 0; x < kColumns; ++x) {
            canvas.Dc().FillRect(CRect(x, 0, x + 1, 2), x % 2 == 0 ? &red : &green);
        }
        const engine::PixelGrid grid(ratio, QPoint(0, 0));
        int expectedRed = 0;
        for (int x = 0; x < kColumns; x += 2) {
            expectedRed += grid.X(x + 1) - grid.X(x);
        }
        const int width = canvas.Image().width();
        const int height = canvas.Image().height();
        EXPECT_EQ(canvas.Count(kPaper), 0) << ratio;
        EXPECT_EQ(canvas.Count(gdi_test::kRed), expectedRed * height) << ratio;
        EXPECT_EQ(canvas.Count(gdi_test::kGreen), (width - expectedRed) * height) << ratio;
    }
}

TEST(ScaledDrawing, PatternIsEnlargedAsAPictureFromTheBrushOrigin) {
    const QImage tile = gdi_test::DistinctTileImage();
    CBitmap bitmap;
    bitmap.Attach(new engine::GdiBitmap(tile));
    CBrush pattern(&bitmap);
    bitmap.DeleteObject();
    Canvas canvas(70, 25, kPaper, QPoint(7, 5), kDouble);
    canvas.Dc().FillRect(CRect(-7, -5, 63, 20), &pattern);
    for (int y = 0; y < canvas.Image().height(); ++y) {
        for (int x = 0; x < canvas.Image().width(); ++x) {
            // Each tile pixel covers two by two device pixels from logical (0, 0) on.
            const int tx = ((x / 2 - 7) % 53 + 53) % 53;
            const int ty = ((y / 2 - 5) % 20 + 20) % 20;
            ASSERT_EQ(canvas.At(x, y), engine::ToColorRef(tile.pixel(tx, ty))) << x << "," << y;
        }
    }
}

TEST(ScaledDrawing, PreEnlargedPatternDrawsWhatTheEnlargingTransformDraws) {
    // Dialog-sized fills from the window's corner and from an odd brush origin at every
    // ratio, against the pattern sampled through the transform device pixel by device pixel.
    const QImage tile = gdi_test::DistinctTileImage();
    const engine::GdiBrush brush(tile);
    QBrush enlarging(tile.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    for (const double ratio : {kDouble, 1.25, 1.5, 1.75, 3.0}) {
        enlarging.setTransform(QTransform::fromScale(ratio, ratio));
        const QSize size = engine::PixelGrid(ratio, QPoint(0, 0)).DeviceSize(QSize(600, 420));
        for (const QPoint origin : {QPoint(0, 0), QPoint(-13, -7)}) {
            QImage expected(size, QImage::Format_ARGB32_Premultiplied);
            QImage actual(size, QImage::Format_ARGB32_Premultiplied);
            for (auto [image, qtBrush] :
                 {std::pair{&expected, enlarging}, std::pair{&actual, brush.DeviceBrush(ratio)}}) {
                QPainter painter(image);
                painter.setBrushOrigin(origin);
                painter.fillRect(image->rect(), qtBrush);
            }
            EXPECT_EQ(actual, expected) << ratio << " from " << origin.x() << "," << origin.y();
        }
    }
}

TEST(ScaledDrawing, RoundedCornersCurveInDevicePixels) {
    Canvas canvas(20, 12, kPaper, QPoint(0, 0), kDouble);
    canvas.Dc().RoundRect(0, 0, 20, 12, 5, 5);
    canvas.Keep("round-rect-2x", 8);
    // Enlarged from logical pixels, the top row would start at device column 4 and the
    // second at 4 too; drawn at the device resolution they start at 5 and 2.
    EXPECT_EQ(canvas.At(4, 0), kPaper);
    EXPECT_EQ(canvas.At(5, 0), gdi_test::kBlack);
    EXPECT_EQ(canvas.At(1, 1), kPaper);
    EXPECT_EQ(canvas.At(2, 1), gdi_test::kBlack);
    // The one-pixel pen is two device pixels wide along the straight edges.
    EXPECT_EQ(canvas.At(0, 12), gdi_test::kBlack);
    EXPECT_EQ(canvas.At(1, 12), gdi_test::kBlack);
    EXPECT_EQ(canvas.At(2, 12), gdi_test::kWhite);
    EXPECT_EQ(canvas.At(39, 12), gdi_test::kBlack);
    EXPECT_EQ(canvas.At(37, 12), gdi_test::kWhite);
}
