// Reading a plan: the encodings and separators Excel saves, the header names, and bad rows.
#include "site/PlanReader.h"

#include <gtest/gtest.h>

namespace site {
namespace {

PlanReading Read(const std::string& bytes) {
    return PlanReader::Read(bytes, "plan.csv");
}

RecordEntry SentUnit(std::uint64_t sequence, std::string label) {
    RecordEntry entry;
    entry.sequence = sequence;
    entry.label = std::move(label);
    return entry;
}

TEST(PlanReader, GbkAsExcelSavesItOnAChineseWindows) {
    // 房间,中控IP,MAC,网关 / 301教室,... / 302教室,... in code page 936.
    const std::string gbk = "\xB7\xBF\xBC\xE4,\xD6\xD0\xBF\xD8IP,MAC,\xCD\xF8\xB9\xD8\r\n"
                            "301\xBD\xCC\xCA\xD2,192.168.1.21,00-11-0A-0D-FF-01,\r\n"
                            "302\xBD\xCC\xCA\xD2,192.168.1.22,0 17 10 13 255 2,192.168.1.254\r\n";
    const PlanReading reading = Read(gbk);
    ASSERT_TRUE(reading.ok) << reading.message;
    ASSERT_EQ(reading.plan.rows.size(), 2u);
    EXPECT_EQ(reading.plan.rows[0].label, "301教室");
    EXPECT_EQ(reading.plan.rows[0].line, 2u);
    EXPECT_FALSE(reading.plan.rows[0].gateway); // an empty cell keeps the dialog's value
    EXPECT_EQ(reading.plan.rows[1].label, "302教室");
    EXPECT_EQ(reading.plan.rows[1].mac, (MacBytes{0, 0x11, 0x0A, 0x0D, 0xFF, 2}));
    EXPECT_EQ(reading.plan.rows[1].gateway, (Ipv4Octets{192, 168, 1, 254}));
}

TEST(PlanReader, Utf8WithOrWithoutBomCommasOrSemicolons) {
    const std::string rows = "标签,中控IP,MAC\n301,192.168.1.21,00:11:0a:0d:ff:01\n";
    for (const std::string& bytes :
         {rows, "\xEF\xBB\xBF" + rows,
          std::string("Room;Controller IP;mac_address;Server;Subnet Mask\r\n"
                      "301;192.168.1.21;0.17.10.13.255.1;10.0.0.2;255.255.0.0\r\n")}) {
        const PlanReading reading = Read(bytes);
        ASSERT_TRUE(reading.ok) << reading.message;
        ASSERT_EQ(reading.plan.rows.size(), 1u);
        EXPECT_EQ(reading.plan.rows[0].label, "301");
        EXPECT_EQ(reading.plan.rows[0].controller, (Ipv4Octets{192, 168, 1, 21}));
        EXPECT_EQ(reading.plan.rows[0].mac, (MacBytes{0, 0x11, 0x0A, 0x0D, 0xFF, 1}));
    }
    const PlanReading semicolons =
        Read("Room;Controller IP;mac_address;Server;Subnet Mask\r\n"
             "301;192.168.1.21;0.17.10.13.255.1;10.0.0.2;255.255.0.0\r\n");
    EXPECT_EQ(semicolons.plan.rows[0].server, (Ipv4Octets{10, 0, 0, 2}));
    EXPECT_EQ(semicolons.plan.rows[0].mask, (Ipv4Octets{255, 255, 0, 0}));
}

TEST(PlanReader, WithoutAHeaderTheColumnsAreLabelControllerMac) {
    const PlanReading reading = Read("\"A, 1\",10.0.0.5,00-11-0A-0D-FF-01\r\n"
                                     ",,\r\n" // an empty row Excel leaves
                                     "B,10.0.0.6,00-11-0A-0D-FF-02,\r\n");
    ASSERT_TRUE(reading.ok) << reading.message;
    ASSERT_EQ(reading.plan.rows.size(), 2u);
    EXPECT_EQ(reading.plan.rows[0].label, "A, 1");
    EXPECT_EQ(reading.plan.rows[1].line, 3u);
    // Values in a fourth column without a header to say what they are: refused.
    EXPECT_FALSE(Read("A,10.0.0.5,00-11-0A-0D-FF-01,10.0.0.1\r\n").ok);
}

TEST(PlanReader, ABadRowRefusesThePlanWholeListingEveryBadLine) {
    const PlanReading reading = Read("房间,中控IP,MAC\r\n"
                                     "301,192.168.1.21,00-11-0A-0D-FF-01\r\n"
                                     "302,192.168.1.300,00-11-0A-0D-FF-02\r\n"
                                     "303,192.168.1.23,0 17 10 13 256 3\r\n"
                                     "304,192.168.1.21,00-11-0A-0D-FF-01\r\n"
                                     ",192.168.1.25,00-11-0A-0D-FF-05\r\n"
                                     "301,192.168.1.26,00-11-0A-0D-FF-06\r\n");
    EXPECT_FALSE(reading.ok);
    EXPECT_TRUE(reading.plan.rows.empty());
    ASSERT_EQ(reading.problems.size(), 5u) << reading.message;
    EXPECT_EQ(reading.problems[0],
              "第 3 行：中控IP“192.168.1.300”第 4 段 300 超出 0 到 255 的范围");
    EXPECT_EQ(reading.problems[1],
              "第 4 行：MAC“0 17 10 13 256 3”第 5 段 256 超出 0 到 255 的范围");
    EXPECT_EQ(reading.problems[2], "第 5 行：中控IP 192.168.1.21 与第 2 行重复；MAC "
                                   "00-11-0A-0D-FF-01 与第 2 行重复");
    EXPECT_EQ(reading.problems[3], "第 6 行：标签是空的");
    EXPECT_EQ(reading.problems[4], "第 7 行：标签“301”与第 2 行重复");
    for (const std::string& problem : reading.problems) {
        EXPECT_NE(reading.message.find(problem), std::string::npos);
    }
}

TEST(PlanReader, RefusesFilesThatAreNoPlan) {
    for (const std::string& bytes :
         {std::string(), std::string("房间,中控IP,MAC\r\n"), std::string("\xFF\xFE\x31\x00"),
          std::string("\xEF\xBB\xBF\xB7\xBF"), std::string("\x81\x20\xFF\xFF"),
          std::string("房间,中控IP\r\n301,10.0.0.1\r\n"),
          std::string("房间,中控IP,IP,MAC\r\n301,10.0.0.1,10.0.0.1,1 2 3 4 5 6\r\n"),
          std::string("房间,中控IP,MAC\r\n\"301,10.0.0.1,1 2 3 4 5 6\r\n")}) {
        const PlanReading reading = Read(bytes);
        EXPECT_FALSE(reading.ok) << bytes;
        EXPECT_FALSE(reading.message.empty());
        EXPECT_TRUE(reading.plan.rows.empty());
    }
}

TEST(PlanReader, TheNextRowIsTheFirstTheRecordDoesNotHold) {
    const PlanReading reading = Read("房间,中控IP,MAC\r\nA,10.0.0.5,0 1 2 3 4 5\r\n"
                                     "B,10.0.0.6,0 1 2 3 4 6\r\nC,10.0.0.7,0 1 2 3 4 7\r\n");
    ASSERT_TRUE(reading.ok);
    RecordState record;
    record.Add(SentUnit(1, "B"));
    EXPECT_EQ(reading.plan.NextRow(record)->label, "A");
    record.Add(SentUnit(2, "A"));
    EXPECT_EQ(reading.plan.NextRow(record)->label, "C");
    EXPECT_EQ(reading.plan.DoneCount(record), 2u);
}

} // namespace
} // namespace site
