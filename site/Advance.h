// The next unit's values after a write-all that sent all five frames: the controller address
// moves to the next host address of its subnet, the MAC to the next value in its last three
// bytes (the maker's first three stay). Values the record already holds are skipped, so none
// is given out twice. Neither wraps around: running out is a result, with nothing changed.
#pragma once

#include "site/RecordState.h"
#include "site/UnitValues.h"

#include <optional>
#include <string>

namespace site {

struct AdvanceResult {
    // The next unit's values (server, mask and gateway as they were); none when either ran out.
    std::optional<UnitValues> next;
    // Why nothing advanced (Chinese), for the caller to show; empty when it did.
    std::string message;
};

class Advance {
public:
    // The host address after the unit's controller address in its subnet, skipping the
    // network and broadcast addresses, the server's and the gateway's, and every address the
    // record holds; none when the subnet has no such address above it.
    static std::optional<Ipv4Octets> NextController(const UnitValues& unit,
                                                    const RecordState& record);
    // The MAC after mac with the same first three bytes, skipping MACs the record holds; none
    // after xx-xx-xx-FF-FF-FF.
    static std::optional<MacBytes> NextMac(const MacBytes& mac, const RecordState& record);
    // Both at once: the next unit, or the message for the one that ran out.
    static AdvanceResult Next(const UnitValues& unit, const RecordState& record);
};

} // namespace site
