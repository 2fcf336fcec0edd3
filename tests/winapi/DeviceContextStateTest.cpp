// Bookkeeping of device contexts: defaults, saved states, selections and object lifetime.
#include "winapi/Canvas.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CPen.h"
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <memory>

using gdi_test::Canvas;

namespace {

// A fresh Win32 device context's objects, colours, mode and position.
void ExpectWin32Defaults(CDC& dc) {
    EXPECT_EQ(dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.GetCurrentBrush()->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.GetCurrentFont()->m_hObject, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(0, 0));
}

} // namespace

TEST(DeviceContextState, FreshContextHasWin32Defaults) {
    Canvas canvas(8, 8);
    ExpectWin32Defaults(canvas.Dc());
}

TEST(DeviceContextState, FromHandleGivesTheContextsOwnWrapper) {
    Canvas canvas(4, 4);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CDC::FromHandle(canvas.Handle()), &canvas.Dc());
    EXPECT_EQ(canvas.Dc().GetSafeHdc(), canvas.Handle());
}

TEST(DeviceContextState, SelectObjectReturnsThePreviousObject) {
    Canvas canvas(4, 4);
    CDC& dc = canvas.Dc();
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_INSIDEFRAME, 3, RGB(0, 0, 255));
    CPen* stock = dc.SelectObject(&red);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(&blue), &red); // the wrapper that owns the handle
    EXPECT_EQ(dc.SelectObject(stock), &blue);
    EXPECT_EQ(dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));

    CBrush green(RGB(0, 255, 0));
    CGdiObject* previousBrush = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(previousBrush->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectObject(&green)->m_hObject, GetStockObject(NULL_BRUSH));
    dc.SelectObject(previousBrush);

    CPen empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
}

TEST(DeviceContextState, RestoreDcBringsBackEverySavedAttribute) {
    Canvas canvas(4, 4);
    CDC& dc = canvas.Dc();
    CPen pen(PS_SOLID, 2, RGB(9, 9, 9));
    CBrush brush(RGB(8, 8, 8));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(180, TEXT("宋体")));

    const int level = dc.SaveDC();
    EXPECT_EQ(level, 1);
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(RGB(1, 1, 1));
    dc.SetTextColor(RGB(2, 2, 2));
    dc.MoveTo(3, 4);
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SelectStockObject(NULL_PEN);

    ASSERT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetCurrentPen(), &pen);
    ASSERT_TRUE(dc.RestoreDC(level));
    ExpectWin32Defaults(dc);
    // Both levels are gone now.
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(1));
    EXPECT_FALSE(dc.RestoreDC(0));
}

TEST(DeviceContextState, RestoringAnOuterLevelDropsTheInnerOnes) {
    Canvas canvas(4, 4);
    CDC& dc = canvas.Dc();
    dc.SetTextColor(RGB(1, 0, 0));
    const int outer = dc.SaveDC();
    dc.SetTextColor(RGB(2, 0, 0));
    dc.SaveDC();
    dc.SetTextColor(RGB(3, 0, 0));
    dc.SaveDC();
    ASSERT_TRUE(dc.RestoreDC(outer));
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 0, 0));
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DeviceContextState, MoveToReturnsThePreviousPosition) {
    Canvas canvas(4, 4);
    CDC& dc = canvas.Dc();
    EXPECT_EQ(dc.MoveTo(5, 7), CPoint(0, 0));
    EXPECT_EQ(dc.MoveTo(1, 2), CPoint(5, 7));
    dc.LineTo(3, 2);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(3, 2));
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(42), 0); // invalid modes are refused
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
}

TEST(GdiObjectLifetime, DeletingASelectedObjectWaitsForTheContext) {
    Canvas canvas(6, 6);
    {
        CDC& dc = canvas.Dc();
        auto pen = std::make_unique<CPen>(PS_SOLID, 1, RGB(200, 0, 0));
        CPen* stock = dc.SelectObject(pen.get());
        const HGDIOBJ handle = pen->m_hObject;
        pen.reset(); // DeleteObject while selected
        // The context still draws with the pen and reports it as current.
        EXPECT_EQ(dc.GetCurrentPen()->m_hObject, handle);
        dc.MoveTo(0, 0);
        dc.LineTo(5, 0);
        EXPECT_EQ(canvas.At(4, 0), RGB(200, 0, 0));
        CPen* returned = dc.SelectObject(stock);
        ASSERT_NE(returned, nullptr);
        EXPECT_EQ(returned->m_hObject, handle); // valid until the context ends
    }
    // The pen is destroyed with the context; ASan reports any access after that.
}

// Not run on Windows: there DeleteObject frees a brush that only a saved state holds, and the
// state restored later names a handle that no longer exists. The engine's handles are
// addresses, so a stale one would be memory used after it is freed: the engine keeps the
// object until no state holds it, and the restored brush still paints.
TEST(GdiObjectLifetime, ObjectsSavedByDcSurviveTheirDeletion) {
    auto canvas = std::make_unique<Canvas>(4, 4);
    CDC* pDC = &canvas->Dc();
    {
        CBrush brush(RGB(0, 0, 200));
        pDC->SelectObject(&brush);
        pDC->SaveDC();
        pDC->SelectStockObject(WHITE_BRUSH);
    } // deleted while only a saved state refers to it
    pDC->RestoreDC(-1);
    const RECT all{0, 0, 4, 4};
    pDC->FillRect(&all, pDC->GetCurrentBrush());
    EXPECT_EQ(canvas->At(2, 2), RGB(0, 0, 200));
    canvas.reset();
}

TEST(GdiObjectLifetime, StockObjectsSurviveDeleteObject) {
    for (int index : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH,
                      WHITE_PEN, BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr) << index;
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_EQ(GetStockObject(index), stock);
    }
    {
        CBrush wrapper;
        ASSERT_TRUE(wrapper.Attach(GetStockObject(BLACK_BRUSH)));
    } // the wrapper's destructor deletes nothing
    // The typed getter hands out the same brushes.
    EXPECT_EQ(GetStockBrush(NULL_BRUSH), GetStockObject(NULL_BRUSH));
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(GetSysColorBrush(COLOR_3DFACE), face);
    EXPECT_EQ(GetStockObject(9), nullptr);
    // The brushes still paint their colours, and the null brush paints nothing.
    Canvas canvas(3, 1, gdi_test::kPaper);
    const RECT first{0, 0, 1, 1};
    const RECT second{1, 0, 2, 1};
    const RECT third{2, 0, 3, 1};
    EXPECT_NE(FillRect(canvas.Handle(), &first, GetStockBrush(BLACK_BRUSH)), 0);
    EXPECT_NE(FillRect(canvas.Handle(), &second, face), 0);
    FillRect(canvas.Handle(), &third, GetStockBrush(NULL_BRUSH));
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(1, 0), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(canvas.At(2, 0), gdi_test::kPaper);
}

TEST(GdiObjectLifetime, WrappersFollowTheirHandles) {
    CPen pen;
    EXPECT_FALSE(pen.DeleteObject());
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 0, RGB(1, 2, 3)));
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 1, RGB(1, 2, 3))); // already holds a pen
    EXPECT_EQ(CPen::FromHandle(pen), &pen);
    HGDIOBJ handle = pen.Detach();
    CGdiObject* temporary = CGdiObject::FromHandle(handle);
    ASSERT_NE(temporary, nullptr);
    EXPECT_NE(temporary, &pen);
    EXPECT_EQ(CGdiObject::FromHandle(handle), temporary); // one temporary per object
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
    EXPECT_TRUE(DeleteObject(handle));
}
