// Record lines as CSV.
#include "site/RecordEntry.h"

#include "site/CsvReader.h"
#include "site/TextEncoding.h"
#include "site/TextPieces.h"
#include "site/ValueText.h"

#include <vector>

namespace site {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Row(const std::vector<std::string>& cells) {
    std::vector<std::string> fields;
    for (const std::string& cell : cells) {
        fields.push_back(CsvField(cell));
    }
    return Joined(fields, ",");
}

// The address as sent by a write of kind, empty when it does not send setting.
std::string AddressCell(WriteKind kind, WriteKind setting, const Ipv4Octets& address) {
    return Sends(kind, setting) ? FormatIpv4(address) : std::string();
}

} // namespace

std::string FormatRecordLine(const RecordEntry& entry) {
    const UnitValues& values = entry.values;
    const WriteKind kind = entry.kind;
    return Row({std::to_string(entry.sequence), entry.time, entry.label, entry.port,
                std::string(WriteKindName(kind)),
                AddressCell(kind, WriteKind::Server, values.server),
                AddressCell(kind, WriteKind::Controller, values.controller),
                AddressCell(kind, WriteKind::Mask, values.mask),
                AddressCell(kind, WriteKind::Gateway, values.gateway),
                Sends(kind, WriteKind::Mac) ? FormatMac(values.mac) : std::string(), entry.result,
                entry.note});
}

std::string RecordFileStart() {
    return std::string(kUtf8Bom) +
           Row(std::vector<std::string>(std::begin(kRecordColumns), std::end(kRecordColumns))) +
           std::string(kLineEnd);
}

} // namespace site
