// The Win32 drawing calls as Windows documents them, written with the calls alone (the canvas
// only provides a device context and reads pixels back), so that the same cases hold on the
// real system.
#include "winapi/Canvas.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using gdi_test::Canvas;
using gdi_test::kBlack;
using gdi_test::kPaper;
using gdi_test::kRed;

namespace {
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A typed handle as an HGDIOBJ, as Win32 code converts it.
template <class Handle> HGDIOBJ Obj(Handle handle) {
    return reinterpret_cast<HGDIOBJ>(handle);
}
} // namespace

TEST(GdiCallsState, SelectObjectReturnsThePreviousObjectOfItsKind) {
    Canvas canvas(4, 4);
    HDC hdc = canvas.Handle();
    HGDIOBJ pen = Obj(CreatePen(PS_SOLID, 1, kRed));
    HGDIOBJ brush = Obj(CreateSolidBrush(kBlue));
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), OBJ_FONT);
    EXPECT_EQ(SelectObject(hdc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(hdc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(hdc, GetStockObject(BLACK_PEN)), pen);
    EXPECT_EQ(SelectObject(hdc, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(GdiCallsState, RestoreDcBringsBackSelectionModesAndColours) {
    Canvas canvas(4, 4);
    HDC hdc = canvas.Handle();
    HGDIOBJ pen = Obj(CreatePen(PS_SOLID, 1, kRed));
    const int first = SaveDC(hdc);
    EXPECT_GT(first, 0);
    SelectObject(hdc, pen);
    EXPECT_EQ(SetBkMode(hdc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkColor(hdc, kBlue), RGB(255, 255, 255));
    EXPECT_EQ(SetTextColor(hdc, kRed), kBlack);
    const int second = SaveDC(hdc);
    EXPECT_EQ(second, first + 1);
    SetTextColor(hdc, kBlue);
    // A negative level counts back from the last save.
    EXPECT_TRUE(RestoreDC(hdc, -1));
    EXPECT_EQ(GetTextColor(hdc), kRed);
    EXPECT_EQ(GetBkMode(hdc), TRANSPARENT);
    EXPECT_TRUE(RestoreDC(hdc, first));
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetBkMode(hdc), OPAQUE);
    EXPECT_EQ(GetBkColor(hdc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(hdc), kBlack);
    EXPECT_FALSE(RestoreDC(hdc, first)) << "restoring drops the saved state";
    EXPECT_FALSE(RestoreDC(hdc, -1));
    EXPECT_EQ(SetBkMode(hdc, 7), 0) << "not a background mode";
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(GdiCallsDrawing, LineToLeavesOutItsEndAndMovesTheCurrentPosition) {
    Canvas canvas(10, 4, kPaper);
    HDC hdc = canvas.Handle();
    POINT previous{-1, -1};
    EXPECT_TRUE(MoveToEx(hdc, 1, 1, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(previous.y, 0);
    EXPECT_TRUE(LineTo(hdc, 6, 1));
    EXPECT_EQ(canvas.Count(kBlack, 1, 1, 5, 1), 5);
    EXPECT_EQ(canvas.At(6, 1), kPaper);
    POINT current{};
    EXPECT_TRUE(GetCurrentPositionEx(hdc, &current));
    EXPECT_EQ(current.x, 6);
    EXPECT_EQ(current.y, 1);
    // The next line starts where the last one ended and draws that pixel.
    EXPECT_TRUE(LineTo(hdc, 6, 3));
    EXPECT_EQ(canvas.At(6, 1), kBlack);
    EXPECT_EQ(canvas.At(6, 2), kBlack);
    EXPECT_EQ(canvas.At(6, 3), kPaper);
    EXPECT_EQ(canvas.Count(kBlack), 7);
}

TEST(GdiCallsDrawing, FillsAndFramesLeaveOutTheRightColumnAndBottomRow) {
    Canvas canvas(12, 12, kPaper);
    HDC hdc = canvas.Handle();
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT fill{1, 2, 5, 7};
    EXPECT_NE(FillRect(hdc, &fill, red), 0);
    EXPECT_EQ(canvas.Count(kRed), 4 * 5);
    EXPECT_EQ(canvas.Count(kRed, 1, 2, 4, 5), 4 * 5);
    const RECT frame{6, 6, 11, 10};
    EXPECT_NE(FrameRect(hdc, &frame, red), 0);
    EXPECT_EQ(canvas.Count(kRed, 6, 6, 5, 4), 2 * 5 + 2 * 2);
    EXPECT_EQ(canvas.Count(kRed, 11, 6, 1, 5) + canvas.Count(kRed, 6, 10, 6, 1), 0);
    EXPECT_TRUE(DeleteObject(Obj(red)));
}

TEST(GdiCallsDrawing, FiguresWithoutPenOrBrush) {
    Canvas canvas(20, 10, kPaper);
    HDC hdc = canvas.Handle();
    HGDIOBJ red = Obj(CreateSolidBrush(kRed));
    HGDIOBJ oldBrush = SelectObject(hdc, red);
    HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    // Without a pen the interior loses the right column and bottom row too.
    EXPECT_TRUE(Rectangle(hdc, 1, 1, 6, 6));
    EXPECT_EQ(canvas.Count(kRed), 4 * 4);
    EXPECT_EQ(canvas.Count(kRed, 1, 1, 4, 4), 4 * 4);
    // Without a brush only the outline is drawn, inside the rectangle.
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(hdc, 8, 1, 13, 6));
    EXPECT_EQ(canvas.Count(kBlack, 8, 1, 5, 5), 2 * 5 + 2 * 3);
    EXPECT_EQ(canvas.Count(kPaper, 9, 2, 3, 3), 3 * 3);
    EXPECT_TRUE(RoundRect(hdc, 14, 1, 20, 9, 4, 4));
    EXPECT_EQ(canvas.At(14, 1), kPaper) << "the corner is cut off";
    EXPECT_EQ(canvas.At(14, 5), kBlack);
    EXPECT_EQ(canvas.Count(kPaper, 15, 3, 4, 4), 4 * 4);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    EXPECT_TRUE(DeleteObject(red));
}

TEST(GdiCallsText, ExtentAgreesWithCalcRectAndDrawTextReturnsTheHeight) {
    Canvas canvas(120, 40, kPaper);
    HDC hdc = canvas.Handle();
    const TCHAR* text = TEXT("Gateway 10.0");
    SIZE extent{};
    EXPECT_TRUE(GetTextExtentPoint32(
        hdc, text, static_cast<int>(std::char_traits<TCHAR>::length(text)), &extent));
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    RECT measured{5, 5, 5, 5};
    EXPECT_EQ(DrawText(hdc, text, -1, &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT),
              extent.cy);
    EXPECT_EQ(measured.right - measured.left, extent.cx);
    EXPECT_EQ(measured.bottom - measured.top, extent.cy);
    EXPECT_EQ(canvas.Count(kPaper), 120 * 40) << "measuring draws nothing";
    RECT box{0, 0, 120, 40};
    EXPECT_EQ(DrawText(hdc, text, -1, &box, DT_LEFT), extent.cy);
    EXPECT_LT(canvas.Count(kPaper), 120 * 40);
}

TEST(GdiCallsText, DrawStateDrawsTheGivenLengthOfText) {
    Canvas whole(60, 20, kPaper);
    Canvas part(60, 20, kPaper);
    const TCHAR* text = TEXT("&Add more");
    RECT box{2, 2, 60, 20};
    DrawText(whole.Handle(), text, 4, &box, DT_LEFT | DT_SINGLELINE);
    // DST_PREFIXTEXT: the ampersand underlines the next letter; wData is the length.
    EXPECT_TRUE(DrawState(part.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(text), 4, 2, 2,
                          0, 0, DST_PREFIXTEXT));
    EXPECT_EQ(part.Differences(whole), 0);
    EXPECT_FALSE(DrawState(part.Handle(), nullptr, nullptr, 0, 0, 2, 2, 0, 0, DST_TEXT));
}

TEST(GdiCallsNullDc, EveryCallFails) {
    HDC none = nullptr;
    RECT rect{0, 0, 4, 4};
    POINT point{};
    SIZE size{};
    HBRUSH brush = GetSysColorBrush(COLOR_3DFACE);
    EXPECT_EQ(SaveDC(none), 0);
    EXPECT_FALSE(RestoreDC(none, -1));
    EXPECT_EQ(SelectObject(none, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_EQ(GetCurrentObject(none, OBJ_PEN), nullptr);
    EXPECT_EQ(SetBkMode(none, OPAQUE), 0);
    EXPECT_EQ(GetBkMode(none), 0);
    EXPECT_EQ(SetBkColor(none, kRed), CLR_INVALID);
    EXPECT_EQ(GetBkColor(none), CLR_INVALID);
    EXPECT_EQ(SetTextColor(none, kRed), CLR_INVALID);
    // Wine answers 0 where Windows documents CLR_INVALID.
    if (!gdi_test::UnderWine()) {
        EXPECT_EQ(GetTextColor(none), CLR_INVALID);
    }
    EXPECT_FALSE(MoveToEx(none, 1, 1, &point));
    EXPECT_FALSE(GetCurrentPositionEx(none, &point));
    EXPECT_FALSE(LineTo(none, 2, 2));
    EXPECT_FALSE(Rectangle(none, 0, 0, 4, 4));
    EXPECT_FALSE(RoundRect(none, 0, 0, 4, 4, 2, 2));
    // Wine's FillRect, DrawEdge and DrawFocusRect do not check the handle and report success
    // where Windows documents zero for a failure.
    if (!gdi_test::UnderWine()) {
        EXPECT_EQ(FillRect(none, &rect, brush), 0);
    }
    EXPECT_EQ(FrameRect(none, &rect, brush), 0);
    if (!gdi_test::UnderWine()) {
        EXPECT_FALSE(DrawEdge(none, &rect, EDGE_SUNKEN, BF_RECT));
        EXPECT_FALSE(DrawFocusRect(none, &rect));
    }
    EXPECT_FALSE(GetTextExtentPoint32(none, TEXT("a"), 1, &size));
    EXPECT_EQ(DrawText(none, TEXT("a"), 1, &rect, DT_LEFT), 0);
    EXPECT_FALSE(DrawState(none, nullptr, nullptr, reinterpret_cast<LPARAM>(TEXT("a")), 1, 0, 0, 0,
                           0, DST_TEXT));
    EXPECT_EQ(GetDeviceCaps(none, LOGPIXELSY), 0);
}
