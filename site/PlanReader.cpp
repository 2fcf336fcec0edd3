// Reading a plan file.
#include "site/PlanReader.h"

#include "site/CsvReader.h"
#include "site/FileBytes.h"
#include "site/PlanColumns.h"
#include "site/PlanRowReader.h"
#include "site/TextEncoding.h"
#include "site/TextPieces.h"

#include <algorithm>
#include <optional>

namespace site {

namespace {

// A plan larger than this is the wrong file (a row is about 40 bytes).
constexpr std::size_t kMaxPlanBytes = 16 * 1024 * 1024;
constexpr std::string_view kSaveAsCsv =
    "请在 Excel 中另存为“CSV UTF-8 (逗号分隔)”或“CSV (逗号分隔)”后重新选择。";

// The plan as UTF-8 text; none with message set when it is in no encoding a plan comes in.
std::optional<std::string> Decoded(std::string_view bytes, const std::string& file,
                                   std::string& message) {
    if (HasUtf16Bom(bytes)) {
        message = file + "是 UTF-16 编码（Excel 的“Unicode 文本”）。" + std::string(kSaveAsCsv);
        return std::nullopt;
    }
    const std::string_view text = WithoutUtf8Bom(bytes);
    if (IsUtf8(text)) {
        return std::string(text);
    }
    if (text.size() == bytes.size()) {
        if (std::optional<std::string> gbk = GbkToUtf8(bytes)) {
            return gbk;
        }
    }
    message = file + "既不是 UTF-8 文本，也不是 GBK 文本，无法读取。" + std::string(kSaveAsCsv);
    return std::nullopt;
}

// The separator the first row uses: semicolons where it has more of them than commas
// (Excel's CSV where the decimal mark is a comma), else commas.
char SeparatorOf(std::string_view text) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r') && commas + semicolons > 0) {
            break;
        } else if (!quoted) {
            commas += c == ',' ? 1 : 0;
            semicolons += c == ';' ? 1 : 0;
        }
    }
    return semicolons > commas ? ';' : ',';
}

PlanReading Refused(std::string message, std::vector<std::string> problems = {}) {
    PlanReading reading;
    reading.message = std::move(message);
    reading.problems = std::move(problems);
    return reading;
}

} // namespace

PlanReading PlanReader::Read(std::string_view bytes, const std::string& name) {
    const std::string file = "计划文件“" + name + "”";
    std::string message;
    const std::optional<std::string> text = Decoded(bytes, file, message);
    if (!text) {
        return Refused(message);
    }
    CsvReader reader(*text, SeparatorOf(*text));
    CsvRow row;
    bool first = true;
    std::optional<PlanRowReader> rows;
    std::vector<std::string> bad;
    Plan plan;
    while (reader.Next(row)) {
        if (row.Blank() && row.problem.empty()) {
            continue;
        }
        if (first) {
            first = false;
            std::string problem;
            if (const std::optional<PlanColumnPlaces> header = PlanHeader(row.cells, problem)) {
                if (!problem.empty()) {
                    return Refused(file + "的第 " + std::to_string(row.line) + " 行" + problem +
                                   "。请改正表头后重新选择计划。");
                }
                rows.emplace(*header, true);
                continue;
            }
            rows.emplace(PlanColumnPlaces{0, 1, 2}, false);
        }
        std::vector<std::string> problems;
        if (std::optional<PlanRow> planRow = rows->Read(row, problems)) {
            plan.rows.push_back(std::move(*planRow));
        } else {
            bad.push_back("第 " + std::to_string(row.line) + " 行：" + Joined(problems, "；"));
        }
    }
    if (!bad.empty()) {
        message = file + "有 " + std::to_string(bad.size()) + " 行有误，整个计划没有载入：";
        for (std::size_t i = 0; i < std::min(bad.size(), kListedProblems); ++i) {
            message += "\n" + bad[i];
        }
        if (bad.size() > kListedProblems) {
            message += "\n……另有 " + std::to_string(bad.size() - kListedProblems) + " 行有误";
        }
        return Refused(message + "\n请改正后重新选择计划。", std::move(bad));
    }
    if (plan.rows.empty()) {
        return Refused(file + "里没有任何中控：它是空的，或只有表头。");
    }
    return {true, {}, {}, std::move(plan)};
}

PlanReading PlanReader::ReadFile(const std::filesystem::path& path) {
    const FileBytes file = FileBytes::Read(path, kMaxPlanBytes);
    if (!file.ok) {
        return Refused(file.message);
    }
    return Read(file.bytes, PathText(path));
}

} // namespace site
