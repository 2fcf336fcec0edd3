// libFuzzer harness for the record reader: any bytes end in a state or in a message, never in
// a crash, a hang, a leak or a state read in part; and a line written for any label and
// result reads back as written.
#include "site/RecordReader.h"
#include "site/TextEncoding.h"

#include <cstdlib>
#include <string_view>

namespace {

// The state of a record with nothing in it.
bool Empty(const site::RecordState& state) {
    return state.UnitsSent() == 0 && state.NextSequence() == 1 && state.Controllers().empty() &&
           state.Macs().empty() && state.DoneLabels().empty();
}

// Writes one sent unit labelled with the bytes, when they are UTF-8, and reads it back: it
// must count, with its label.
void RoundTrip(std::string_view bytes) {
    if (!site::IsUtf8(bytes)) {
        return;
    }
    site::RecordEntry entry;
    entry.sequence = 1;
    entry.label = bytes;
    const std::string record = site::RecordFileStart() + site::FormatRecordLine(entry) + "\r\n";
    const site::RecordReading reading = site::RecordReader::Read(record, "r.csv");
    if (!reading.ok || reading.state.UnitsSent() != 1 ||
        (!bytes.empty() && !reading.state.LabelDone(entry.label))) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const site::RecordReading reading = site::RecordReader::Read(bytes, "r.csv");
    const bool refused = !reading.ok && !reading.message.empty() && Empty(reading.state);
    const bool read = reading.ok && reading.message.empty();
    if (!refused && !read) {
        std::abort();
    }
    RoundTrip(bytes);
    return 0;
}
