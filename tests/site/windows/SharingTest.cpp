// The record on Windows against other handles: a program that holds it open without sharing
// (as Excel does), a lock held by another handle, and the read-only attribute.
#include "site/RecordAppender.h"

#include "tests/site/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace site {
namespace {

using site_test::TempFolder;

constexpr std::chrono::milliseconds kShortWait{100};

RecordEntry Entry(std::uint64_t sequence) {
    RecordEntry entry;
    entry.sequence = sequence;
    entry.time = "2026-12-09 14:03:27 +08:00";
    entry.label = "301 教室";
    entry.port = "COM1";
    return entry;
}

TEST(RecordSharing, AFileOpenWithoutSharingIsBusyBeforeSendingAndAfter) {
    const TempFolder folder;
    const std::filesystem::path record = folder / "记录.csv";
    ASSERT_TRUE(RecordAppender(record).Append(Entry(1)).ok);
    const std::string before = site_test::FileText(record);
    // Excel opens a workbook for reading and writing and shares nothing.
    const HANDLE excel = CreateFileW(record.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(excel, INVALID_HANDLE_VALUE);
    const RecordAppender appender(record, kShortWait);
    const std::string check = appender.Check();
    EXPECT_NE(check.find("Excel"), std::string::npos) << check;
    const AppendResult result = appender.Append(Entry(2));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, check);
    CloseHandle(excel);
    EXPECT_EQ(site_test::FileText(record), before);
    EXPECT_EQ(appender.Check(), "");
    EXPECT_TRUE(appender.Append(Entry(2)).ok);
}

TEST(RecordSharing, ALockHeldByAnotherHandleIsBusy) {
    const TempFolder folder;
    const std::filesystem::path record = folder / "r.csv";
    ASSERT_TRUE(RecordAppender(record).Append(Entry(1)).ok);
    const HANDLE other = CreateFileW(record.c_str(), FILE_APPEND_DATA | FILE_READ_DATA,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    // The range another tavrin locks while it appends (DurableFile's lock offset).
    OVERLAPPED range{};
    range.OffsetHigh = 0x7FFFFFFF;
    ASSERT_TRUE(LockFileEx(other, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &range));
    const RecordAppender appender(record, kShortWait);
    EXPECT_NE(appender.Check().find("锁定"), std::string::npos);
    EXPECT_FALSE(appender.Append(Entry(2)).ok);
    // The lock keeps out appenders only, not a program that reads the record.
    EXPECT_FALSE(site_test::FileText(record).empty());
    UnlockFileEx(other, 0, 1, 0, &range);
    CloseHandle(other);
    EXPECT_TRUE(appender.Append(Entry(2)).ok);
}

TEST(RecordSharing, AReadOnlyFileIsSaidBeforeSending) {
    const TempFolder folder;
    const std::filesystem::path record = folder / "r.csv";
    ASSERT_TRUE(RecordAppender(record).Append(Entry(1)).ok);
    ASSERT_TRUE(SetFileAttributesW(record.c_str(), FILE_ATTRIBUTE_READONLY));
    const HANDLE writer = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writer != INVALID_HANDLE_VALUE) {
        CloseHandle(writer);
        SetFileAttributesW(record.c_str(), FILE_ATTRIBUTE_NORMAL);
        GTEST_SKIP() << "this system lets a read-only file be written (Wine run as root, whom "
                        "Unix permissions do not stop); run the tests as an ordinary user";
    }
    const RecordAppender appender(record);
    EXPECT_NE(appender.Check().find("是只读的"), std::string::npos) << appender.Check();
    EXPECT_NE(appender.Append(Entry(2)).reason.find("是只读的"), std::string::npos);
    SetFileAttributesW(record.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace site
