// The questions before sending.
#include "site/Guards.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace site {
namespace {

const UnitValues kGood{{192, 168, 1, 10},
                       {192, 168, 1, 20},
                       {255, 255, 255, 0},
                       {192, 168, 1, 1},
                       {0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x13}};

std::vector<WarningKind> Kinds(WriteKind kind, const UnitValues& unit,
                               const RecordState& record = {}) {
    std::vector<WarningKind> kinds;
    for (const Warning& warning : Guards::Check(kind, unit, record)) {
        kinds.push_back(warning.kind);
    }
    return kinds;
}

TEST(Guards, AGoodUnitRaisesNothing) {
    EXPECT_TRUE(Kinds(WriteKind::All, kGood).empty());
}

TEST(Guards, AddressesAgainstTheirSubnet) {
    UnitValues unit = kGood;
    unit.mask = {255, 0, 255, 0};
    EXPECT_EQ(Kinds(WriteKind::All, unit), std::vector{WarningKind::MaskNotContiguous});
    unit = kGood;
    unit.controller = {192, 168, 1, 0};
    EXPECT_EQ(Kinds(WriteKind::All, unit), std::vector{WarningKind::ControllerIsNetwork});
    unit.controller = {192, 168, 1, 255};
    EXPECT_EQ(Kinds(WriteKind::All, unit), std::vector{WarningKind::ControllerIsBroadcast});
    unit = kGood;
    unit.gateway = {192, 168, 2, 1};
    const std::vector<Warning> warnings = Guards::Check(WriteKind::All, unit, {});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].kind, WarningKind::GatewayOutsideSubnet);
    // The text names the values that are wrong and the question ends in the ask.
    EXPECT_NE(warnings[0].text.find("192.168.2.1"), std::string::npos);
    EXPECT_NE(warnings[0].text.find("192.168.1.0"), std::string::npos);
    EXPECT_TRUE(warnings[0].Question().ends_with("仍要发送吗？"));
}

TEST(Guards, MacsThatNoDeviceMayHave) {
    UnitValues unit = kGood;
    unit.mac = {0x01, 0x00, 0x5E, 0, 0, 1};
    EXPECT_EQ(Kinds(WriteKind::Mac, unit), std::vector{WarningKind::MacMulticast});
    unit.mac = {};
    EXPECT_EQ(Kinds(WriteKind::Mac, unit), std::vector{WarningKind::MacAllZero});
    unit.mac = {255, 255, 255, 255, 255, 255};
    EXPECT_EQ(Kinds(WriteKind::Mac, unit), std::vector{WarningKind::MacAllOnes});
    unit.mac = {0x02, 0, 0, 0, 0, 1}; // locally administered, even: fine
    EXPECT_TRUE(Kinds(WriteKind::Mac, unit).empty());
}

TEST(Guards, ValuesAnEarlierUnitGotNameThatUnit) {
    RecordState record;
    RecordEntry earlier;
    earlier.sequence = 12;
    earlier.label = "301 教室";
    earlier.values = kGood;
    record.Add(earlier);
    const std::vector<Warning> warnings = Guards::Check(WriteKind::All, kGood, record);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].kind, WarningKind::ControllerInRecord);
    EXPECT_EQ(warnings[1].kind, WarningKind::MacInRecord);
    EXPECT_NE(warnings[0].text.find("序号 12（301 教室）"), std::string::npos);
    EXPECT_EQ(Guards::Note(warnings),
              "已确认警告：中控IP 与序号 12（301 教室）重复；MAC 与序号 12（301 教室）重复");
    // A write that stopped does not give its values out.
    RecordState stopped;
    earlier.result = "设备已断开";
    stopped.Add(earlier);
    EXPECT_TRUE(Kinds(WriteKind::All, kGood, stopped).empty());
}

TEST(Guards, ASingleWriteIsCheckedForItsOwnSettingOnly) {
    UnitValues bad = kGood;
    bad.controller = {192, 168, 1, 255};
    bad.gateway = {10, 0, 0, 1};
    bad.mac = {};
    EXPECT_TRUE(Kinds(WriteKind::Server, bad).empty());
    EXPECT_TRUE(Kinds(WriteKind::Mask, bad).empty());
    EXPECT_EQ(Kinds(WriteKind::Controller, bad), std::vector{WarningKind::ControllerIsBroadcast});
    EXPECT_EQ(Kinds(WriteKind::Mac, bad), std::vector{WarningKind::MacAllZero});
    EXPECT_EQ(Kinds(WriteKind::Gateway, bad), std::vector{WarningKind::GatewayOutsideSubnet});
    EXPECT_EQ(Kinds(WriteKind::All, bad).size(), 3u);
}

} // namespace
} // namespace site
