// The caption of the gradient button: placement, pressed shift, disabled look, prefix
// ampersands and the length limit.
#include "controls/ButtonCaption.h"
#include "tests/controls/ControlHost.h"
#include "tests/controls/HostedButton.h"

#include "platform/linux/gdi/DeviceContext.h"

#include <gtest/gtest.h>

namespace {

// Eight characters of the dialog font, 6 x 12 pixels each: a 48 x 12 extent.
constexpr const char* kCaption = "abcdefgh";
const CSize kCaptionExtent{48, 12};

class GradientButtonCaption : public test::HostedButton {
protected:
    void SetUp() override {
        HostedButton::SetUp();
        m_font.CreatePointFont(90, "宋体");
        button.SetFont(&m_font, FALSE);
    }

    QImage Render(const CString& caption, UINT itemState) {
        button.SetWindowText(caption);
        return test::RenderItem(button, itemState);
    }

    // The button without caption, then `text` drawn on it by DrawState at `origin` in the
    // button's font: what the button itself must draw.
    QImage Expected(const char* text, CPoint origin, UINT itemState, UINT flags) {
        QImage image = Render("", itemState).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            engine::DeviceContext dc(image, {0, 0}, image.rect());
            CDC* pDC = CDC::FromHandle(&dc);
            pDC->SelectObject(&m_font);
            pDC->SetBkMode(TRANSPARENT);
            pDC->DrawState(origin, pDC->GetTextExtent(CString(text)), text, flags);
        }
        return image.convertToFormat(QImage::Format_RGB32);
    }

    CSize Extent(const CString& text) {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        engine::DeviceContext dc(image, {0, 0}, image.rect());
        CDC* pDC = CDC::FromHandle(&dc);
        pDC->SelectObject(&m_font);
        return pDC->GetTextExtent(text);
    }

    CFont m_font;
};

} // namespace

TEST(CaptionPlacement, CentresWithTruncatingHalves) {
    const CRect shrunk(2, 2, 86, 25);
    EXPECT_EQ(caption::CenteredOrigin(shrunk, {50, 12}, FALSE), CPoint(19, 7));
    EXPECT_EQ(caption::CenteredOrigin(shrunk, {50, 12}, TRUE), CPoint(20, 8));
    EXPECT_EQ(caption::CenteredOrigin(shrunk, {51, 13}, FALSE), CPoint(19, 7));
    // Halving rounds toward zero, also for negative coordinates.
    EXPECT_EQ(caption::CenteredOrigin(CRect(-9, -9, 0, 0), {0, 0}, FALSE), CPoint(-4, -4));
    EXPECT_EQ(caption::CenteredOrigin(CRect(0, 0, 10, 10), {3, 3}, FALSE), CPoint(4, 4));
}

TEST(CaptionLength, CountsCharactersNotBytes) {
    EXPECT_EQ(caption::FirstCharacters("服务器IP", 2), "服务");
    EXPECT_EQ(caption::FirstCharacters("服务器IP", 4), "服务器I");
    EXPECT_EQ(caption::FirstCharacters("abc", 3), "abc");
    EXPECT_EQ(caption::FirstCharacters("abc", 5), "abc");
    EXPECT_EQ(caption::FirstCharacters("abc", 0), "");
    EXPECT_EQ(caption::FirstCharacters("", 259), "");
}

TEST_F(GradientButtonCaption, DrawnCentredAndShiftedWhenPressed) {
    ASSERT_EQ(Extent(kCaption), kCaptionExtent);
    EXPECT_EQ(Render(kCaption, 0), Expected(kCaption, {20, 7}, 0, DST_PREFIXTEXT | DSS_NORMAL));
    EXPECT_EQ(Render(kCaption, ODS_SELECTED),
              Expected(kCaption, {21, 8}, ODS_SELECTED, DST_PREFIXTEXT | DSS_NORMAL));
    test::KeepImage(Render("服务器IP烧写", 0), "caption_normal");
}

