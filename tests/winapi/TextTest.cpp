// Text extents and text drawing: DrawText and DrawState.
#include "winapi/Canvas.h"

#include "platform/afx/CFont.h"
#include <windows.h>

#include <gtest/gtest.h>

using gdi_test::Canvas;
using gdi_test::Inked;
using gdi_test::kPaper;

namespace {
constexpr COLORREF kLabelBlue = RGB(10, 10, 255);
} // namespace

TEST(Text, ExtentsMeasureTheRawStringAmpersandsIncluded) {
    Canvas canvas(10, 10);
    CDC& dc = canvas.Dc();
    const CSize plain = dc.GetTextExtent(TEXT("Write"), -1);
    const CSize prefixed = dc.GetTextExtent(TEXT("&Write"), 6);
    EXPECT_GT(plain.cx, 0);
    EXPECT_EQ(prefixed.cy, plain.cy);
    EXPECT_EQ(prefixed.cx, plain.cx + dc.GetTextExtent(TEXT("&"), 1).cx);
    // The count is in the program's characters: a prefix of the string measures shorter.
    EXPECT_LT(dc.GetTextExtent(TEXT("&Write"), 3).cx, prefixed.cx);
    // Selecting a bigger font makes wider text.
    CFont big;
    big.CreatePointFont(180, TEXT("宋体"));
    dc.SelectObject(&big);
    EXPECT_GT(dc.GetTextExtent(TEXT("Write"), -1).cx, plain.cx);
    EXPECT_GE(dc.GetTextExtent(TEXT("Write"), -1).cy, 24);
}

TEST(Text, TextIsDrawnAliasedInTheTextColour) {
    Canvas canvas(120, 30, kPaper);
    CDC& dc = canvas.Dc();
    CFont label;
    label.CreatePointFont(110, TEXT("宋体"));
    dc.SelectObject(&label);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kLabelBlue);
    CRect box(2, 2, 120, 30);
    ASSERT_GT(dc.DrawText(CString("服务器IP"), box, DT_SINGLELINE), 0);
    // Every pixel is either untouched or exactly the text colour. Windows draws this face at
    // this size from its embedded bitmaps; Wine has no such face and smooths the outline font
    // that replaces it.
    const int blue = canvas.Count(kLabelBlue);
    if (!gdi_test::UnderWine()) {
        EXPECT_GT(blue, 40);
        EXPECT_EQ(canvas.Count(kPaper) + blue, 120 * 30);
    }
    const RECT ink = Inked(canvas);
    const CSize extent = dc.GetTextExtent(CString("服务器IP"));
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right - 1, 2 + extent.cx);
    EXPECT_LE(ink.bottom - 1, 2 + extent.cy);
    canvas.Keep("label-text");
}

TEST(Text, OpaqueModeFillsTheCellWithTheBackgroundColour) {
    Canvas canvas(60, 20, kPaper);
    CDC& dc = canvas.Dc();
    dc.SetBkColor(RGB(255, 255, 0));
    CRect box(1, 1, 60, 20);
    dc.DrawText(CString("Ab"), box, DT_SINGLELINE);
    const CSize extent = dc.GetTextExtent(CString("Ab"));
    // Windows' System font is a raster font; Wine's stand-in is an outline font it smooths,
    // which leaves pixels of neither colour.
    if (!gdi_test::UnderWine()) {
        EXPECT_EQ(canvas.Count(RGB(255, 255, 0)) +
                      canvas.Count(RGB(0, 0, 0), 1, 1, extent.cx, extent.cy),
                  extent.cx * extent.cy);
    }
}

TEST(DrawStateText, PrefixUnderlinesTheNextCharacterAndHidesTheAmpersand) {
    Canvas withPrefix(80, 24, kPaper);
    Canvas without(80, 24, kPaper);
    for (Canvas* canvas : {&withPrefix, &without}) {
        canvas->Dc().SetBkMode(TRANSPARENT);
    }
    const CSize extent = withPrefix.Dc().GetTextExtent(TEXT("&Ab"), -1);
    ASSERT_TRUE(withPrefix.Dc().DrawState(CPoint(2, 2), extent, TEXT("&Ab"),
                                          DST_PREFIXTEXT | DSS_NORMAL, TRUE, 0, nullptr));
    without.Dc().DrawState(CPoint(2, 2), extent, TEXT("Ab"), DST_TEXT, FALSE, 0);
    // The glyphs are those of "Ab" at the same place; only the underline under 'A' is added.
    const int aWidth = without.Dc().GetTextExtent(TEXT("A"), 1).cx;
    int extra = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (withPrefix.At(x, y) != without.At(x, y)) {
                EXPECT_GE(x, 2);
                EXPECT_LT(x, 2 + aWidth);
                ++extra;
            }
        }
    }
    EXPECT_GT(extra, 0);
    EXPECT_LE(extra, aWidth);
    withPrefix.Keep("drawstate-prefix");
}

