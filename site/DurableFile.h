// Appending to a file that users keep, done by each system's own calls: a line goes in whole,
// in one write under an exclusive lock (so two processes never interleave half-lines), and is
// forced to disk before the call returns. Nothing already in the file is rewritten.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace site {

// Why a file could not be appended to, in the terms a message needs.
enum class FileProblem {
    None,
    Busy,          // another program holds it open without sharing, or keeps it locked
    ReadOnly,      // the file is marked read-only
    ReadOnlyDisk,  // the file system or the medium is read-only (a write-protected stick)
    DiskFull,      // no space left (or the quota is used up)
    FolderMissing, // the folder it would be in does not exist
    NoPermission,  // the user may not write it or create it there
    NotAFile,      // the name is a folder or a device
    Other,         // anything else; the system's own text says what
};

struct FileOutcome {
    FileProblem problem = FileProblem::None;
    // The system's own words for an Other problem.
    std::string systemText;

    bool Ok() const { return problem == FileProblem::None; }
};

class DurableFile {
public:
    // How long a lock held by another process is waited for before the file counts as busy:
    // another tavrin holds it for one write and a flush.
    static constexpr std::chrono::milliseconds kLockWait{2000};

    explicit DurableFile(std::filesystem::path path, std::chrono::milliseconds lockWait = kLockWait)
        : m_path(std::move(path)), m_lockWait(lockWait) {}

    // Appends line (which carries its own line end). A new or empty file gets start first;
    // a file whose last line lacks its line end gets a CRLF first, so the line stays whole.
    // All of it is one write, under the lock, flushed to disk before this returns; when the
    // write fails part way, the file is cut back to what it was.
    FileOutcome Append(std::string_view line, std::string_view start) const;
    // Whether Append could write now: opens the file as Append does (a missing file is made and
    // removed again) and takes the lock, changing nothing.
    FileOutcome Probe() const;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
    std::chrono::milliseconds m_lockWait;
};

// The bytes an append writes into a file of size bytes whose last byte is lastByte: start for
// an empty file, a CRLF first after a last line without its line end, then the line.
std::string AppendedBytes(std::uint64_t size, char lastByte, std::string_view line,
                          std::string_view start);

} // namespace site
