// Reading and checking a plan's rows.
#include "site/PlanRowReader.h"

#include "site/TextPieces.h"
#include "site/ValueText.h"

#include <algorithm>

namespace site {

namespace {

// Label, controller address and MAC.
constexpr std::size_t kColumnsWithoutHeader = 3;

} // namespace

std::string PlanRowReader::Cell(const CsvRow& row, PlanColumn column) const {
    const std::optional<std::size_t> place = m_places[static_cast<std::size_t>(column)];
    return place && *place < row.cells.size() ? std::string(Trimmed(row.cells[*place]))
                                              : std::string();
}

std::optional<Ipv4Octets> PlanRowReader::Optional(const CsvRow& row, PlanColumn column,
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
void PlanRowReader::Unique(std::map<Key, std::size_t>& seen, const Key& key, std::size_t line,
                           const std::string& what, std::vector<std::string>& problems) {
    const auto [at, first] = seen.try_emplace(key, line);
    if (!first) {
        problems.push_back(what + "与第 " + std::to_string(at->second) + " 行重复");
    }
}

std::optional<PlanRow> PlanRowReader::Read(const CsvRow& row, std::vector<std::string>& problems) {
    if (!row.problem.empty()) {
        problems.push_back(row.problem);
        return std::nullopt;
    }
    if (!m_header &&
        std::any_of(row.cells.begin() + std::min(row.cells.size(), kColumnsWithoutHeader),
                    row.cells.end(),
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

} // namespace site
