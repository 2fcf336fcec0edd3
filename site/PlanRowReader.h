// The data rows of a plan, read and checked one at a time.
#pragma once

#include "site/CsvReader.h"
#include "site/Plan.h"
#include "site/PlanColumns.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace site {

// Reads a plan's data rows one at a time and checks each, also against the rows before it:
// the label is there, each value reads, and no label, controller address or MAC comes twice.
class PlanRowReader {
public:
    // places says where the columns are; header whether a header row said so (without one,
    // a row has three columns only).
    PlanRowReader(const PlanColumnPlaces& places, bool header)
        : m_places(places), m_header(header) {}

    // The row, or none with what is wrong with it in problems.
    std::optional<PlanRow> Read(const CsvRow& row, std::vector<std::string>& problems);

private:
    // The column's cell without its blanks; empty where the row is short of it.
    std::string Cell(const CsvRow& row, PlanColumn column) const;
    // An optional address column: none when the plan lacks it or the cell is empty.
    std::optional<Ipv4Octets> Optional(const CsvRow& row, PlanColumn column,
                                       std::vector<std::string>& problems) const;
    // Records where the value is first seen; a problem when an earlier row has it.
    template <class Key>
    void Unique(std::map<Key, std::size_t>& seen, const Key& key, std::size_t line,
                const std::string& what, std::vector<std::string>& problems);

    PlanColumnPlaces m_places{};
    bool m_header = false;
    std::map<std::string, std::size_t> m_labels;
    std::map<std::uint32_t, std::size_t> m_controllers;
    std::map<std::uint64_t, std::size_t> m_macs;
};

} // namespace site