TEST(DrawStateText, DoubleAmpersandIsALiteralAmpersand) {
    Canvas prefixed(60, 24, kPaper);
    Canvas literal(60, 24, kPaper);
    prefixed.Dc().DrawState(CPoint(1, 1), CSize(0, 0), TEXT("a&&b"), DST_PREFIXTEXT, TRUE, 0);
    literal.Dc().DrawState(CPoint(1, 1), CSize(0, 0), TEXT("a&b"), DST_TEXT, FALSE, 0);
    EXPECT_EQ(prefixed.Differences(literal), 0);
}

TEST(DrawStateText, DisabledTextIsEmbossedInHighlightAndShadow) {
    Canvas canvas(80, 24, kPaper);
    CDC& dc = canvas.Dc();
    dc.SetTextColor(RGB(255, 0, 0)); // ignored when disabled
    dc.SetBkMode(OPAQUE);            // disabled text is always transparent
    dc.DrawState(CPoint(2, 2), CSize(0, 0), TEXT("&Write"), DST_PREFIXTEXT | DSS_DISABLED, TRUE, 0);
    const int light = canvas.Count(GetSysColor(COLOR_3DHILIGHT));
    const int shadow = canvas.Count(GetSysColor(COLOR_3DSHADOW));
    EXPECT_GT(light, 0);
    EXPECT_GT(shadow, 0);
    EXPECT_EQ(light + shadow + canvas.Count(kPaper), 80 * 24);
    // The shadow copy is on top: the bottom-right-most ink is highlight, offset by one.
    Canvas normal(80, 24, kPaper);
    normal.Dc().SetBkMode(TRANSPARENT);
    normal.Dc().DrawState(CPoint(2, 2), CSize(0, 0), TEXT("&Write"), DST_PREFIXTEXT, TRUE, 0);
    const RECT embossed = Inked(canvas);
    const RECT plain = Inked(normal);
    EXPECT_EQ(CRect(embossed), CRect(plain.left, plain.top, plain.right + 1, plain.bottom + 1));
    canvas.Keep("drawstate-disabled");
}

TEST(DrawTextLayout, AlignsSingleLinesInTheRectangle) {
    Canvas canvas(100, 40, kPaper);
    CDC& dc = canvas.Dc();
    dc.SetBkMode(TRANSPARENT);
    const CSize extent = dc.GetTextExtent(TEXT("MM"), 2);
    CRect rect(0, 0, 100, 40);
    const int height = dc.DrawText(TEXT("MM"), -1, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = Inked(canvas);
    const int left = (100 - extent.cx) / 2;
    const int top = (40 - extent.cy) / 2;
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.right - 1, left + extent.cx);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom - 1, top + extent.cy);
    // How the centre rounds is not documented: Wine puts the text at half the rectangle's
    // height less half the text's, each halved apart.
    if (!gdi_test::UnderWine()) {
        EXPECT_EQ(height, top + extent.cy);
    }
}

TEST(DrawTextLayout, CalcRectMeasuresAndWordBreakWraps) {
    Canvas canvas(200, 100, kPaper);
    CDC& dc = canvas.Dc();
    const int lineHeight = dc.GetTextExtent(TEXT("x"), 1).cy;
    CRect measured(5, 5, 5, 5);
    EXPECT_EQ(dc.DrawText(TEXT("&One two"), -1, measured, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    EXPECT_EQ(measured.Width(), dc.GetTextExtent(TEXT("One two"), -1).cx);
    EXPECT_EQ(canvas.Count(kPaper), 200 * 100); // nothing drawn
    const int word = dc.GetTextExtent(TEXT("three"), -1).cx;
    CRect narrow(0, 0, word + 2, 100);
    EXPECT_EQ(dc.DrawText(TEXT("one two three"), -1, narrow, DT_WORDBREAK | DT_CALCRECT),
              3 * lineHeight);
    EXPECT_LE(narrow.Width(), word + 2);
    CRect lines(0, 0, 200, 100);
    EXPECT_EQ(dc.DrawText(TEXT("a\r\nb\nc"), -1, lines, DT_LEFT), 3 * lineHeight);
    // Chinese text breaks between characters.
    const int twoChars = dc.GetTextExtent(TEXT("中控"), -1).cx;
    CRect cjk(0, 0, twoChars, 100);
    EXPECT_EQ(dc.DrawText(TEXT("中控中控中控"), -1, cjk, DT_WORDBREAK | DT_CALCRECT),
              3 * lineHeight);
}
