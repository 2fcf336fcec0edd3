// Reads an existing record back when a site is continued: the state it holds (count, next
// sequence number, addresses and MACs used, plan labels done). Takes any bytes: what it cannot
// read it rejects whole with a Chinese message, never a partly read state.
#pragma once

#include "site/RecordState.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace site {

struct RecordReading {
    bool ok = false;
    // Why the record was rejected; empty when it was read.
    std::string message;
    RecordState state;
    // Set when lines were cut short (the program or the machine stopped while one was being
    // written: the last line without its line end, or a line with too few cells, which the
    // next append left behind): they are left out, and this says so with their text, for the
    // caller to show.
    std::string droppedTail;
};

class RecordReader {
public:
    // The record's bytes; name is how messages call the file.
    static RecordReading Read(std::string_view bytes, const std::string& name);
    // The record file; a file that does not exist yet is a new site's empty record.
    static RecordReading ReadFile(const std::filesystem::path& path);
};

} // namespace site
