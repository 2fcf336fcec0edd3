// A plan's rows against the record.
#include "site/Plan.h"

namespace site {

UnitValues PlanRow::Over(const UnitValues& current) const {
    UnitValues values = current;
    values.controller = controller;
    values.mac = mac;
    values.server = server.value_or(current.server);
    values.mask = mask.value_or(current.mask);
    values.gateway = gateway.value_or(current.gateway);
    return values;
}

const PlanRow* Plan::NextRow(const RecordState& record) const {
    for (const PlanRow& row : rows) {
        if (!record.LabelDone(row.label)) {
            return &row;
        }
    }
    return nullptr;
}

std::size_t Plan::DoneCount(const RecordState& record) const {
    std::size_t done = 0;
    for (const PlanRow& row : rows) {
        done += record.LabelDone(row.label) ? 1 : 0;
    }
    return done;
}

} // namespace site
