// Times the site record's durable append (open, lock, one write, fsync, close) and the check
// before sending, as a write-all with the record on pays them: prints milliseconds per call.
// Built and run by bench/site_append.py.
#include "site/RecordAppender.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void Print(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times[static_cast<std::size_t>(share * (times.size() - 1))];
    };
    std::printf("| %s | %zu | %.2f | %.2f | %.2f |\n", what, times.size(), at(0.5), at(0.95),
                times.back());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: append_bench RECORD_FOLDER COUNT\n");
        return 2;
    }
    const std::filesystem::path record = std::filesystem::path(argv[1]) / "bench-record.csv";
    std::filesystem::remove(record);
    const site::RecordAppender appender(record);
    std::vector<double> checks;
    std::vector<double> appends;
    site::RecordEntry entry;
    entry.time = "2026-12-09 14:03:27 +08:00";
    entry.label = "301 教室";
    entry.port = "COM1（/dev/ttyUSB0）";
    entry.values = {{192, 168, 1, 10},
                    {192, 168, 1, 20},
                    {255, 255, 255, 0},
                    {192, 168, 1, 1},
                    {0x00, 0x11, 0x0A, 0x0D, 0xFF, 0x13}};
    for (int i = 0; i < std::atoi(argv[2]); ++i) {
        entry.sequence = static_cast<std::uint64_t>(i + 1);
        const Clock::time_point start = Clock::now();
        if (!appender.Check().empty()) {
            return 1;
        }
        const Clock::time_point checked = Clock::now();
        if (!appender.Append(entry).ok) {
            return 1;
        }
        checks.push_back(Milliseconds(checked - start));
        appends.push_back(Milliseconds(Clock::now() - checked));
    }
    std::printf("| call | runs | median ms | 95th ms | max ms |\n|---|---|---|---|---|\n");
    Print("check before sending", checks);
    Print("append (flushed to disk)", appends);
    std::filesystem::remove(record);
    return 0;
}
