// Durable appends on Windows: CreateFile with FILE_APPEND_DATA, LockFileEx, one WriteFile,
// FlushFileBuffers.
#include "site/DurableFile.h"

#include <windows.h>

#include <thread>

namespace site {

namespace {

// Append-only access (writes land at the end, whatever the file pointer), reading for the
// last byte. Sharing reading and writing lets another tavrin and a viewer open the file too;
// a program that opens it without sharing (Excel) makes this open fail, which is the point.
constexpr DWORD kAppendAccess = FILE_APPEND_DATA | FILE_READ_DATA;
constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
// The byte range that stands for the lock: far beyond any record's end, so the lock keeps
// other tavrins out without keeping a reader from the file's content.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD kLockLength = 1;
constexpr std::chrono::milliseconds kLockRetry{5};

FileProblem ProblemOf(DWORD error, const std::filesystem::path& path) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileProblem::Busy;
    case ERROR_ACCESS_DENIED: {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return FileProblem::NoPermission;
        }
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return FileProblem::NotAFile;
        }
        return (attributes & FILE_ATTRIBUTE_READONLY) ? FileProblem::ReadOnly
                                                      : FileProblem::NoPermission;
    }
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return FileProblem::FolderMissing;
    case ERROR_WRITE_PROTECT:
        return FileProblem::ReadOnlyDisk;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileProblem::DiskFull;
    default:
        return FileProblem::Other;
    }
}

FileOutcome Failure(DWORD error, const std::filesystem::path& path) {
    return {ProblemOf(error, path), "Windows 错误 " + std::to_string(error)};
}

// A handle, closed (and so unlocked) when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

// Opens the file for appending, made when disposition says so; INVALID_HANDLE_VALUE with
// outcome set when it cannot be. Only a file on a disk counts: a name such as COM1 or NUL
// opens a device.
HANDLE OpenAppending(const std::filesystem::path& path, DWORD disposition, FileOutcome& outcome) {
    const HANDLE file = CreateFileW(path.c_str(), kAppendAccess, kShare, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        outcome = Failure(GetLastError(), path);
    } else if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        outcome = {FileProblem::NotAFile, {}};
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

bool IsFolder(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Takes the exclusive lock, waiting up to wait for another handle to let go of it.
FileOutcome Lock(HANDLE file, std::chrono::milliseconds wait, const std::filesystem::path& path) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (true) {
        OVERLAPPED range = At(std::uint64_t{kLockOffsetHigh} << 32);
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, kLockLength, 0,
                       &range)) {
            return {};
        }
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
            return Failure(error, path);
        }
        std::this_thread::sleep_for(kLockRetry);
    }
}

// Writes all of bytes: one WriteFile, unless the system takes fewer bytes, when the rest
// follows under the same lock. 0, or the error that stopped it.
DWORD WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
            return GetLastError();
        }
        if (written == 0) {
            return ERROR_DISK_FULL;
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

// Cuts the file back to size after a write that stopped part way; the append-only handle
// may not, so a second handle does it.
void CutBack(const std::filesystem::path& path, std::uint64_t size) {
    const Handle file(CreateFileW(path.c_str(), FILE_WRITE_DATA, kShare, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return;
    }
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (SetFileInformationByHandle(file.Get(), FileEndOfFileInfo, &end, sizeof end)) {
        FlushFileBuffers(file.Get());
    }
}

} // namespace

FileOutcome DurableFile::Append(std::string_view line, std::string_view start) const {
    if (IsFolder(m_path)) {
        return {FileProblem::NotAFile, {}};
    }
    FileOutcome opened;
    const Handle file(OpenAppending(m_path, OPEN_ALWAYS, opened));
    if (!opened.Ok()) {
        return opened;
    }
    if (const FileOutcome locked = Lock(file.Get(), m_lockWait, m_path); !locked.Ok()) {
        return locked;
    }
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file.Get(), &fileSize)) {
        return Failure(GetLastError(), m_path);
    }
    const auto size = static_cast<std::uint64_t>(fileSize.QuadPart);
    char last = '\n';
    DWORD read = 0;
    OVERLAPPED lastByte = At(size - 1);
    if (size > 0 && (!ReadFile(file.Get(), &last, 1, &read, &lastByte) || read != 1)) {
        return Failure(GetLastError(), m_path);
    }
    if (const DWORD error = WriteAll(file.Get(), AppendedBytes(size, last, line, start));
        error != 0) {
        CutBack(m_path, size);
        return Failure(error, m_path);
    }
    if (!FlushFileBuffers(file.Get())) {
        return Failure(GetLastError(), m_path);
    }
    return {};
}

FileOutcome DurableFile::Probe() const {
    if (IsFolder(m_path)) {
        return {FileProblem::NotAFile, {}};
    }
    // A file that is not there yet is made and removed again (when its handle closes), which
    // asks the folder.
    const Handle made(CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (made.Valid()) {
        return {};
    }
    if (const DWORD error = GetLastError(); error != ERROR_FILE_EXISTS) {
        return Failure(error, m_path);
    }
    FileOutcome opened;
    const Handle file(OpenAppending(m_path, OPEN_EXISTING, opened));
    if (!opened.Ok()) {
        return opened;
    }
    return Lock(file.Get(), m_lockWait, m_path);
}

} // namespace site
