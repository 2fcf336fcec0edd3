// What an append asks of the system, seen with strace: one write of the whole line, under the
// lock, forced to disk before the call returns. Reading the file back cannot show the flush;
// the calls do.
#include "tests/site/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kStrace = "/usr/bin/strace";

// One traced call: its name and the line strace wrote for it.
struct Call {
    std::string name;
    std::string line;
};

std::vector<Call> Trace(const std::filesystem::path& trace) {
    std::vector<Call> calls;
    std::istringstream lines(site_test::FileText(trace));
    const std::regex call(R"(^(?:\d+ +)?([a-z0-9_]+)\()");
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, call)) {
            calls.push_back({match[1], line});
        }
    }
    return calls;
}

// Whether the call is made on descriptor fd.
bool OnDescriptor(const Call& call, const std::string& fd) {
    return std::regex_search(call.line, std::regex("(^|\\s)" + call.name + "\\(" + fd + "[,)]"));
}

TEST(AppendCalls, OneWholeWriteUnderTheLockFlushedBeforeReturning) {
    if (access(kStrace, X_OK) != 0) {
        GTEST_SKIP() << "strace is not installed (apt-get install strace)";
    }
    const site_test::TempFolder folder;
    const std::filesystem::path record = folder / "r.csv";
    const std::filesystem::path trace = folder / "trace";
    // LeakSanitizer cannot run under ptrace: a sanitized helper checks for everything else.
    const std::string command = "ASAN_OPTIONS=detect_leaks=0 " + std::string(kStrace) +
                                " -f -qq -e trace=openat,flock,write,pwrite64,fsync,fdatasync,"
                                "close -o '" +
                                trace.string() + "' " TAVRIN_APPEND_ONCE " '" + record.string() +
                                "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_EQ(site_test::FileText(record), "start\r\nline\r\n");

    // The record's descriptor, from its open.
    std::string fd;
    const std::vector<Call> calls = Trace(trace);
    std::vector<std::string> order;
    for (const Call& call : calls) {
        std::smatch match;
        if (call.name == "openat" && call.line.find(record.string()) != std::string::npos &&
            std::regex_search(call.line, match, std::regex(R"(O_APPEND.*= (\d+)$)"))) {
            fd = match[1];
            order.push_back("open");
        } else if (!fd.empty() && OnDescriptor(call, fd)) {
            order.push_back(call.name);
        } else if (call.name == "write" && call.line.find("\"returned\\n\"") != std::string::npos) {
            order.push_back("returned");
        }
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"open", "flock", "write", "fsync", "close", "returned"}));
    for (const Call& call : calls) {
        if (call.name == "write" && !fd.empty() && OnDescriptor(call, fd)) {
            EXPECT_NE(call.line.find("\"start\\r\\nline\\r\\n\", 13) = 13"), std::string::npos)
                << call.line;
        }
    }
}

} // namespace
