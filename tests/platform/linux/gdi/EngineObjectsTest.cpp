// The engine's objects behind stock and created handles: what the Windows API cannot show of
// them (the system font's pixel size, a pen's width, a brush's colour), and the typed stock
// brush getter, which here refuses a pen or font index.
#include "platform/afx/CBrush.h"
#include "platform/afx/CPen.h"
#include "platform/linux/gdi/GdiBrush.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/GdiPen.h"
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

TEST(DeviceContextState, SystemFontIsTwelvePixelsHigh) {
    EXPECT_EQ(engine::ObjectOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)))->Font().pixelSize(),
              12);
}

TEST(GdiObjectLifetime, StockObjectsKeepTheirEngineObjects) {
    {
        CBrush wrapper;
        ASSERT_TRUE(wrapper.Attach(GetStockObject(BLACK_BRUSH)));
    } // the wrapper's destructor deletes nothing
    EXPECT_EQ(engine::ObjectOf(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)))->Color(),
              RGB(0, 0, 0));
    EXPECT_TRUE(engine::ObjectOf(GetStockBrush(NULL_BRUSH))->IsNull());
    // Never a pen or font as a brush.
    EXPECT_EQ(GetStockBrush(BLACK_PEN), nullptr);
    EXPECT_EQ(GetStockBrush(SYSTEM_FONT), nullptr);
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(engine::ObjectOf(face)->Color(), RGB(212, 208, 200));
}

TEST(GdiObjectLifetime, ZeroWidthPenIsOnePixelWide) {
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 0, RGB(1, 2, 3)));
    EXPECT_EQ(engine::ObjectOf(static_cast<HPEN>(pen))->Width(), 1);
}
