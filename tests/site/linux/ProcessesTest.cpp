// The record on Linux against other processes: appenders at once, a lock held elsewhere, a
// user without rights, a write cut short, and the order of the calls an append makes.
#include "site/DurableFile.h"
#include "site/RecordAppender.h"
#include "site/RecordReader.h"

#include "tests/site/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace site {
namespace {

using site_test::FileText;
using site_test::TempFolder;

constexpr uid_t kNobody = 65534;
// Long enough for other processes' flushes on a busy machine.
constexpr std::chrono::milliseconds kPatient{30000};

RecordEntry Entry(std::uint64_t sequence, std::string label) {
    RecordEntry entry;
    entry.sequence = sequence;
    entry.time = "2026-12-09 14:03:27 +08:00";
    entry.label = std::move(label);
    entry.port = "COM1（/dev/ttyS0）";
    return entry;
}

// Runs work in a child process and returns its exit status.
int InChild(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What work returns, computed in a child process that runs as an ordinary user (nobody when
// this runs as root, whom no file permission stops).
std::string AsOrdinaryUser(const std::function<std::string()>& work) {
    int pipeEnds[2];
    EXPECT_EQ(pipe(pipeEnds), 0);
    InChild([&] {
        close(pipeEnds[0]);
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            return 1;
        }
        const std::string text = work();
        return write(pipeEnds[1], text.data(), text.size()) < 0 ? 1 : 0;
    });
    close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    return text;
}

TEST(RecordProcesses, AppendingAtOnceNeverInterleavesHalfLines) {
    const TempFolder folder;
    constexpr int kProcesses = 4;
    constexpr int kLines = 50;
    std::vector<pid_t> children;
    for (int process = 0; process < kProcesses; ++process) {
        const pid_t child = fork();
        if (child == 0) {
            const RecordAppender appender(folder / "r.csv", kPatient);
            for (int line = 0; line < kLines; ++line) {
                // Long lines, so that a write that is not whole would show.
                const std::string label(4000, static_cast<char>('a' + process));
                if (!appender.Append(Entry(static_cast<std::uint64_t>(line + 1), label)).ok) {
                    _exit(1);
                }
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const RecordReading reading = RecordReader::ReadFile(folder / "r.csv");
    ASSERT_TRUE(reading.ok) << reading.message.substr(0, 300);
    EXPECT_TRUE(reading.droppedTail.empty());
    EXPECT_EQ(reading.state.UnitsSent(), static_cast<std::uint64_t>(kProcesses * kLines));
    EXPECT_EQ(FileText(folder / "r.csv").find(RecordFileStart(), 1), std::string::npos);
}

TEST(RecordProcesses, ALockHeldByAnotherProcessIsWaitedForThenBusy) {
    const TempFolder folder;
    const std::filesystem::path record = folder / "r.csv";
    ASSERT_TRUE(RecordAppender(record).Append(Entry(1, "a")).ok);
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        const int fd = open(record.c_str(), O_RDONLY);
        char byte = 0;
        if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(ready[1], "x", 1) != 1 ||
            read(release[0], &byte, 1) < 0) {
            _exit(1);
        }
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    const std::chrono::milliseconds wait{150};
    const RecordAppender appender(record, wait);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(appender.Check().find("正被另一个程序打开或锁定"), std::string::npos);
    EXPECT_GE(std::chrono::steady_clock::now() - start, wait);
    EXPECT_FALSE(appender.Append(Entry(2, "b")).ok);
    // Let go while an append waits: it goes through.
    std::thread letGo([&] {
        std::this_thread::sleep_for(wait / 3);
        EXPECT_EQ(write(release[1], "x", 1), 1);
    });
    EXPECT_TRUE(RecordAppender(record, kPatient).Append(Entry(3, "c")).ok);
    letGo.join();
    waitpid(holder, nullptr, 0);
    for (const int fd : {ready[0], ready[1], release[0], release[1]}) {
        close(fd);
    }
    EXPECT_EQ(RecordReader::ReadFile(record).state.UnitsSent(), 2u);
}

TEST(RecordProcesses, AReadOnlyFileOrFolderIsSaidBeforeSending) {
    const TempFolder folder;
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
    const std::filesystem::path record = folder / "r.csv";
    ASSERT_TRUE(RecordAppender(record).Append(Entry(1, "a")).ok);
    std::filesystem::permissions(record, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    const std::string before = FileText(record);
    EXPECT_NE(AsOrdinaryUser([&] { return RecordAppender(record).Check(); }).find("是只读的"),
              std::string::npos);
    EXPECT_NE(AsOrdinaryUser([&] {
                  return RecordAppender(record).Append(Entry(2, "b")).reason;
              }).find("是只读的"),
              std::string::npos);
    EXPECT_EQ(FileText(record), before);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all |
                                                    std::filesystem::perms::others_exec);
    EXPECT_NE(
        AsOrdinaryUser([&] { return RecordAppender(folder / "new.csv").Check(); }).find("没有在"),
        std::string::npos);
}

TEST(RecordProcesses, AWriteCutShortIsTakenBackWhole) {
    const TempFolder folder;
    const std::filesystem::path record = folder / "r.csv";
    ASSERT_TRUE(RecordAppender(record).Append(Entry(1, "a")).ok);
    const std::string before = FileText(record);
    // The file may grow by 10 bytes only: the system takes part of the line and refuses the
    // rest.
    const int status = InChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 10, before.size() + 10};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 2;
        }
        return RecordAppender(record).Append(Entry(2, std::string(100, 'b'))).ok ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(FileText(record), before);
}

} // namespace
} // namespace site
