// A site's record as the writes append to it: the check before any byte is sent, whether a
// line can be appended now (and if not, why and how to fix it, in Chinese), and the durable
// append of each line after the frames went out.
#pragma once

#include "site/DurableFile.h"
#include "site/RecordEntry.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace site {

// What became of appending one line.
struct AppendResult {
    bool ok = false;
    // Why the line is not in the record (Chinese); empty when it is.
    std::string reason;
    // The line's text, without its line end, for the technician to copy into the record.
    std::string line;

    // The message for a unit whose frames went out but whose line could not be appended:
    // that it was written, that its line is missing and why, and the line to copy.
    std::string MissingLineMessage() const;
};

class RecordAppender {
public:
    // Less free space than this on the record's disk is refused before sending: the line
    // itself is small, but a disk that full fails the next write.
    static constexpr std::uintmax_t kMinimumFreeBytes = 1024 * 1024;

    explicit RecordAppender(std::filesystem::path path,
                            std::chrono::milliseconds lockWait = DurableFile::kLockWait)
        : m_file(std::move(path), lockWait) {}

    // Empty when a line can be appended now; else what is wrong and what to do, for the caller
    // to show before anything is sent (another program holds the file open, as Excel does on
    // Windows, or keeps it open in LibreOffice; read-only; disk full; folder gone; no
    // permission).
    std::string Check() const;
    // Appends the entry's line, the byte order mark and header row first in a new file.
    AppendResult Append(const RecordEntry& entry) const;

    const std::filesystem::path& Path() const { return m_file.Path(); }

private:
    DurableFile m_file;
};

// The message for a record that cannot be appended to, naming the file.
std::string FileProblemMessage(const FileOutcome& outcome, const std::filesystem::path& path);

} // namespace site