TEST_F(GradientButtonCaption, DisabledButtonEmbossesItsCaption) {
    const QImage disabled = Render(kCaption, ODS_DISABLED);
    EXPECT_EQ(disabled, Expected(kCaption, {20, 7}, ODS_DISABLED, DST_PREFIXTEXT | DSS_DISABLED));
    EXPECT_NE(disabled, Expected(kCaption, {20, 7}, ODS_DISABLED, DST_PREFIXTEXT | DSS_NORMAL));
    test::KeepImage(Render("服务器IP烧写", ODS_DISABLED), "caption_disabled");
}

TEST_F(GradientButtonCaption, AmpersandUnderlinesAndWidensTheExtent) {
    const CString plain = "Write";
    const CString prefixed = "&Write";
    const QImage blank = Render("", 0);
    const QImage plainMask = test::Difference(Render(plain, 0), blank);
    const QImage prefixedMask = test::Difference(Render(prefixed, 0), blank);
    // The ampersand is not drawn, but its width moves the text left by half of it.
    const int shift = Extent(plain).cx / 2 - Extent(prefixed).cx / 2;
    ASSERT_LT(shift, 0);
    const int wLeft = caption::CenteredOrigin(CRect(2, 2, 86, 25), Extent(prefixed), FALSE).x;
    const int wRight = wLeft + Extent("W").cx;
    QRect underline;
    for (int y = 0; y < blank.height(); ++y) {
        for (int x = 0; x < blank.width(); ++x) {
            const int from = x - shift;
            const bool inPlain = from >= 0 && from < blank.width() && plainMask.pixelIndex(from, y);
            const bool inPrefixed = prefixedMask.pixelIndex(x, y) != 0;
            if (inPlain) {
                EXPECT_TRUE(inPrefixed) << x << "," << y;
            } else if (inPrefixed) {
                underline |= QRect(x, y, 1, 1);
            }
        }
    }
    // What the ampersand adds is one line under the first letter.
    ASSERT_FALSE(underline.isEmpty());
    EXPECT_EQ(underline.height(), 1);
    EXPECT_GE(underline.left(), wLeft);
    EXPECT_LE(underline.right(), wRight - 1);
    test::KeepImage(Render(prefixed, 0), "caption_ampersand");
}

TEST_F(GradientButtonCaption, LongCaptionIsCutToItsFirst259Characters) {
    CString longest;
    CString limit;
    for (int i = 0; i < 300; ++i) {
        (i < caption::kMaxCharacters ? limit : longest) += "服";
    }
    longest = limit + longest;
    EXPECT_EQ(Render(longest, 0), Render(limit, 0));
    EXPECT_NE(Render(limit, 0), Render(limit.Left(limit.GetLength() - 3), 0));
}

TEST_F(GradientButtonCaption, DrawRequestLeavesTheSurfaceAsItFoundIt) {
    button.SetWindowText(kCaption);
    QImage image(88, 27, QImage::Format_ARGB32_Premultiplied);
    engine::DeviceContext dc(image, {0, 0}, image.rect());
    CDC* pDC = CDC::FromHandle(&dc);
    CFont other;
    other.CreatePointFont(180, "宋体");
    pDC->SelectObject(&other);
    pDC->SetBkMode(OPAQUE);
    pDC->MoveTo(3, 4);
    CPen* pPen = pDC->GetCurrentPen();
    CBrush* pBrush = pDC->GetCurrentBrush();
    button.SendMessage(WM_MOUSEHOVER);
    DRAWITEMSTRUCT dis;
    dis.hDC = &dc;
    dis.itemState = ODS_FOCUS;
    dis.rcItem = RECT{0, 0, 88, 27};
    button.DrawItem(&dis);
    EXPECT_EQ(pDC->GetCurrentFont()->m_hObject, other.m_hObject);
    EXPECT_EQ(pDC->GetBkMode(), OPAQUE);
    EXPECT_EQ(pDC->GetCurrentPosition(), CPoint(3, 4));
    EXPECT_EQ(pDC->GetCurrentPen()->m_hObject, pPen->m_hObject);
    EXPECT_EQ(pDC->GetCurrentBrush()->m_hObject, pBrush->m_hObject);
}
