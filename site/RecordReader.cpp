// Reading a record back.
#include "site/RecordReader.h"

#include "site/CsvReader.h"
#include "site/FileBytes.h"
#include "site/TextEncoding.h"
#include "site/TextPieces.h"
#include "site/ValueText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace site {

namespace {

// A record larger than this is not one tavrin wrote (a line is about 150 bytes).
constexpr std::size_t kMaxRecordBytes = 64 * 1024 * 1024;
// Bad lines spelled out in a message.
constexpr std::size_t kListedLines = 10;
// Sequence numbers above this are not read (they would not be written in a lifetime).
constexpr std::uint64_t kMaxSequence = 1'000'000'000'000'000ULL;
constexpr std::string_view kNewRecord =
    "请选择 tavrin 写下的记录文件，或新建一个记录（旧文件可以留作参考）。";

enum Column : std::size_t {
    kSequence,
    kTime,
    kLabel,
    kPort,
    kKind,
    kServer,
    kController,
    kMask,
    kGateway,
    kMac,
    kResult,
    kNote,
};

std::optional<std::uint64_t> Sequence(const std::string& cell) {
    if (cell.empty() || cell.size() > std::to_string(kMaxSequence).size() ||
        !std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::uint64_t value = std::stoull(cell);
    if (value == 0 || value > kMaxSequence) {
        return std::nullopt;
    }
    return value;
}

// Reads one address cell of a line that sends it; false with problem set when it is bad.
bool ReadAddress(const std::string& cell, WriteKind setting, Ipv4Octets& address,
                 std::string& problem) {
    const ValueReading<Ipv4Octets> reading = ReadIpv4(cell);
    if (!reading.value) {
        problem = std::string(WriteKindName(setting)) + "“" + cell + "”" + reading.problem;
        return false;
    }
    address = *reading.value;
    return true;
}

// The row as an entry; none with problem set when a cell cannot be read.
std::optional<RecordEntry> EntryOf(const CsvRow& row, std::string& problem) {
    if (!row.problem.empty()) {
        problem = row.problem;
        return std::nullopt;
    }
    const std::vector<std::string>& cells = row.cells;
    if (cells.size() != kRecordColumnCount) {
        problem = "有 " + std::to_string(cells.size()) + " 列，记录的每一行应有 " +
                  std::to_string(kRecordColumnCount) + " 列";
        return std::nullopt;
    }
    RecordEntry entry;
    const std::optional<std::uint64_t> sequence = Sequence(cells[kSequence]);
    const std::optional<WriteKind> kind = WriteKindFromName(cells[kKind]);
    if (!sequence) {
        problem = "序号“" + cells[kSequence] + "”不是正整数";
        return std::nullopt;
    }
    if (!kind) {
        problem = "写入内容“" + cells[kKind] + "”无法识别";
        return std::nullopt;
    }
    entry.sequence = *sequence;
    entry.kind = *kind;
    entry.time = cells[kTime];
    entry.label = cells[kLabel];
    entry.port = cells[kPort];
    entry.result = cells[kResult];
    entry.note = cells[kNote];
    UnitValues& values = entry.values;
    const std::pair<WriteKind, std::pair<Column, Ipv4Octets*>> addresses[] = {
        {WriteKind::Server, {kServer, &values.server}},
        {WriteKind::Controller, {kController, &values.controller}},
        {WriteKind::Mask, {kMask, &values.mask}},
        {WriteKind::Gateway, {kGateway, &values.gateway}},
    };
    for (const auto& [setting, place] : addresses) {
        if (Sends(entry.kind, setting) &&
            !ReadAddress(cells[place.first], setting, *place.second, problem)) {
            return std::nullopt;
        }
    }
    if (Sends(entry.kind, WriteKind::Mac)) {
        const ValueReading<MacBytes> mac = ReadMac(cells[kMac]);
        if (!mac.value) {
            problem = "MAC“" + cells[kMac] + "”" + mac.problem;
            return std::nullopt;
        }
        values.mac = *mac.value;
    }
    return entry;
}

// The first lines, one a line, and how many more there are.
std::string Listed(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < std::min(lines.size(), kListedLines); ++i) {
        text += "\n" + lines[i];
    }
    if (lines.size() > kListedLines) {
        text += "\n……另有 " + std::to_string(lines.size() - kListedLines) + " 行";
    }
    return text;
}

RecordReading Rejected(std::string message) {
    RecordReading reading;
    reading.message = std::move(message);
    return reading;
}

// A line with fewer cells than a record line, and nothing else wrong with it: what is left of
// a line whose writing was cut short.
bool IsCut(const CsvRow& row) {
    return row.problem.empty() && row.cells.size() < kRecordColumnCount;
}

} // namespace

