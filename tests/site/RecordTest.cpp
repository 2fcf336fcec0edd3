// The record's lines as CSV, and the record read back when a site is continued.
#include "site/RecordEntry.h"
#include "site/RecordReader.h"
#include "site/TextEncoding.h"

#include <gtest/gtest.h>

namespace site {
namespace {

const std::string kHeader =
    "序号,时间,标签,串口,写入内容,服务器IP,中控IP,子网掩码,网关,MAC,结果,备注\r\n";

RecordEntry Entry(std::uint64_t sequence, std::string label, WriteKind kind = WriteKind::All) {
    RecordEntry entry;
    entry.sequence = sequence;
    entry.time = "2026-12-09 14:03:27 +08:00";
    entry.label = std::move(label);
    entry.port = "COM1（/dev/ttyUSB0）";
    entry.kind = kind;
    entry.values = {{192, 168, 1, 10},
                    {192, 168, 1, static_cast<std::uint8_t>(20 + sequence)},
                    {255, 255, 255, 0},
                    {192, 168, 1, 1},
                    {0x00, 0x11, 0x0A, 0x0D, 0xFF, static_cast<std::uint8_t>(sequence)}};
    return entry;
}

std::string Record(const std::vector<RecordEntry>& entries) {
    std::string text = RecordFileStart();
    for (const RecordEntry& entry : entries) {
        text += FormatRecordLine(entry) + "\r\n";
    }
    return text;
}

TEST(RecordLines, StartWithTheByteOrderMarkAndAChineseHeader) {
    EXPECT_EQ(RecordFileStart(), "\xEF\xBB\xBF" + kHeader);
    EXPECT_EQ(FormatRecordLine(Entry(1, "301 教室")),
              "1,2026-12-09 14:03:27 +08:00,301 教室,COM1（/dev/ttyUSB0）,全部信息,192.168.1.10,"
              "192.168.1.21,255.255.255.0,192.168.1.1,00-11-0A-0D-FF-01,已发送,");
}

TEST(RecordLines, ASingleWriteLeavesTheValuesItDidNotSendEmpty) {
    EXPECT_EQ(
        FormatRecordLine(Entry(2, "", WriteKind::Mac)),
        "2,2026-12-09 14:03:27 +08:00,,COM1（/dev/ttyUSB0）,MAC,,,,,00-11-0A-0D-FF-02,已发送,");
    EXPECT_EQ(FormatRecordLine(Entry(3, "", WriteKind::Gateway)),
              "3,2026-12-09 14:03:27 +08:00,,COM1（/dev/ttyUSB0）,网关,,,,192.168.1.1,,已发送,");
}

TEST(RecordLines, CellsWithSeparatorsQuotesOrLineBreaksAreQuoted) {
    RecordEntry entry = Entry(4, "A,\"B\"");
    entry.result = "发送超时：2 秒内…\n请检查设备, 再试";
    const std::string line = FormatRecordLine(entry);
    EXPECT_NE(line.find(",\"A,\"\"B\"\"\","), std::string::npos);
    EXPECT_NE(line.find(",\"发送超时：2 秒内…\n请检查设备, 再试\","), std::string::npos);
    // And they come back as they were.
    const RecordReading reading = RecordReader::Read(Record({entry}), "r.csv");
    ASSERT_TRUE(reading.ok) << reading.message;
    EXPECT_EQ(reading.state.NextSequence(), 5u);
    EXPECT_EQ(reading.state.UnitsSent(), 0u);
}

TEST(RecordReading, GivesTheCountUsedValuesAndLabelsOfSentUnits) {
    RecordEntry stopped = Entry(3, "303 教室");
    stopped.result = "设备已断开";
    RecordEntry single = Entry(4, "", WriteKind::Mac);
    single.values.mac = {0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x40};
    const RecordReading reading = RecordReader::Read(
        Record({Entry(1, "301 教室"), Entry(2, "302 教室"), stopped, single}), "r.csv");
    ASSERT_TRUE(reading.ok) << reading.message;
    const RecordState& state = reading.state;
    EXPECT_EQ(state.UnitsSent(), 2u);
    EXPECT_EQ(state.NextSequence(), 5u);
    EXPECT_EQ(state.DoneLabels(), (std::set<std::string>{"301 教室", "302 教室"}));
    ASSERT_TRUE(state.ControllerUser({192, 168, 1, 22}));
    EXPECT_EQ(state.ControllerUser({192, 168, 1, 22})->Describe(), "序号 2（302 教室）");
    EXPECT_FALSE(state.ControllerUser({192, 168, 1, 23})); // stopped: not given out
    EXPECT_TRUE(state.HoldsMac({0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x40}));
    EXPECT_TRUE(state.HoldsAddress({192, 168, 1, 1})); // the gateway
    EXPECT_EQ(state.Controllers().size(), 2u);
}

TEST(RecordReading, AnEmptyOrMissingRecordIsANewSite) {
    for (const std::string& bytes : {std::string(), std::string(kUtf8Bom), RecordFileStart()}) {
        const RecordReading reading = RecordReader::Read(bytes, "r.csv");
        EXPECT_TRUE(reading.ok);
        EXPECT_EQ(reading.state.NextSequence(), 1u);
    }
    EXPECT_TRUE(RecordReader::ReadFile("/nonexistent-folder/record.csv").ok);
}

TEST(RecordReading, RefusesWhatIsNotItsRecordWholeWithTheLines) {
    // Another CSV; the record saved again by Excel as GBK or UTF-16.
    for (const std::string& bytes :
         {std::string("a,b,c\r\n1,2,3\r\n"), std::string("\xD0\xF2\xBA\xC5,\xCA\xB1\xBC\xE4\r\n"),
          std::string("\xFF\xFE\x41\x00")}) {
        const RecordReading reading = RecordReader::Read(bytes, "r.csv");
        EXPECT_FALSE(reading.ok);
        EXPECT_NE(reading.message.find("“r.csv”"), std::string::npos);
        EXPECT_EQ(reading.state.NextSequence(), 1u);
    }
    const std::string broken = Record({Entry(1, "a")}) + "x,t,l,p,全部信息,,,,,,已发送,\r\n" +
                               FormatRecordLine(Entry(3, "c")) + "\r\n" +
                               "4,t,l,p,写入,,,,,,已发送,\r\n";
    const RecordReading reading = RecordReader::Read(broken, "r.csv");
    EXPECT_FALSE(reading.ok);
    EXPECT_NE(reading.message.find("第 3 行：序号“x”"), std::string::npos);
    EXPECT_NE(reading.message.find("第 5 行：写入内容“写入”"), std::string::npos);
    EXPECT_EQ(reading.state.UnitsSent(), 0u);
}

TEST(RecordReading, ALastLineCutShortIsLeftOutAndSaidSo) {
    const std::string whole = Record({Entry(1, "a"), Entry(2, "b")});
    const std::string cut = whole + FormatRecordLine(Entry(3, "c")).substr(0, 40);
    const RecordReading reading = RecordReader::Read(cut, "r.csv");
    ASSERT_TRUE(reading.ok) << reading.message;
    EXPECT_EQ(reading.state.UnitsSent(), 2u);
    EXPECT_NE(reading.droppedTail.find("第 4 行"), std::string::npos);
    // Cut inside a character: the lines before it still count.
    const std::string inCharacter = whole + "5,2026-12-09 14:03:27 +08:00,\xE6\x95";
    EXPECT_EQ(RecordReader::Read(inCharacter, "r.csv").state.UnitsSent(), 2u);
    EXPECT_FALSE(RecordReader::Read(inCharacter, "r.csv").droppedTail.empty());
    // A whole last line that only lacks its line end counts.
    const RecordReading unterminated =
        RecordReader::Read(whole.substr(0, whole.size() - 2), "r.csv");
    EXPECT_EQ(unterminated.state.UnitsSent(), 2u);
    EXPECT_TRUE(unterminated.droppedTail.empty());
}

} // namespace
} // namespace site
