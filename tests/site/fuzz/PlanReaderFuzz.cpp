// libFuzzer harness for the plan reader: any bytes end in a whole plan or in a message, never
// in a crash, a hang, a leak or a plan read in part.
#include "site/PlanReader.h"
#include "site/ValueText.h"

#include <cstdlib>
#include <set>
#include <string_view>

namespace {

// A plan that was read has rows, each with a label, and no label, address or MAC twice.
bool Whole(const site::Plan& plan) {
    std::set<std::string> labels;
    std::set<std::uint32_t> controllers;
    std::set<std::uint64_t> macs;
    for (const site::PlanRow& row : plan.rows) {
        if (row.label.empty() || !labels.insert(row.label).second ||
            !controllers.insert(site::Ipv4Number(row.controller)).second ||
            !macs.insert(site::MacNumber(row.mac)).second) {
            return false;
        }
    }
    return !plan.rows.empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const site::PlanReading reading = site::PlanReader::Read(bytes, "plan.csv");
    const bool refused = !reading.ok && !reading.message.empty() && reading.plan.rows.empty();
    const bool read =
        reading.ok && reading.message.empty() && reading.problems.empty() && Whole(reading.plan);
    if (!refused && !read) {
        std::abort();
    }
    return 0;
}
