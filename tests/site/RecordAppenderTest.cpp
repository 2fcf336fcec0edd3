// Appending to the record on disk: whole lines, nothing rewritten, readable at once by
// another handle, and a message before sending when the record cannot take a line.
#include "site/RecordAppender.h"
#include "site/RecordReader.h"

#include "tests/site/TempFolder.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace site {
namespace {

using site_test::FileText;
using site_test::TempFolder;

constexpr std::chrono::milliseconds kPatient{30000};

RecordEntry Entry(std::uint64_t sequence, std::string label = "301 教室") {
    RecordEntry entry;
    entry.sequence = sequence;
    entry.time = "2026-12-09 14:03:27 +08:00";
    entry.label = std::move(label);
    entry.port = "COM1（/dev/ttyS0）";
    entry.values.mac = {0, 0x11, 0x0A, 0, 0, static_cast<std::uint8_t>(sequence)};
    return entry;
}

TEST(RecordAppender, ANewFileGetsTheHeaderOnceAndEachLineIsOnDiskWhenAppendReturns) {
    const TempFolder folder;
    const RecordAppender appender(folder / "记录.csv");
    EXPECT_EQ(appender.Check(), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "记录.csv")); // the check leaves nothing
    std::string expected = RecordFileStart();
    for (std::uint64_t sequence = 1; sequence <= 3; ++sequence) {
        const AppendResult result = appender.Append(Entry(sequence));
        ASSERT_TRUE(result.ok) << result.reason;
        expected += result.line + "\r\n";
        // Read through a handle of its own, right after the append returned.
        EXPECT_EQ(FileText(folder / "记录.csv"), expected);
    }
    EXPECT_EQ(RecordReader::ReadFile(folder / "记录.csv").state.UnitsSent(), 3u);
}

TEST(RecordAppender, AnEmptyFileGetsTheHeaderAndACutLastLineItsLineEnd) {
    const TempFolder folder;
    site_test::WriteFile(folder / "empty.csv", "");
    ASSERT_TRUE(RecordAppender(folder / "empty.csv").Append(Entry(1)).ok);
    EXPECT_TRUE(FileText(folder / "empty.csv").starts_with(RecordFileStart()));

    const std::string cut = RecordFileStart() + "1,2026-12-09 14:0";
    site_test::WriteFile(folder / "cut.csv", cut);
    const AppendResult result = RecordAppender(folder / "cut.csv").Append(Entry(2));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(FileText(folder / "cut.csv"), cut + "\r\n" + result.line + "\r\n");
    // The cut line stays a line of its own, left out when the record is read again.
    const RecordReading reading = RecordReader::ReadFile(folder / "cut.csv");
    ASSERT_TRUE(reading.ok) << reading.message;
    EXPECT_EQ(reading.state.UnitsSent(), 1u);
    EXPECT_NE(reading.droppedTail.find("第 2 行：1,2026-12-09 14:0"), std::string::npos);
}

TEST(RecordAppender, AppendersOnOneRecordNeverInterleaveTheirLines) {
    const TempFolder folder;
    constexpr int kWriters = 4;
    constexpr int kLines = 40;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&, writer] {
            // Each with an appender and so a handle of its own, as two programs have; patient
            // enough for the others' flushes on a busy machine.
            const RecordAppender appender(folder / "r.csv", kPatient);
            for (int line = 0; line < kLines; ++line) {
                RecordEntry entry = Entry(static_cast<std::uint64_t>(writer * kLines + line + 1),
                                          std::string(200, static_cast<char>('a' + writer)));
                EXPECT_TRUE(appender.Append(entry).ok);
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    const RecordReading reading = RecordReader::ReadFile(folder / "r.csv");
    ASSERT_TRUE(reading.ok) << reading.message.substr(0, 500);
    EXPECT_EQ(reading.state.UnitsSent(), static_cast<std::uint64_t>(kWriters * kLines));
    EXPECT_EQ(reading.state.DoneLabels().size(), static_cast<std::size_t>(kWriters));
}

TEST(RecordAppender, AMissingFolderIsSaidBeforeSendingAndTheLineIsKeptAfter) {
    const TempFolder folder;
    const std::filesystem::path record = folder / "gone" / "r.csv";
    const RecordAppender appender(record);
    const std::string check = appender.Check();
    EXPECT_NE(check.find("文件夹"), std::string::npos) << check;
    EXPECT_NE(check.find("不存在"), std::string::npos) << check;
    const AppendResult result = appender.Append(Entry(7));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, FileProblemMessage({FileProblem::FolderMissing, {}}, record));
    const std::string message = result.MissingLineMessage();
    EXPECT_NE(message.find("已写入"), std::string::npos);
    EXPECT_NE(message.find(result.line), std::string::npos);
    EXPECT_TRUE(result.line.starts_with("7,"));
}

TEST(RecordAppender, AFolderIsNoRecord) {
    const TempFolder folder;
    const RecordAppender appender(folder.Path());
    EXPECT_NE(appender.Check().find("不是普通文件"), std::string::npos);
    EXPECT_FALSE(appender.Append(Entry(1)).ok);
}

TEST(RecordAppender, ARecordOpenInLibreOfficeIsRefusedBeforeSending) {
    const TempFolder folder;
    site_test::WriteFile(folder / ".~lock.r.csv#", "user,host,,;");
    EXPECT_NE(RecordAppender(folder / "r.csv").Check().find("LibreOffice"), std::string::npos);
}

} // namespace
} // namespace site
