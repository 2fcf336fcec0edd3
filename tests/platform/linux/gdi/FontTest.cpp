// Fonts as the engine makes them: point sizes in pixels and the faces that stand for the
// program's Chinese face. The engine's font objects are not visible through the Windows API.
#include "platform/afx/CFont.h"
#include "platform/linux/gdi/GdiFont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

TEST(Fonts, PointSizesConvertAt96DpiTruncating) {
    for (const auto& [tenths, pixels] : {std::pair{90, 12}, {110, 14}, {180, 24}, {100, 13}}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(tenths, "宋体"));
        const HFONT handle = font;
        EXPECT_EQ(engine::ObjectOf(handle)->Font().pixelSize(), pixels) << tenths;
        const LOGFONT& logFont = engine::ObjectOf(handle)->LogFont();
        EXPECT_EQ(logFont.lfHeight, -pixels);
        EXPECT_STREQ(logFont.lfFaceName, "宋体");
    }
}

TEST(Fonts, SongFaceResolvesToAnInstalledMingFace) {
    // Needs fonts-arphic-uming (apt-get install fonts-arphic-uming).
    if (!QFontDatabase::hasFamily("AR PL UMing CN")) {
        GTEST_SKIP() << "AR PL UMing is not installed: apt-get install fonts-arphic-uming";
    }
    for (const char* face : {"宋体", "\xCB\xCE\xCC\xE5", "SimSun", "NSimSun", ""}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(110, face));
        const QFont qtFont = engine::ObjectOf(static_cast<HFONT>(font))->Font();
        EXPECT_EQ(qtFont.family(), "AR PL UMing CN") << face;
        EXPECT_EQ(QFontInfo(qtFont).family(), "AR PL UMing CN") << face;
        EXPECT_EQ(qtFont.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    }
    CFont other;
    ASSERT_TRUE(other.CreatePointFont(90, "No Such Face Here"));
    EXPECT_FALSE(engine::ObjectOf(static_cast<HFONT>(other))->Font().family().isEmpty());
}
