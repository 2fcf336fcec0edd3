// The checks before sending while a site is on. Each finding is a question for the technician
// (with "No" as its default answer) naming what is wrong; answering "Yes" sends, and the
// record line notes the warnings overridden (their summaries).
#pragma once

#include "site/RecordState.h"
#include "site/UnitValues.h"

#include <string>
#include <vector>

namespace site {

enum class WarningKind {
    ControllerInRecord, // the controller address was sent to an earlier unit
    MacInRecord,        // the MAC was sent to an earlier unit
    MaskNotContiguous,
    ControllerIsNetwork,   // the subnet's network address
    ControllerIsBroadcast, // the subnet's broadcast address
    GatewayOutsideSubnet,  // not in the controller's subnet
    MacMulticast,          // first byte odd
    MacAllZero,
    MacAllOnes, // FF-FF-FF-FF-FF-FF, the broadcast MAC
};

struct Warning {
    WarningKind kind = WarningKind::MacAllZero;
    // What is wrong, in full, with the values named (Chinese).
    std::string text;
    // The same in a few words, for the record's note ("中控IP 与序号 12 重复").
    std::string summary;

    // The question to ask: the text and "仍要发送吗？".
    std::string Question() const;
};

class Guards {
public:
    // The warnings for sending what a write of kind sends of unit. A single write is checked
    // for its own setting only: the controller address against the record and against its
    // subnet (with the mask in unit), the mask's shape, the gateway against the controller's
    // subnet, the MAC against the record and its kind.
    static std::vector<Warning> Check(WriteKind kind, const UnitValues& unit,
                                      const RecordState& record);
    // One question for several warnings: each text, then "仍要发送吗？".
    static std::string Question(const std::vector<Warning>& warnings);
    // The record's note for the warnings overridden.
    static std::string Note(const std::vector<Warning>& warnings);
};

} // namespace site
