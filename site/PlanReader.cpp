// Reading a plan file.
#include "site/PlanReader.h"

#include "site/CsvReader.h"
#include "site/FileBytes.h"
#include "site/Joined.h"
#include "site/PlanColumns.h"
#include "site/TextEncoding.h"
#include "site/ValueText.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace site {

namespace {

// A plan larger than this is the wrong file (a row is about 40 bytes).
constexpr std::size_t kMaxPlanBytes = 16 * 1024 * 1024;
constexpr std::size_t kColumnKinds = 6;
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kSaveAsCsv =
    "请在 Excel 中另存为“CSV UTF-8 (逗号分隔)”或“CSV (逗号分隔)”后重新选择。";

// Where each column is in a row; none for a column the plan does not have.
using ColumnPlaces = std::array<std::optional<std::size_t>, kColumnKinds>;

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

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

// The columns a header row names; none when the row is no header. problem is set when it is
// one but unusable (a column twice, one that must be there missing).
std::optional<ColumnPlaces> HeaderOf(const CsvRow& row, std::string& problem) {
    ColumnPlaces places;
    bool named = false;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const std::optional<PlanColumn> column = PlanColumnNamed(row.cells[i]);
        if (!column) {
            continue;
        }
        named = true;
        std::optional<std::size_t>& place = places[static_cast<std::size_t>(*column)];
        if (place && problem.empty()) {
            problem = "表头中“" + std::string(PlanColumnTitle(*column)) + "”列出现了两次（第 " +
                      std::to_string(*place + 1) + " 列和第 " + std::to_string(i + 1) + " 列）";
        }
        place = place.value_or(i);
    }
    if (!named) {
        return std::nullopt;
    }
    for (const PlanColumn needed : {PlanColumn::Label, PlanColumn::Controller, PlanColumn::Mac}) {
        if (!places[static_cast<std::size_t>(needed)] && problem.empty()) {
            problem = "表头中没有“" + std::string(PlanColumnTitle(needed)) +
                      "”列（计划必须有标签、中控IP 和 MAC 三列）";
        }
    }
    return places;
}

// Reads and checks one row, against the rows before it; the problems found go into problems.
class RowReader {
public:
    explicit RowReader(const ColumnPlaces& places, bool header)
        : m_places(places), m_header(header) {}

    std::optional<PlanRow> Read(const CsvRow& row, std::vector<std::string>& problems);

private:
    std::string Cell(const CsvRow& row, PlanColumn column) const;
    // An optional address column: none when the plan lacks it or the cell is empty.
    std::optional<Ipv4Octets> Optional(const CsvRow& row, PlanColumn column,
                                       std::vector<std::string>& problems) const;
    // Records where the value is first seen; a problem when an earlier row has it.
    template <class Key>
    void Unique(std::map<Key, std::size_t>& seen, const Key& key, std::size_t line,
                const std::string& what, std::vector<std::string>& problems);

    ColumnPlaces m_places;
    bool m_header = false;
    std::map<std::string, std::size_t> m_labels;
    std::map<std::uint32_t, std::size_t> m_controllers;
    std::map<std::uint64_t, std::size_t> m_macs;
};

std::string RowReader::Cell(const CsvRow& row, PlanColumn column) const {
    const std::optional<std::size_t> place = m_places[static_cast<std::size_t>(column)];
    return place && *place < row.cells.size() ? Trimmed(row.cells[*place]) : std::string();
}

std::optional<Ipv4Octets> RowReader::Optional(const CsvRow& row, PlanColumn column,
                                              std::vector<std::string>& problems) const {
    const std::string cell = Cell(row, column);
    if (cell.empty()) {
        return std::nullopt;
    }
    const ValueReading<Ipv4Octets> address = ReadIpv4(cell);
    if (!address.value) {
        problems.push_back(std::string(PlanColumnTitle(column)) + "“" + cell + "”" +
                           address.problem);
    }
    return address.value;
}

template <class Key>
void RowReader::Unique(std::map<Key, std::size_t>& seen, const Key& key, std::size_t line,
                       const std::string& what, std::vector<std::string>& problems) {
    const auto [at, first] = seen.try_emplace(key, line);
    if (!first) {
        problems.push_back(what + "与第 " + std::to_string(at->second) + " 行重复");
    }
}

std::optional<PlanRow> RowReader::Read(const CsvRow& row, std::vector<std::string>& problems) {
    if (!row.problem.empty()) {
        problems.push_back(row.problem);
        return std::nullopt;
    }
    if (!m_header &&
        std::any_of(row.cells.begin() + std::min<std::size_t>(row.cells.size(), 3), row.cells.end(),
                    [](const std::string& cell) { return !Trimmed(cell).empty(); })) {
        problems.push_back(
            "没有表头时每行只有三列：标签、中控IP、MAC；有更多列时请在第一行加上表头");
        return std::nullopt;
    }
    PlanRow planRow;
    planRow.line = row.line;
    planRow.label = Cell(row, PlanColumn::Label);
    const std::string controller = Cell(row, PlanColumn::Controller);
    const std::string mac = Cell(row, PlanColumn::Mac);
    const ValueReading<Ipv4Octets> address = ReadIpv4(controller);
    const ValueReading<MacBytes> macBytes = ReadMac(mac);
    if (planRow.label.empty()) {
        problems.push_back("标签是空的");
    } else if (planRow.label.find_first_of("\r\n") != std::string::npos) {
        problems.push_back("标签里有换行");
    } else {
        Unique(m_labels, planRow.label, row.line, "标签“" + planRow.label + "”", problems);
    }
    if (!address.value) {
        problems.push_back("中控IP“" + controller + "”" + address.problem);
    } else {
        Unique(m_controllers, Ipv4Number(*address.value), row.line,
               "中控IP " + FormatIpv4(*address.value) + " ", problems);
    }
    if (!macBytes.value) {
        problems.push_back("MAC“" + mac + "”" + macBytes.problem);
    } else {
        Unique(m_macs, MacNumber(*macBytes.value), row.line,
               "MAC " + FormatMac(*macBytes.value) + " ", problems);
    }
    planRow.server = Optional(row, PlanColumn::Server, problems);
    planRow.mask = Optional(row, PlanColumn::Mask, problems);
    planRow.gateway = Optional(row, PlanColumn::Gateway, problems);
    if (!problems.empty()) {
        return std::nullopt;
    }
    planRow.controller = *address.value;
    planRow.mac = *macBytes.value;
    return planRow;
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
    std::optional<RowReader> rows;
    std::vector<std::string> bad;
    Plan plan;
    while (reader.Next(row)) {
        if (row.Blank() && row.problem.empty()) {
            continue;
        }
        if (first) {
            first = false;
            std::string problem;
            if (const std::optional<ColumnPlaces> header = HeaderOf(row, problem)) {
                if (!problem.empty()) {
                    return Refused(file + "的第 " + std::to_string(row.line) + " 行" + problem +
                                   "。请改正表头后重新选择计划。");
                }
                rows.emplace(*header, true);
                continue;
            }
            rows.emplace(ColumnPlaces{0, 1, 2}, false);
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
