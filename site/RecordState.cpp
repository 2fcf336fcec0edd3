// A record's state, line by line.
#include "site/RecordState.h"

#include "site/ValueText.h"

#include <algorithm>

namespace site {

std::string UnitRef::Describe() const {
    std::string text = "序号 " + std::to_string(sequence);
    if (!label.empty()) {
        text += "（" + label + "）";
    }
    return text;
}

void RecordState::Add(const RecordEntry& entry) {
    m_lastSequence = std::max(m_lastSequence, entry.sequence);
    if (!entry.Sent()) {
        return;
    }
    const UnitRef unit{entry.sequence, entry.label};
    const UnitValues& values = entry.values;
    if (Sends(entry.kind, WriteKind::Server)) {
        m_addresses.insert(Ipv4Number(values.server));
    }
    if (Sends(entry.kind, WriteKind::Gateway)) {
        m_addresses.insert(Ipv4Number(values.gateway));
    }
    if (Sends(entry.kind, WriteKind::Controller)) {
        m_addresses.insert(Ipv4Number(values.controller));
        m_controllers.try_emplace(Ipv4Number(values.controller), unit);
    }
    if (Sends(entry.kind, WriteKind::Mac)) {
        m_macs.try_emplace(MacNumber(values.mac), unit);
    }
    if (entry.kind == WriteKind::All) {
        ++m_unitsSent;
        if (!entry.label.empty()) {
            m_doneLabels.insert(entry.label);
        }
    }
}

const UnitRef* RecordState::ControllerUser(const Ipv4Octets& address) const {
    const auto found = m_controllers.find(Ipv4Number(address));
    return found == m_controllers.end() ? nullptr : &found->second;
}

const UnitRef* RecordState::MacUser(const MacBytes& mac) const {
    const auto found = m_macs.find(MacNumber(mac));
    return found == m_macs.end() ? nullptr : &found->second;
}

bool RecordState::HoldsAddress(const Ipv4Octets& address) const {
    return m_addresses.contains(Ipv4Number(address));
}

} // namespace site