RecordReading RecordReader::Read(std::string_view bytes, const std::string& name) {
    const std::string file = "记录文件“" + name + "”";
    if (HasUtf16Bom(bytes)) {
        return Rejected(file +
                        "是 UTF-16 编码（可能被 Excel 另存为了“Unicode 文本”），不是 tavrin "
                        "写下的记录。" +
                        std::string(kNewRecord));
    }
    std::string_view text = WithoutUtf8Bom(bytes);
    // Lines cut short (the program or the machine stopped while one was written) are left out
    // and listed; a last one may end inside a character, so only what lies before it must be
    // UTF-8.
    std::string cutInCharacter;
    const std::size_t tailStart = text.find_last_of('\n') + 1;
    if (tailStart > 0 && !IsUtf8(text.substr(tailStart)) && IsUtf8(text.substr(0, tailStart))) {
        const auto line =
            std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(tailStart), '\n') +
            1;
        cutInCharacter = "第 " + std::to_string(line) + " 行";
        text = text.substr(0, tailStart);
    }
    if (!IsUtf8(text)) {
        return Rejected(file +
                        "不是 UTF-8 文本（可能被 Excel 另存为了“CSV (逗号分隔)”），tavrin "
                        "不能在它后面接着写。" +
                        std::string(kNewRecord));
    }
    RecordReading reading{true, {}, {}, {}};
    CsvReader reader(text, ',');
    CsvRow row;
    if (!reader.Next(row)) {
        return reading; // empty: a new record
    }
    if (!row.problem.empty() || !std::equal(row.cells.begin(), row.cells.end(),
                                            std::begin(kRecordColumns), std::end(kRecordColumns))) {
        return Rejected(file + "不是 tavrin 的现场记录：第一行不是记录的表头。" +
                        std::string(kNewRecord));
    }
    std::vector<std::string> cut;
    std::vector<std::string> bad;
    while (reader.Next(row)) {
        if (row.Blank() && row.problem.empty()) {
            continue;
        }
        std::string problem;
        const std::optional<RecordEntry> entry = EntryOf(row, problem);
        if (entry) {
            reading.state.Add(*entry);
        } else if (!row.terminated || IsCut(row)) {
            cut.push_back("第 " + std::to_string(row.line) + " 行：" + Joined(row.cells, ","));
        } else {
            bad.push_back("第 " + std::to_string(row.line) + " 行：" + problem);
        }
    }
    if (!cutInCharacter.empty()) {
        cut.push_back(cutInCharacter);
    }
    if (!cut.empty()) {
        reading.droppedTail = file + "中有 " + std::to_string(cut.size()) +
                              " 行不完整（可能是写入时程序或电脑中断了），已略过；这些行上的中控"
                              "不计入数量，也不参与重复检查：" +
                              Listed(cut);
    }
    if (bad.empty()) {
        return reading;
    }
    return Rejected(file + "有 " + std::to_string(bad.size()) + " 行无法读取，不能接着写：" +
                    Listed(bad) + "\n请改正这些行，或新建一个记录（旧文件可以留作参考）。");
}

RecordReading RecordReader::ReadFile(const std::filesystem::path& path) {
    const FileBytes file = FileBytes::Read(path, kMaxRecordBytes);
    if (file.missing) {
        return {true, {}, {}, {}};
    }
    if (!file.ok) {
        return Rejected(file.message);
    }
    return Read(file.bytes, PathText(path));
}

} // namespace site
