// What a site's record holds so far: the count of units sent, the next sequence number, the
// addresses and MACs already given out (with the unit that got each) and the plan labels done.
// Built from an existing record when a site is continued, and kept up with every line after.
#pragma once

#include "site/RecordEntry.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace site {

// The unit that used a value first: its sequence number and label.
struct UnitRef {
    std::uint64_t sequence = 0;
    std::string label;

    // "序号 12（301 教室）", or "序号 12" without a label.
    std::string Describe() const;
};

class RecordState {
public:
    // Takes in one line. Only a sent line uses its values; only a sent write-all counts as a
    // unit and marks its label done. Every line moves the sequence number on.
    void Add(const RecordEntry& entry);

    // Write-alls sent.
    std::uint64_t UnitsSent() const { return m_unitsSent; }
    std::uint64_t NextSequence() const { return m_lastSequence + 1; }
    // The unit that was sent this controller address or MAC first; null when none was.
    const UnitRef* ControllerUser(const Ipv4Octets& address) const;
    const UnitRef* MacUser(const MacBytes& mac) const;
    // Whether the address was sent as any unit's server, controller or gateway address.
    bool HoldsAddress(const Ipv4Octets& address) const;
    bool HoldsMac(const MacBytes& mac) const { return MacUser(mac) != nullptr; }
    bool LabelDone(const std::string& label) const { return m_doneLabels.contains(label); }
    const std::set<std::string>& DoneLabels() const { return m_doneLabels; }
    const std::map<std::uint32_t, UnitRef>& Controllers() const { return m_controllers; }
    const std::map<std::uint64_t, UnitRef>& Macs() const { return m_macs; }

private:
    std::uint64_t m_unitsSent = 0;
    std::uint64_t m_lastSequence = 0;
    std::map<std::uint32_t, UnitRef> m_controllers;
    std::map<std::uint64_t, UnitRef> m_macs;
    std::set<std::uint32_t> m_addresses;
    std::set<std::string> m_doneLabels;
};

} // namespace site
