// A site's plan: one row per unit with its label (the room), controller address and MAC, and
// where the plan has them, its own server address, mask and gateway. Each write-all takes the
// first row the record does not hold yet.
#pragma once

#include "site/RecordState.h"
#include "site/UnitValues.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace site {

struct PlanRow {
    // The line of the plan file the row is on, from 1.
    std::size_t line = 0;
    std::string label;
    Ipv4Octets controller{};
    MacBytes mac{};
    // Set where the plan has the column and the row a value in it.
    std::optional<Ipv4Octets> server;
    std::optional<Ipv4Octets> mask;
    std::optional<Ipv4Octets> gateway;

    // The unit's values: the row's own, the rest kept from current (the dialog's boxes).
    UnitValues Over(const UnitValues& current) const;
};

struct Plan {
    std::vector<PlanRow> rows;

    // The first row whose label the record does not hold as sent yet; null when all are done.
    const PlanRow* NextRow(const RecordState& record) const;
    // Rows the record holds as sent.
    std::size_t DoneCount(const RecordState& record) const;
};

} // namespace site
