// Addresses and MACs as text: the forms a plan, a record and a command line use.
#include "site/ValueText.h"

#include <gtest/gtest.h>

namespace site {
namespace {

TEST(ValueText, MacInItsThreeForms) {
    const MacBytes expected{0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x13};
    EXPECT_EQ(ParseMac("00-11-0A-0D-FF-13"), expected);
    EXPECT_EQ(ParseMac("00:11:0a:0d:ff:13"), expected);
    EXPECT_EQ(ParseMac("0 17 10 13 255 19"), expected);
    EXPECT_EQ(ParseMac("0.17.10.13.255.19"), expected);
    EXPECT_EQ(ParseMac("  0  17 10 13 255   19 "), expected);
    EXPECT_EQ(FormatMac(expected), "00-11-0A-0D-FF-13");
}

TEST(ValueText, MalformedMacsAreRefusedWithTheReason) {
    for (const char* text : {"", "00-11-0A-0D-FF", "00-11-0A-0D-FF-13-14", "00-11:0A-0D-FF-13",
                             "00-11-0G-0D-FF-13", "00--0A-0D-FF-13", "0 17 10 13 255", "001 1",
                             "00110A0DFF13", "0x00 1 2 3 4 5", "-1 0 0 0 0 0"}) {
        const ValueReading<MacBytes> reading = ReadMac(text);
        EXPECT_FALSE(reading.value) << text;
        EXPECT_FALSE(reading.problem.empty()) << text;
    }
    // Too large a byte is named as out of range, with its place and value.
    EXPECT_EQ(ReadMac("0 17 10 13 256 19").problem, "第 5 段 256 超出 0 到 255 的范围");
    EXPECT_EQ(ReadMac("00-11-0A-0D-1FF-13").problem, "第 5 段 1FF 超出 00 到 FF 的范围");
    EXPECT_TRUE(ReadMac("0 99999999999999999999 0 0 0 0").problem.starts_with("第 2 段"));
}

TEST(ValueText, AddressesAreFourDottedDecimals) {
    EXPECT_EQ(ParseIpv4("192.168.1.20"), (Ipv4Octets{192, 168, 1, 20}));
    EXPECT_EQ(ParseIpv4(" 10.0.0.1\t"), (Ipv4Octets{10, 0, 0, 1}));
    for (const char* text : {"", "192.168.1", "192.168.1.20.1", "192.168..20", "192.168.1.x",
                             "192,168,1,20", "+1.2.3.4", "1.2.3.4 5"}) {
        EXPECT_FALSE(ParseIpv4(text)) << text;
    }
    EXPECT_EQ(ReadIpv4("192.168.1.300").problem, "第 4 段 300 超出 0 到 255 的范围");
    EXPECT_EQ(FormatIpv4({192, 168, 1, 20}), "192.168.1.20");
}

TEST(ValueText, NumbersPutTheFirstOctetOrByteHighest) {
    EXPECT_EQ(Ipv4Number({192, 168, 1, 20}), 0xC0A80114u);
    EXPECT_EQ(Ipv4FromNumber(0xC0A80114u), (Ipv4Octets{192, 168, 1, 20}));
    EXPECT_EQ(MacNumber({0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x13}), 0x00110A0DFF13u);
    EXPECT_EQ(MacFromNumber(0xFFFFFFFFFFFFu), (MacBytes{255, 255, 255, 255, 255, 255}));
}

} // namespace
} // namespace site
