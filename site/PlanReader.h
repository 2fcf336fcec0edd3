// Reads a plan file: UTF-8 with or without a byte order mark, or GBK as Excel on a Chinese
// Windows saves "CSV (逗号分隔)"; comma or semicolon separators; a header row naming the
// columns (PlanColumns.h) or none; MACs in the three forms ValueText.h reads. A plan with any
// bad row is refused whole, with a message that lists every bad line and why: a bad address,
// a MAC out of range, an empty label, or an address, MAC or label twice in the plan.
#pragma once

#include "site/Plan.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace site {

struct PlanReading {
    bool ok = false;
    // Why the plan was refused (Chinese), with its bad lines; empty when it was read.
    std::string message;
    // Every bad line, "第 5 行：…", for a caller that shows them its own way.
    std::vector<std::string> problems;
    // The plan, when it was read; empty when refused.
    Plan plan;
};

class PlanReader {
public:
    // At most this many bad lines are spelled out in the message (all are in problems).
    static constexpr std::size_t kListedProblems = 30;

    // The plan's bytes; name is how messages call the file.
    static PlanReading Read(std::string_view bytes, const std::string& name);
    static PlanReading ReadFile(const std::filesystem::path& path);
};

} // namespace site
